#include "platform/fake/fake_viewer_services.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::fake {
namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace

std::string FakeLocale::shortDate(const LocalTime& d) {
  // GetDateFormatA takes years 1601 to 30827.
  if (d.year < 1601 || d.year > 30827 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31)
    return {};
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
  return text;
}

FakeShellFileInfo::FakeShellFileInfo(Files& files)
    : types{{"exe", "Application"}, {"lnk", "Shortcut"}, {"txt", "Text Document"},
            {"htm", "HTML Document"}, {"html", "HTML Document"}, {"gif", "GIF Image"},
            {"jpg", "JPEG Image"}, {"dat", "DAT File"}},
      files_(files) {}

bool FakeShellFileInfo::describe(const std::string& path, ShellFileDescription& d) {
  ++describeCalls;
  d = {};
  std::uint32_t attributes = 0;
  if (files_.getAttributes(path, attributes) != err::kSuccess) return false;
  const std::size_t slash = path.find_last_of('\\');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  d.displayName = name;
  if (attributes & attr::kDirectory) {
    d.typeName = "File Folder";
  } else {
    const std::size_t dot = name.find_last_of('.');
    const std::string ext = dot == std::string::npos ? "" : lower(name.substr(dot + 1));
    auto known = types.find(ext);
    d.typeName = known != types.end() ? known->second : ext.empty() ? "File" : upper(ext) + " File";
  }
  const std::string iconKey = d.typeName == "Application" ? lower(path) : d.typeName;
  auto icon = icons_.find(iconKey);
  if (icon == icons_.end()) icon = icons_.emplace(iconKey, static_cast<int>(icons_.size())).first;
  d.smallIcon = icon->second;
  return true;
}

bool FakeShellFileInfo::isWindowsExecutable(const std::string& path) {
  std::uint32_t attributes = 0;
  if (files_.getAttributes(path, attributes) != err::kSuccess || (attributes & attr::kDirectory))
    return false;
  if (lower(path).size() < 4 || lower(path).substr(lower(path).size() - 4) != ".exe") return false;
  return std::find(dosPrograms.begin(), dosPrograms.end(), lower(path)) == dosPrograms.end();
}

}  // namespace platform::fake
