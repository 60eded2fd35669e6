#include "main/app/page_view_win32.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/file_list_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/list_box_binding.h"
#include "ui/win32/option_button_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

void pathRow(PageControls& c, HWND tab, int y, const char* caption, ui::TextBox& box,
             ui::Button* browse) {
  createCaption(tab, caption, {14, y, 400, 16});
  c.anchor(c.add<TextBoxBinding>(tab, box, {14, y + 18, 520, 22}).hwnd(), Anchors::kWider);
  if (browse)
    c.anchor(c.add<ButtonBinding>(tab, *browse, {540, y + 18, 40, 22}).hwnd(), Anchors::kRight);
}

}  // namespace

void buildPageView(PageViewSite& site, PathsPage& m) {
  PageControls& c = site.controls;
  HWND page = site.panel;
  auto& strip = c.addTabStrip(page, m.areaTabs, {8, 6, 604, 392});
  const auto& tabs = strip.pages();
  c.anchor(strip.hwnd(), Anchors::kGrow);
  for (HWND tab : tabs) c.anchor(tab, Anchors::kGrow);
  // Under a browser's or Windows' paths: Detect and Save, and the detect bars at the foot.
  auto commands = [&](HWND tab, ui::Button& detect, ui::Button& save, ui::Toolbar& detectBar,
                      int area) {
    c.add<ButtonBinding>(tab, detect, {14, 164, 100, 26});
    c.add<ButtonBinding>(tab, save, {122, 164, 100, 26});
    c.anchor(c.addToolbar(tab, detectBar, {14, 318, 150, 30}).hwnd(), Anchors::kDown);
    c.anchor(c.addToolbar(tab, m.detectAllToolbars[area], {170, 318, 180, 30}).hwnd(),
             Anchors::kDown);
  };

  HWND ie = tabs[kIE];
  pathRow(c, ie, 12, "Internet Explorer Hi&story", m.ieHistoryFolderBox, &m.browseIEHistoryButton);
  pathRow(c, ie, 60, "Internet Explorer Cach&e", m.ieCacheFolderBox, &m.browseIECacheButton);
  pathRow(c, ie, 108, "Internet Explorer Coo&kies", m.ieCookiesFolderBox, &m.browseIECookiesButton);
  commands(ie, m.detectIEButton, m.saveIEButton, m.detectIEToolbar, kIE);

  HWND ns = tabs[kNetscape];
  pathRow(c, ns, 12, "Netscape Profile Di&rectory", m.netscapeProfileFolderBox,
          &m.browseNetscapeProfileButton);
  createCaption(ns, "&User", {14, 60, 200, 16});
  c.add<ComboBoxBinding>(ns, m.netscapeUserBox, {14, 78, 250, 200}, true);
  pathRow(c, ns, 108, "Netscape Cach&e", m.netscapeCacheFolderBox, &m.browseNetscapeCacheButton);
  commands(ns, m.detectNetscapeButton, m.saveNetscapeButton, m.detectNetscapeToolbar, kNetscape);

  HWND op = tabs[kOpera];
  pathRow(c, op, 12, "Opera &User Directory", m.operaUserFolderBox, &m.browseOperaUserButton);
  pathRow(c, op, 60, "Opera Cach&e", m.operaCacheFolderBox, &m.browseOperaCacheButton);
  commands(op, m.detectOperaButton, m.saveOperaButton, m.detectOperaToolbar, kOpera);

  HWND win = tabs[kWindows];
  pathRow(c, win, 12, "Windows Document Hi&story", m.windowsDocHistoryFolderBox,
          &m.browseWindowsDocHistoryButton);
  pathRow(c, win, 60, "Windows Temporary &Files", m.windowsTempFolderBox,
          &m.browseWindowsTempButton);
  pathRow(c, win, 108, "Down&loaded Program Files Directory", m.windowsDownloadedFolderBox,
          &m.browseWindowsDownloadedButton);
  commands(win, m.detectWindowsButton, m.saveWindowsButton, m.detectWindowsToolbar, kWindows);

  HWND ud = tabs[kUserDef];
  // Taller lists in a taller window; what is under them keeps to the foot.
  constexpr unsigned kFoot = Anchors::kDown;
  c.anchor(createFrame(ud, "User.def Fi&les", {8, 4, 282, 306}), Anchors::kTaller);
  c.add<ComboBoxBinding>(ud, m.userListBox, {20, 24, 258, 200});
  c.anchor(c.add<ListBoxBinding>(ud, m.userEntriesList, {20, 54, 258, 214}).hwnd(),
           Anchors::kTaller);
  c.add<LabelBinding>(ud, m.noActiveListLabel, {20, 58, 258, 60});
  c.anchor(c.add<ButtonBinding>(ud, m.saveUserListButton, {20, 274, 80, 26}).hwnd(), kFoot);
  c.anchor(c.add<ButtonBinding>(ud, m.removeUserEntryButton, {108, 274, 80, 26}).hwnd(), kFoot);
  c.anchor(createFrame(ud, "All Fil&es", {298, 4, 290, 306}), Anchors::kTaller);
  c.add<ComboBoxBinding>(ud, m.driveBox, {310, 24, 130, 200});
  c.add<TextBoxBinding>(ud, m.patternBox, {448, 24, 128, 22});
  c.anchor(c.add<ListBoxBinding>(ud, m.folderList, {310, 54, 130, 148}).hwnd(), Anchors::kTaller);
  c.anchor(c.add<FileListBinding>(ud, m.pickerFiles, {448, 54, 128, 148}).hwnd(), Anchors::kTaller);
  for (int mode = 0; mode < 3; ++mode)
    c.anchor(c.add<OptionButtonBinding>(ud, m.removalModes[mode], {310, 208 + mode * 20, 266, 20})
                 .hwnd(),
             kFoot);
  c.anchor(c.add<ButtonBinding>(ud, m.addUserEntryButton, {310, 274, 80, 26}).hwnd(), kFoot);
  c.anchor(c.addToolbar(ud, m.addUserDefinedToolbar, {14, 318, 100, 30}).hwnd(), kFoot);
  c.anchor(c.addToolbar(ud, m.removeUserDefinedToolbar, {120, 318, 110, 30}).hwnd(), kFoot);

  HWND pl = tabs[kPlugins];
  createCaption(pl, "&Available Plugins", {14, 12, 280, 16});
  c.anchor(c.add<ListBoxBinding>(pl, m.availablePluginsList, {14, 30, 280, 200}).hwnd(),
           Anchors::kTaller);
  createCaption(pl, "Path (T&ervane)", {310, 12, 270, 16});
  c.add<TextBoxBinding>(pl, m.pluginFolderBox, {310, 30, 270, 22});
  createCaption(pl, "Create your own Plugins:", {310, 70, 270, 16});
  c.add<ButtonBinding>(pl, m.startPluginCreatorButton, {310, 88, 160, 26});
  c.add<LabelBinding>(pl, m.pluginCreatorMissingLabel, {310, 120, 270, 32});
}

}  // namespace vorn
