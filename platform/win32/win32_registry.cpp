#include <windows.h>

#include <vector>

#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

HKEY h(HKey key) {
  return reinterpret_cast<HKEY>(key);
}

class Win32Registry : public Registry {
 public:
  ErrorCode openKey(HKey root, const std::string& subKey, std::uint32_t accessMask,
                    HKey& key) override {
    HKEY out = nullptr;
    LONG r = RegOpenKeyExA(h(root), subKey.empty() ? nullptr : subKey.c_str(), 0, accessMask, &out);
    if (r == ERROR_SUCCESS) key = reinterpret_cast<HKey>(out);
    return static_cast<ErrorCode>(r);
  }

  ErrorCode createKey(HKey root, const std::string& subKey, HKey& key) override {
    HKEY out = nullptr;
    LONG r = RegCreateKeyExA(h(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &out, nullptr);
    if (r == ERROR_SUCCESS) key = reinterpret_cast<HKey>(out);
    return static_cast<ErrorCode>(r);
  }

  ErrorCode queryValueInfo(HKey key, const std::string& name, std::uint32_t& type,
                           std::uint32_t& size) override {
    DWORD t = 0, n = 0;
    LONG r = RegQueryValueExA(h(key), name.c_str(), nullptr, &t, nullptr, &n);
    if (r == ERROR_SUCCESS) {
      type = t;
      size = n;
    }
    return static_cast<ErrorCode>(r);
  }

  ErrorCode queryValue(HKey key, const std::string& name, std::uint32_t bufferSize,
                       std::uint32_t& type, std::string& data) override {
    std::vector<BYTE> buffer(bufferSize + 1);
    DWORD t = 0, n = bufferSize;
    LONG r = RegQueryValueExA(h(key), name.c_str(), nullptr, &t, buffer.data(), &n);
    if (r == ERROR_SUCCESS) {
      type = t;
      data.assign(reinterpret_cast<const char*>(buffer.data()), n);
    }
    return static_cast<ErrorCode>(r);
  }

  ErrorCode setValue(HKey key, const std::string& name, std::uint32_t type,
                     const std::string& data) override {
    return static_cast<ErrorCode>(RegSetValueExA(h(key), name.c_str(), 0, type,
                                                 reinterpret_cast<const BYTE*>(data.data()),
                                                 static_cast<DWORD>(data.size())));
  }

  ErrorCode deleteValue(HKey key, const std::string& name) override {
    return static_cast<ErrorCode>(RegDeleteValueA(h(key), name.c_str()));
  }

  ErrorCode deleteKey(HKey root, const std::string& subKey) override {
    return static_cast<ErrorCode>(RegDeleteKeyA(h(root), subKey.c_str()));
  }

  ErrorCode closeKey(HKey key) override { return static_cast<ErrorCode>(RegCloseKey(h(key))); }
};

}  // namespace

std::unique_ptr<Registry> makeRegistry() {
  return std::make_unique<Win32Registry>();
}

}  // namespace platform::win32
