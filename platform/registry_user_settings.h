#pragma once
// The per-user settings store kept under the current user's registry branch,
// "HKEY_CURRENT_USER\Software\Tervane\<application>\<section>", one string value per key.
// Written over the Registry seam, so the fake and the real build share it.
#include "platform/registry.h"
#include "platform/user_settings.h"

namespace platform {

class RegistryUserSettings : public UserSettings {
 public:
  static constexpr const char* kRoot = "Software\\Tervane";

  explicit RegistryUserSettings(Registry& registry, std::string root = kRoot)
      : registry_(registry), root_(std::move(root)) {}

  std::string getSetting(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  ErrorCode saveSetting(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& value) override;

 private:
  std::string keyPath(const std::string& application, const std::string& section) const;
  Registry& registry_;
  std::string root_;
};

}  // namespace platform
