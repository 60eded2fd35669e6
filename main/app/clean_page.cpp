#include "main/app/clean_page.h"

namespace vorn {
CleanPage::CleanPage(const PageContext& context)
    : optionTable(context.options), ieCookieFiles("ieCookieFiles", context.services.system.files) {
  const OptionTable& options = context.options;
  const std::pair<ControlArray<ui::CheckBox>*, const char*> names[] = {
      {&ieOptions, "ieOptions"},
      {&netscapeOptions, "netscapeOptions"},
      {&operaOptions, "operaOptions"},
      {&windowsOptions, "windowsOptions"},
      {&userDefinedOptions, "userDefinedOptions"}};
  for (const OptionRow& row : options.rows())
    for (const auto& [array, name] : names)
      if (array == this->options(row.area)) array->emplace_back(name, row.caption);
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
  wire();
}

void CleanPage::wire() {
  Commands& ops = commands;
  auto onToolbar = [](ui::Toolbar& t, const Command& op) {
    t.onButtonClick = [&op](int) { runCommand(op); };
  };
  onToolbar(cleanIEToolbar, ops.cleanIE);
  onToolbar(cleanNetscapeToolbar, ops.cleanNetscape);
  onToolbar(cleanOperaToolbar, ops.cleanOpera);
  onToolbar(cleanWindowsToolbar, ops.cleanWindows);
  onToolbar(cleanUserDefinedToolbar, ops.cleanUserDefined);
  onToolbar(cleanPluginsToolbar, ops.cleanPlugins);
  for (auto& t : cleanAllToolbars) t.onButtonClick = [this](int) { cleanAllButton.click(); };
  cleanAllButton.onClick = [&ops] { runCommand(ops.cleanAll); };
  analyzeAllButton.onClick = [&ops] { runCommand(ops.analyzeAll); };
  const Command* analyzeArea[] = {&ops.analyzeIE,          &ops.analyzeNetscape,
                                  &ops.analyzeOpera,       &ops.analyzeWindows,
                                  &ops.analyzeUserDefined, &ops.analyzePlugins};
  for (int area = 0; area < 6; ++area)
    analyzeButtons[area].onClick = [op = analyzeArea[area]] { runCommand(*op); };

  auto onButton = [](ui::Button& b, const Command& op) { b.onClick = [&op] { runCommand(op); }; };
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

ui::CheckBox& CleanPage::optionBox(int position) {
  ControlArray<ui::CheckBox>* boxes = options(optionTable.row(position).area);
  return boxes->at(static_cast<std::size_t>(optionTable.indexInArea(position)));
}

ControlArray<ui::CheckBox>* CleanPage::options(int areaCode) {
  switch (areaCode) {
    case area::kIE:
      return &ieOptions;
    case area::kNetscape:
      return &netscapeOptions;
    case area::kOpera:
      return &operaOptions;
    case area::kWindows:
      return &windowsOptions;
    case area::kUserDefined:
      return &userDefinedOptions;
    default:
      return nullptr;
  }
}

void CleanPage::setAreaAvailable(int areaCode, bool available) {
  struct Area {
    int code;
    ui::Toolbar& clean;
    ui::Label& missing;
  };
  for (Area a : {Area{area::kIE, cleanIEToolbar, ieMissingLabel},
                 Area{area::kNetscape, cleanNetscapeToolbar, netscapeMissingLabel},
                 Area{area::kOpera, cleanOperaToolbar, operaMissingLabel}}) {
    if (a.code != areaCode) continue;
    for (auto& b : *options(areaCode)) b.setEnabled(available);
    a.clean.setEnabled(available);
    a.missing.setVisible(!available);
  }
}

void CleanPage::setFolderFound(std::string_view role, bool found) {
  for (int k = 0; k < optionTable.size(); ++k)
    if (role == optionTable.row(k).needs) optionBox(k).setEnabled(found);
}

}  // namespace vorn
