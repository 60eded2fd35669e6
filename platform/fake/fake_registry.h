#pragma once
// An in-memory registry: case-insensitive key and value names, the predefined roots,
// Win32 result codes, keys with sub-keys refusing deletion as on NT-family systems.
#include <map>
#include <memory>
#include <string>

#include "platform/registry.h"

namespace platform::fake {

class FakeRegistry : public Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;

  ErrorCode openKey(HKey root, const std::string& subKey, std::uint32_t accessMask,
                    HKey& key) override;
  ErrorCode createKey(HKey root, const std::string& subKey, HKey& key) override;
  ErrorCode queryValueInfo(HKey key, const std::string& name, std::uint32_t& type,
                           std::uint32_t& size) override;
  ErrorCode queryValue(HKey key, const std::string& name, std::uint32_t bufferSize,
                       std::uint32_t& type, std::string& data) override;
  ErrorCode setValue(HKey key, const std::string& name, std::uint32_t type,
                     const std::string& data) override;
  ErrorCode deleteValue(HKey key, const std::string& name) override;
  ErrorCode deleteKey(HKey root, const std::string& subKey) override;
  ErrorCode closeKey(HKey key) override;

  // Test helpers over full paths such as "HKEY_CURRENT_USER\Software\X".
  void setString(HKey root, const std::string& subKey, const std::string& name,
                 const std::string& value);
  bool hasKey(HKey root, const std::string& subKey) const;
  bool hasValue(HKey root, const std::string& subKey, const std::string& name) const;
  // The raw bytes of a value, or an empty text when missing.
  std::string value(HKey root, const std::string& subKey, const std::string& name) const;
  // Every key and value (type and bytes) under every root, for before-and-after
  // comparisons.
  std::string snapshot() const;
  std::size_t openHandles() const { return handles_.size(); }
  // A key whose opening for write is refused, as for a limited user.
  void denyWrite(HKey root, const std::string& subKey);

 private:
  struct Key;
  Key* lookup(HKey root, const std::string& subKey) const;
  Key* keyOf(HKey handle) const;

  std::map<HKey, std::unique_ptr<Key>> roots_;
  std::map<HKey, Key*> handles_;
  HKey nextHandle_ = 0x1000;
};

}  // namespace platform::fake
