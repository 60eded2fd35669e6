#include "main/app/page_view_win32.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

void pathRow(PageControls& c, HWND tab, int y, const char* caption, ui::TextBox& box,
             ui::Button* browse) {
  createCaption(tab, caption, {14, y, 400, 16});
  c.add<TextBoxBinding>(tab, box, {14, y + 18, 520, 22});
  if (browse) c.add<ButtonBinding>(tab, *browse, {540, y + 18, 40, 22});
}

}  // namespace

void buildPageView(PageControls& c, HWND page, PathsPage& m) {
  auto& strip = c.addTabStrip(page, m.areaTabs, {8, 6, 604, 392});
  const auto& tabs = strip.pages();
  auto commands = [&](HWND tab, ui::Button& detect, ui::Button& save, int y) {
    c.add<ButtonBinding>(tab, detect, {14, y, 100, 26});
    c.add<ButtonBinding>(tab, save, {122, y, 100, 26});
  };
  auto bars = [&](HWND tab, ui::Toolbar& detect, int area) {
    c.addToolbar(tab, detect, {14, 318, 150, 30});
    c.addToolbar(tab, m.detectAllToolbars[area], {170, 318, 180, 30});
  };

  HWND ie = tabs[kIE];
  pathRow(c, ie, 12, "Internet Explorer History", m.ieHistoryFolderBox, &m.browseIEHistoryButton);
  pathRow(c, ie, 60, "Internet Explorer Cache", m.ieCacheFolderBox, &m.browseIECacheButton);
  pathRow(c, ie, 108, "Internet Explorer Cookies", m.ieCookiesFolderBox, &m.browseIECookiesButton);
  commands(ie, m.detectIEButton, m.saveIEButton, 164);
  bars(ie, m.detectIEToolbar, kIE);

  HWND ns = tabs[kNetscape];
  pathRow(c, ns, 12, "Netscape Profile Directory", m.netscapeProfileFolderBox,
          &m.browseNetscapeProfileButton);
  createCaption(ns, "User", {14, 60, 200, 16});
  c.add<ComboBoxBinding>(ns, m.netscapeUserBox, {14, 78, 250, 200}, true);
  pathRow(c, ns, 108, "Netscape Cache", m.netscapeCacheFolderBox, &m.browseNetscapeCacheButton);
  commands(ns, m.detectNetscapeButton, m.saveNetscapeButton, 164);
  bars(ns, m.detectNetscapeToolbar, kNetscape);

  HWND op = tabs[kOpera];
  pathRow(c, op, 12, "Opera User Directory", m.operaUserFolderBox, &m.browseOperaUserButton);
  pathRow(c, op, 60, "Opera Cache", m.operaCacheFolderBox, &m.browseOperaCacheButton);
  commands(op, m.detectOperaButton, m.saveOperaButton, 164);
  bars(op, m.detectOperaToolbar, kOpera);

  HWND win = tabs[kWindows];
  pathRow(c, win, 12, "Windows Document History", m.windowsDocHistoryFolderBox,
          &m.browseWindowsDocHistoryButton);
  pathRow(c, win, 60, "Windows Temporary Files", m.windowsTempFolderBox,
          &m.browseWindowsTempButton);
  pathRow(c, win, 108, "Downloaded Program Files Directory", m.windowsDownloadedFolderBox,
          &m.browseWindowsDownloadedButton);
  commands(win, m.detectWindowsButton, m.saveWindowsButton, 164);
  bars(win, m.detectWindowsToolbar, kWindows);

  HWND ud = tabs[kUserDef];
  c.addToolbar(ud, m.addUserDefinedToolbar, {14, 318, 100, 30});
  c.addToolbar(ud, m.removeUserDefinedToolbar, {120, 318, 110, 30});
}

}  // namespace vorn
