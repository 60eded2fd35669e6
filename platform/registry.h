#pragma once
// The registry, shaped like the Reg* functions: result codes, not exceptions.
#include <string>

#include "platform/win_types.h"

namespace platform {

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key (RegOpenKeyExA). An empty sub-key opens the root itself.
  virtual ErrorCode openKey(HKey root, const std::string& subKey, std::uint32_t accessMask,
                            HKey& key) = 0;
  // Opens or creates a key with all its missing parents (RegCreateKeyExA).
  virtual ErrorCode createKey(HKey root, const std::string& subKey, HKey& key) = 0;
  // Asks for a value's type and size in bytes (RegQueryValueExA with no buffer).
  virtual ErrorCode queryValueInfo(HKey key, const std::string& name, std::uint32_t& type,
                                   std::uint32_t& size) = 0;
  // Reads a value's data into a buffer of `bufferSize` bytes; `data` receives the bytes
  // the system wrote (for strings, including any terminating NUL it stored).
  // A buffer that is too small gives kMoreData.
  virtual ErrorCode queryValue(HKey key, const std::string& name, std::uint32_t bufferSize,
                               std::uint32_t& type, std::string& data) = 0;
  // Sets a value (RegSetValueExA) to exactly the given bytes.
  virtual ErrorCode setValue(HKey key, const std::string& name, std::uint32_t type,
                             const std::string& data) = 0;
  virtual ErrorCode deleteValue(HKey key, const std::string& name) = 0;
  // Deletes a key (RegDeleteKeyA); a key with sub-keys refuses on NT-family systems.
  virtual ErrorCode deleteKey(HKey root, const std::string& subKey) = 0;
  virtual ErrorCode closeKey(HKey key) = 0;
};

}  // namespace platform
