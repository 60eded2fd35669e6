#pragma once
// The per-user application settings store: one text per application, section and key,
// kept apart for every user of the computer.
#include <string>

#include "platform/win_types.h"

namespace platform {

class UserSettings {
 public:
  virtual ~UserSettings() = default;
  // The stored text, or `fallback` when the application, section or key is missing.
  virtual std::string getSetting(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& fallback) = 0;
  // Stores a text, creating the application and section as needed.
  virtual ErrorCode saveSetting(const std::string& application, const std::string& section,
                                const std::string& key, const std::string& value) = 0;
};

}  // namespace platform
