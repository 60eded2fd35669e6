#include "platform/win32/win32_viewer_services.h"

#include <windows.h>
// After windows.h, which they build on.
#include <shellapi.h>

#include <vector>

namespace platform::win32 {
namespace {

class Win32Locale : public Locale {
 public:
  std::string thousandsSeparator() override {
    char text[8] = {};
    int got = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text);
    return got > 0 ? std::string(text) : std::string(",");
  }

  std::string shortDate(const LocalTime& d) override {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(d.year);
    st.wMonth = static_cast<WORD>(d.month);
    st.wDay = static_cast<WORD>(d.day);
    if (d.year < 1601 || d.year > 30827) return {};
    char text[80] = {};
    int got = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text);
    return got > 0 ? std::string(text) : std::string();
  }
};

class Win32ShellFileInfo : public ShellFileInfo {
 public:
  bool describe(const std::string& path, ShellFileDescription& d) override {
    d = {};
    SHFILEINFOA info{};
    DWORD_PTR got =
        SHGetFileInfoA(path.c_str(), 0, &info, sizeof info,
                       SHGFI_TYPENAME | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (!got) return false;
    d.typeName = info.szTypeName;
    d.displayName = info.szDisplayName;
    d.smallIcon = info.iIcon;
    return true;
  }

  bool isWindowsExecutable(const std::string& path) override {
    DWORD_PTR type = SHGetFileInfoA(path.c_str(), 0, nullptr, 0, SHGFI_EXETYPE);
    return HIWORD(type) != 0;
  }
};

class Win32ShellOpen : public ShellOpen {
 public:
  ErrorCode open(OwnerWindow owner, const std::string& path) override {
    // No working folder: the program starts where the shell decides.
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        reinterpret_cast<HWND>(owner), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return err::kSuccess;
    switch (result) {
      case 0:
      case SE_ERR_OOM:
        return 8;  // not enough memory
      case SE_ERR_FNF:
        return err::kFileNotFound;
      case SE_ERR_PNF:
        return err::kPathNotFound;
      case SE_ERR_ACCESSDENIED:
        return err::kAccessDenied;
      case SE_ERR_NOASSOC:
      case SE_ERR_ASSOCINCOMPLETE:
        return err::kNoAssociation;
      default:
        return static_cast<ErrorCode>(result);
    }
  }
};

}  // namespace

std::unique_ptr<Locale> makeLocale() {
  return std::make_unique<Win32Locale>();
}
std::unique_ptr<ShellFileInfo> makeShellFileInfo() {
  return std::make_unique<Win32ShellFileInfo>();
}
std::unique_ptr<ShellOpen> makeShellOpen() {
  return std::make_unique<Win32ShellOpen>();
}

}  // namespace platform::win32
