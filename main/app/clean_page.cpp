#include "main/app/clean_page.h"

namespace vorn {
namespace {

const char* const kIECaptions[] = {
    "Internet E&xplorer Cache (Using Control Panel)",
    "Internet Explorer Hi&story (Using Control Panel)", "Internet Explorer Coo&kies",
    "Internet Explorer Add&ress Bar",
    "&Locked Files (will be cleaned the next time you restart windows)"};
const char* const kNetscapeCaptions[] = {"Net&scape Cache", "Netscape H&istory", "Netscape Coo&kies",
                                         "Netscape Add&ress Bar"};
const char* const kOperaCaptions[] = {"Ope&ra Cache", "Opera Hi&story", "Opera Coo&kies",
                                      "Opera A&ddress Bar"};
const char* const kWindowsCaptions[] = {"Windows D&oc History",
                                        "Down&loaded Program Files Directory",
                                        "Windows Temporary &Files Directory",
                                        "R&ecycle Bin",
                                        "*.ch&k, Scandisc Files",
                                        "Windows R&un History",
                                        "Windows Search H&istory",
                                        "Additional &Garbage"};

template <class T, std::size_t N>
void fillBoxes(ControlArray<T>& array, const char* name, const char* const (&captions)[N]) {
  for (std::size_t i = 0; i < N; ++i) array.emplace_back(name, captions[i]);
}

}  // namespace

CleanPage::CleanPage(platform::Files& files) : ieCookieFiles("ieCookieFiles", files) {
  fillBoxes(ieOptions, "ieOptions", kIECaptions);
  fillBoxes(netscapeOptions, "netscapeOptions", kNetscapeCaptions);
  fillBoxes(operaOptions, "operaOptions", kOperaCaptions);
  fillBoxes(windowsOptions, "windowsOptions", kWindowsCaptions);
  for (int i = 0; i < 4; ++i) userDefinedOptions.emplace_back("userDefinedOptions");
  for (const char* area : kAreaTabCaptions) areaTabs.addTab(area);

  cleanIEToolbar.addButton("", "Clean &IE", 1);
  cleanNetscapeToolbar.addButton("", "Clean &Netscape", 1);
  cleanOperaToolbar.addButton("", "Clean &Opera", 1);
  cleanWindowsToolbar.addButton("", "Clean &Windows", 1);
  cleanUserDefinedToolbar.addButton("", "Clean &User.def", 1);
  cleanPluginsToolbar.addButton("", "Clean Plu&gins", 1);
  for (int i = 0; i < 6; ++i)
    cleanAllToolbars.emplace_back("cleanAllToolbar").addButton("", "Clean All", 2);
  for (int i = 0; i < 6; ++i) analyzeButtons.emplace_back("analyzeButton", "Anal&yze");
  windowsPathsMissingLabel.setVisible(false);  // shown by the path checks when one is missing
}

void CleanPage::wire(MainWindowOperations& ops) {
  auto onToolbar = [](ui::Toolbar& t, const MainWindowOperations::Op& op) {
    t.onButtonClick = [&op](int) { runOp(op); };
  };
  onToolbar(cleanIEToolbar, ops.cleanIE);
  onToolbar(cleanNetscapeToolbar, ops.cleanNetscape);
  onToolbar(cleanOperaToolbar, ops.cleanOpera);
  onToolbar(cleanWindowsToolbar, ops.cleanWindows);
  onToolbar(cleanUserDefinedToolbar, ops.cleanUserDefined);
  onToolbar(cleanPluginsToolbar, ops.cleanPlugins);
  for (auto& t : cleanAllToolbars) t.onButtonClick = [this](int) { cleanAllButton.click(); };
  cleanAllButton.onClick = [&ops] { runOp(ops.cleanAll); };
  analyzeAllButton.onClick = [&ops] { runOp(ops.analyzeAll); };
  const MainWindowOperations::Op* analyzeArea[] = {&ops.analyzeIE,          &ops.analyzeNetscape,
                                                   &ops.analyzeOpera,       &ops.analyzeWindows,
                                                   &ops.analyzeUserDefined, &ops.analyzePlugins};
  for (int area = 0; area < 6; ++area)
    analyzeButtons[area].onClick = [op = analyzeArea[area]] { runOp(*op); };

  auto onButton = [](ui::Button& b, const MainWindowOperations::Op& op) {
    b.onClick = [&op] { runOp(op); };
  };
  onButton(userDefinedListsButton, ops.editUserDefinedLists);
  onButton(pluginInfoButton, ops.showPluginInfo);
  // "Plugin Info" tells about the highlighted plugin: without one it has nothing to show.
  pluginInfoButton.setEnabled(false);
  pluginList.onClick = [this] { pluginInfoButton.setEnabled(pluginList.listIndex() >= 0); };
  onButton(viewIECacheButton, ops.viewIECache);
  onButton(viewNetscapeCacheButton, ops.viewNetscapeCache);
  onButton(viewOperaCacheButton, ops.viewOperaCache);
  onButton(viewIECookiesButton, ops.viewIECookies);
  onButton(viewNetscapeCookiesButton, ops.viewNetscapeCookies);
  onButton(viewIEUrlsButton, ops.viewIEUrls);
  onButton(viewNetscapeUrlsButton, ops.viewNetscapeUrls);
  onButton(viewRunHistoryButton, ops.viewRunHistory);
  onButton(viewSearchHistoryButton, ops.viewSearchHistory);
  onButton(viewDocHistoryButton, ops.viewDocHistory);
}

ui::CheckBox& CleanPage::optionBox(int index) {
  if (index < 5) return ieOptions.at(index);
  if (index < 9) return netscapeOptions.at(index - 5);
  if (index < 13) return operaOptions.at(index - 9);
  if (index < 21) return windowsOptions.at(index - 13);
  return userDefinedOptions.at(index - 21);
}

void CleanPage::disableIE() {
  for (auto& b : ieOptions) b.setEnabled(false);
  cleanIEToolbar.setEnabled(false);
  ieMissingLabel.setVisible(true);
}
void CleanPage::enableIE() {
  for (auto& b : ieOptions) b.setEnabled(true);
  cleanIEToolbar.setEnabled(true);
  ieMissingLabel.setVisible(false);
}
void CleanPage::disableNetscape() {
  for (auto& b : netscapeOptions) b.setEnabled(false);
  cleanNetscapeToolbar.setEnabled(false);
  netscapeMissingLabel.setVisible(true);
}
void CleanPage::enableNetscape() {
  for (auto& b : netscapeOptions) b.setEnabled(true);
  cleanNetscapeToolbar.setEnabled(true);
  netscapeMissingLabel.setVisible(false);
}
void CleanPage::disableOpera() {
  for (auto& b : operaOptions) b.setEnabled(false);
  cleanOperaToolbar.setEnabled(false);
  operaMissingLabel.setVisible(true);
}
void CleanPage::enableOpera() {
  for (auto& b : operaOptions) b.setEnabled(true);
  cleanOperaToolbar.setEnabled(true);
  operaMissingLabel.setVisible(false);
}
void CleanPage::disableWinTemp() {
  windowsOptions[2].setEnabled(false);
}
void CleanPage::enableWinTemp() {
  windowsOptions[2].setEnabled(true);
}
void CleanPage::disableWinDownloaded() {
  windowsOptions[1].setEnabled(false);
}
void CleanPage::enableWinDownloaded() {
  windowsOptions[1].setEnabled(true);
}

}  // namespace vorn
