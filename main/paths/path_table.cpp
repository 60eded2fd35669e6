#include "main/paths/path_table.h"

#include "common/run_error.h"
#include "main/clean/option_table.h"
#include "platform/shell.h"

namespace vorn {

const std::vector<PathRow>& pathRows() {
  using D = Detection;
  using P = PathValues;
  using B = PathsPage;
  namespace c = platform::csidl;
  static const std::vector<PathRow> rows = {
      {"ieHistoryFolder",
       area::kIE,
       "IE1",
       &P::ieHistoryFolder,
       &B::ieHistoryFolderBox,
       {D::StandardFolder, c::kHistory},
       &B::browseIEHistoryButton},
      {"ieCacheFolder",
       area::kIE,
       "IE2",
       &P::ieCacheFolder,
       &B::ieCacheFolderBox,
       {D::StandardFolder, c::kInternetCache},
       &B::browseIECacheButton},
      {"ieCookiesFolder",
       area::kIE,
       "IE3",
       &P::ieCookiesFolder,
       &B::ieCookiesFolderBox,
       {D::StandardFolder, c::kCookies},
       &B::browseIECookiesButton},
      {"ieCacheContentFolder",
       area::kIE,
       "IE4",
       &P::ieCacheContentFolder,
       nullptr,
       {D::BelowKnownFolder, c::kInternetCache, "\\Content.ie5\\"}},
      {"netscapeUsersFolder",
       area::kNetscape,
       "Netscape1A",
       &P::netscapeUsersFolder,
       &B::netscapeProfileFolderBox,
       {D::ProgramFolder, 0, "Netscape\\Users\\"},
       &B::browseNetscapeProfileButton},
      {"netscapeUserIndex", area::kNetscape, "Netscape1B", &P::netscapeUserIndex, nullptr, {}},
      {"netscapeUserName", area::kNetscape, "Netscape1C", &P::netscapeUserName, nullptr, {}},
      {"netscapeCacheFolder",
       area::kNetscape,
       "Netscape2",
       &P::netscapeCacheFolder,
       &B::netscapeCacheFolderBox,
       {D::BelowRole, 0, "Cache\\", "netscapeUsersFolder", true},
       &B::browseNetscapeCacheButton},
      {"operaUserFolder",
       area::kOpera,
       "Opera1",
       &P::operaUserFolder,
       &B::operaUserFolderBox,
       {D::ProgramFolder, 0, "Opera\\"},
       &B::browseOperaUserButton},
      {"operaCacheFolder",
       area::kOpera,
       "Opera2",
       &P::operaCacheFolder,
       &B::operaCacheFolderBox,
       {D::BelowRole, 0, "Cache4\\", "operaUserFolder"},
       &B::browseOperaCacheButton},
      {"docHistoryFolder",
       area::kWindows,
       "Win1",
       &P::docHistoryFolder,
       &B::windowsDocHistoryFolderBox,
       {D::StandardFolder, c::kRecent},
       &B::browseWindowsDocHistoryButton,
       "Windows Document History path does not exist"},
      {"windowsTempFolder",
       area::kWindows,
       "Win2",
       &P::windowsTempFolder,
       &B::windowsTempFolderBox,
       {D::BelowWindows, 0, "Temp\\"},
       &B::browseWindowsTempButton,
       "Windows Temporary Files path does not exist"},
      {"downloadedProgramFilesFolder",
       area::kWindows,
       "Win3",
       &P::downloadedProgramFilesFolder,
       &B::windowsDownloadedFolderBox,
       {D::BelowWindows, 0, "Downloaded Program Files\\"},
       &B::browseWindowsDownloadedButton,
       "Windows Downloaded path does not exist"},
  };
  return rows;
}

const std::vector<PathArea>& pathAreas() {
  static const std::vector<PathArea> areas = {
      {area::kIE, "", false, &PathValues::ieAvailable},
      {area::kNetscape, "Command11Child8", true, &PathValues::netscapeAvailable},
      {area::kOpera, "", true, &PathValues::operaAvailable},
      {area::kWindows, "", true, nullptr},
  };
  return areas;
}

const PathRow& pathRow(std::string_view role) {
  for (const PathRow& r : pathRows())
    if (role == r.role) return r;
  common::raise(common::errnum::kSubscript);
}

const PathArea& pathArea(int areaCode) {
  for (const PathArea& a : pathAreas())
    if (a.area == areaCode) return a;
  common::raise(common::errnum::kSubscript);
}

}  // namespace vorn
