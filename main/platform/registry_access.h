#pragma once
// The cleaner's small layer over the registry: root names to handles, full key paths,
// and string values written, read and deleted. No operation reports failure; a missing
// key or a refused access leaves the registry as it was.
#include <string>

#include "platform/registry.h"
#include "ui/prompter.h"

namespace vorn {

class RegistryAccess {
 public:
  RegistryAccess(platform::Registry& registry, ui::Prompter& prompter)
      : registry_(registry), prompter_(prompter) {}

  // The predefined handle of an exactly spelled root name ("HKEY_CURRENT_USER"), or 0.
  static platform::HKey rootKeyFromName(const std::string& name);

  // Splits "HKEY_...\sub\key" into a root handle and the sub-key path (left in `path`).
  // A path not starting with "HKEY_" or ending in "\" is shown as "Incorrect Format:"
  // and gives root 0 with the path unchanged.
  void parseKeyPath(std::string& path, platform::HKey& root);

  void setStringValue(const std::string& fullPath, const std::string& valueName,
                      const std::string& value);
  std::string queryStringValue(platform::HKey root, const std::string& subKey,
                               const std::string& valueName);
  void deleteValue(platform::HKey root, const std::string& subKey, const std::string& valueName);
  void deleteRegistryKey(platform::HKey root, const std::string& subKey);
  // Creates a key with its missing parents, so that a value can be written under it;
  // an existing key is left as it is.
  void createKey(platform::HKey root, const std::string& subKey);

 private:
  platform::Registry& registry_;
  ui::Prompter& prompter_;
};

}  // namespace vorn
