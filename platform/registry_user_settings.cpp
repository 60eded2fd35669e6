#include "platform/registry_user_settings.h"

namespace platform {

std::string RegistryUserSettings::keyPath(const std::string& application,
                                          const std::string& section) const {
  return root_ + "\\" + application + "\\" + section;
}

std::string RegistryUserSettings::getSetting(const std::string& application,
                                             const std::string& section, const std::string& key,
                                             const std::string& fallback) {
  HKey k = 0;
  if (registry_.openKey(hkey::kCurrentUser, keyPath(application, section), access::kRead, k) !=
      err::kSuccess)
    return fallback;
  std::string result = fallback;
  std::uint32_t type = 0, size = 0;
  if (registry_.queryValueInfo(k, key, type, size) == err::kSuccess &&
      (type == regtype::kString || type == regtype::kExpandString)) {
    std::string data;
    if (registry_.queryValue(k, key, size, type, data) == err::kSuccess)
      result = data.substr(0, data.find('\0'));
  }
  registry_.closeKey(k);
  return result;
}

ErrorCode RegistryUserSettings::saveSetting(const std::string& application,
                                            const std::string& section, const std::string& key,
                                            const std::string& value) {
  HKey k = 0;
  ErrorCode rc = registry_.createKey(hkey::kCurrentUser, keyPath(application, section), k);
  if (rc != err::kSuccess) return rc;
  // Stored with its terminating NUL, as the system's own string writers do.
  rc = registry_.setValue(k, key, regtype::kString, value + std::string(1, '\0'));
  registry_.closeKey(k);
  return rc;
}

}  // namespace platform
