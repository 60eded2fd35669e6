#include "main/paths/protected_folders.h"

#include <cctype>
#include <vector>

#include "common/run_error.h"

namespace vorn {
namespace {

// The system's own folders, by their standard-folder numbers: Windows, system (and its
// 32-bit twin), program files (and the 32-bit one), the user's profile.
constexpr int kSystemFolders[] = {0x24, 0x25, 0x29, 0x26, 0x2A, 0x28};

// A full path as upper-case parts: the root ("C:" or "\\SERVER\SHARE") first, then each
// folder, with ".", ".." and empty parts resolved. Empty for a path that is no full path.
std::vector<std::string> parts(const std::string& path) {
  std::string text;
  for (char c : path)
    text += static_cast<char>(std::toupper(static_cast<unsigned char>(c == '/' ? '\\' : c)));
  std::vector<std::string> raw;
  std::string current;
  for (char c : text) {
    if (c == '\\') {
      raw.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  raw.push_back(current);

  std::vector<std::string> out;
  std::size_t next = 0;
  if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
      raw[0].size() == 2 && (text.size() == 2 || text[2] == '\\')) {
    out.push_back(raw[0]);
    next = 1;
  } else if (text.rfind("\\\\", 0) == 0 && raw.size() >= 4 && !raw[2].empty() && !raw[3].empty()) {
    out.push_back("\\\\" + raw[2] + "\\" + raw[3]);
    next = 4;
  } else {
    return {};
  }
  for (; next < raw.size(); ++next) {
    const std::string& p = raw[next];
    if (p.empty() || p == ".") continue;
    if (p == "..") {
      if (out.size() > 1) out.pop_back();
      continue;
    }
    out.push_back(p);
  }
  return out;
}

// `folder` is `system` or holds it.
bool holds(const std::vector<std::string>& folder, const std::vector<std::string>& system) {
  if (folder.empty() || system.empty() || folder.size() > system.size()) return false;
  for (std::size_t i = 0; i < folder.size(); ++i)
    if (folder[i] != system[i]) return false;
  return true;
}

}  // namespace

bool isProtectedFolder(platform::System& system, const std::string& folder) {
  const std::vector<std::string> asked = parts(folder);
  if (asked.size() <= 1) return true;  // a drive root, a share, or no full path
  platform::FileId askedId;
  const bool identified = system.identity.identify(folder, askedId) == platform::err::kSuccess;
  for (int csidl : kSystemFolders) {
    std::string known;
    if (system.shell.knownFolder(csidl, known) != platform::err::kSuccess || known.empty())
      continue;
    const std::vector<std::string> own = parts(known);
    if (holds(asked, own)) return true;
    if (!identified) continue;
    // Another spelling of the folder or of one that holds it (a short name, a link).
    std::string path = own.empty() ? std::string() : own[0];
    for (std::size_t i = 1; i < own.size(); ++i) {
      path += "\\" + own[i];
      platform::FileId id;
      if (system.identity.identify(path, id) == platform::err::kSuccess && id == askedId)
        return true;
    }
  }
  return false;
}

std::string systemFolderMessage(const std::string& folder) {
  return folder + " is a system folder and cannot be cleaned";
}

void requireCleanableFolder(platform::System& system, const std::string& folder) {
  if (isProtectedFolder(system, folder))
    throw common::RunError(common::errnum::kPathFileAccess, systemFolderMessage(folder));
}

}  // namespace vorn
