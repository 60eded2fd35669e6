#include "main/platform/registry_access.h"

#include <utility>

namespace vorn {
namespace {

// Closes an opened key when the operation ends, whichever way it ends.
class OpenKey {
 public:
  OpenKey(platform::Registry& registry, platform::HKey root, const std::string& subKey,
          std::uint32_t access)
      : registry_(registry) {
    ok_ = registry.openKey(root, subKey, access, key_) == platform::err::kSuccess;
  }
  ~OpenKey() {
    if (ok_) registry_.closeKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  explicit operator bool() const { return ok_; }
  platform::HKey get() const { return key_; }

 private:
  platform::Registry& registry_;
  platform::HKey key_ = 0;
  bool ok_ = false;
};

}  // namespace

platform::HKey RegistryAccess::rootKeyFromName(const std::string& name) {
  static const std::pair<const char*, platform::HKey> kRoots[] = {
      {"HKEY_CLASSES_ROOT", platform::hkey::kClassesRoot},
      {"HKEY_CURRENT_USER", platform::hkey::kCurrentUser},
      {"HKEY_LOCAL_MACHINE", platform::hkey::kLocalMachine},
      {"HKEY_USERS", platform::hkey::kUsers},
      {"HKEY_PERFORMANCE_DATA", platform::hkey::kPerformanceData},
      {"HKEY_CURRENT_CONFIG", platform::hkey::kCurrentConfig},
      {"HKEY_DYN_DATA", platform::hkey::kDynData},
  };
  for (const auto& [text, handle] : kRoots)
    if (name == text) return handle;
  return 0;
}

void RegistryAccess::parseKeyPath(std::string& path, platform::HKey& root) {
  if (path.rfind("HKEY_", 0) != 0 || (!path.empty() && path.back() == '\\')) {
    prompter_.messageBox("Incorrect Format:\n\n" + path, "", ui::mb::kOk);
    root = 0;
    return;
  }
  std::size_t slash = path.find('\\');
  if (slash == std::string::npos) {
    root = rootKeyFromName(path);
    path.clear();
  } else {
    root = rootKeyFromName(path.substr(0, slash));
    path = path.substr(slash + 1);
  }
}

void RegistryAccess::setStringValue(const std::string& fullPath, const std::string& valueName,
                                    const std::string& value) {
  std::string subKey = fullPath;
  platform::HKey root = 0;
  parseKeyPath(subKey, root);
  if (root == 0) return;
  OpenKey key(registry_, root, subKey, platform::access::kWrite);
  if (!key) return;
  registry_.setValue(key.get(), valueName, platform::regtype::kString, value);
}

std::string RegistryAccess::queryStringValue(platform::HKey root, const std::string& subKey,
                                             const std::string& valueName) {
  OpenKey key(registry_, root, subKey, platform::access::kRead);
  if (!key) return {};
  std::uint32_t type = 0, size = 0;
  if (registry_.queryValueInfo(key.get(), valueName, type, size) != platform::err::kSuccess ||
      type != platform::regtype::kString)
    return {};
  std::string data;
  if (registry_.queryValue(key.get(), valueName, size, type, data) != platform::err::kSuccess)
    return {};
  std::size_t nul = data.find('\0');
  return nul == std::string::npos ? data : data.substr(0, nul);
}

void RegistryAccess::deleteValue(platform::HKey root, const std::string& subKey,
                                 const std::string& valueName) {
  OpenKey key(registry_, root, subKey, platform::access::kAll);
  if (key) registry_.deleteValue(key.get(), valueName);
}

void RegistryAccess::createKey(platform::HKey root, const std::string& subKey) {
  platform::HKey key = 0;
  if (registry_.createKey(root, subKey, key) == platform::err::kSuccess) registry_.closeKey(key);
}

void RegistryAccess::deleteRegistryKey(platform::HKey root, const std::string& subKey) {
  registry_.deleteKey(root, subKey);
}

}  // namespace vorn
