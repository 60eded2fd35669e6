#include <memory>
#include <vector>

#include "main/app/page_view_win32.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/check_list_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/progress_bar_binding.h"

namespace vorn {

using namespace ui::win32;

void buildPageView(PageViewSite& site, CleanPage& m) {
  PageControls& c = site.controls;
  HWND page = site.panel;
  auto& strip = c.addTabStrip(page, m.areaTabs, {8, 6, 604, 338});
  const auto& tabs = strip.pages();
  // A larger window: the tabs grow, the View buttons keep to the right and the actions
  // to the foot.
  c.anchor(strip.hwnd(), Anchors::kGrow);
  for (HWND tab : tabs) c.anchor(tab, Anchors::kGrow);

  // An area's options in the table's order, each in its column from the tab's top. A tab
  // with a second column halves the width; its View frame goes beneath the boxes.
  auto boxes = [&](HWND tab, int areaCode) {
    const OptionTable& table = m.optionTable;
    bool twoColumns = false;
    for (const OptionRow& row : table.rows()) twoColumns |= row.area == areaCode && row.column > 0;
    const int width = twoColumns ? 280 : 410;
    int rows[2] = {0, 0};
    for (int k = 0; k < table.size(); ++k) {
      const OptionRow& row = table.row(k);
      if (row.area != areaCode) continue;
      const int column = row.column > 0 ? 1 : 0;
      c.add<CheckBoxBinding>(tab, m.optionBox(k),
                             {14 + column * 286, 14 + rows[column]++ * 24, width, 20});
    }
  };
  auto viewFrame = [&](HWND tab, std::initializer_list<ui::Button*> buttons) {
    c.anchor(createFrame(tab, "View", {440, 8, 144, 28 + 30 * static_cast<int>(buttons.size())}),
             Anchors::kRight);
    int y = 28;
    for (ui::Button* b : buttons) {
      c.anchor(c.add<ButtonBinding>(tab, *b, {452, y, 120, 24}).hwnd(), Anchors::kRight);
      y += 30;
    }
  };
  auto notice = [&](HWND tab, ui::Label& label) {
    HWND shown = c.add<LabelBinding>(tab, label, {14, 230, 560, 18}).hwnd();
    c.markNotice(shown);
    c.anchor(shown, Anchors::kDown | Anchors::kWider);
  };
  auto actions = [&](HWND tab, ui::Toolbar& clean, int area) {
    c.anchor(c.addToolbar(tab, clean, {14, 268, 190, 30}).hwnd(), Anchors::kDown);
    c.anchor(c.addToolbar(tab, m.cleanAllToolbars[area], {210, 268, 150, 30}).hwnd(),
             Anchors::kDown);
    c.anchor(c.add<ButtonBinding>(tab, m.analyzeButtons[area], {366, 270, 96, 26}).hwnd(),
             Anchors::kDown);
  };

  // Each area tab's controls are made when the tab is first shown: making all six took
  // much of the program's start.
  auto buildTab = [=, &c, &m](int tab) {
    HWND panel = tabs[static_cast<std::size_t>(tab)];
    switch (tab) {
      case kIE:
        boxes(panel, area::kIE);
        viewFrame(panel, {&m.viewIECacheButton, &m.viewIECookiesButton, &m.viewIEUrlsButton});
        notice(panel, m.ieMissingLabel);
        return actions(panel, m.cleanIEToolbar, kIE);
      case kNetscape:
        boxes(panel, area::kNetscape);
        viewFrame(panel, {&m.viewNetscapeCacheButton, &m.viewNetscapeCookiesButton,
                          &m.viewNetscapeUrlsButton});
        notice(panel, m.netscapeMissingLabel);
        return actions(panel, m.cleanNetscapeToolbar, kNetscape);
      case kOpera:
        boxes(panel, area::kOpera);
        viewFrame(panel, {&m.viewOperaCacheButton});
        notice(panel, m.operaMissingLabel);
        return actions(panel, m.cleanOperaToolbar, kOpera);
      case kWindows:
        boxes(panel, area::kWindows);
        // The two columns of options take the width, so the View frame goes beneath them.
        createFrame(panel, "View", {14, 116, 422, 60});
        c.add<ButtonBinding>(panel, m.viewRunHistoryButton, {26, 138, 124, 24});
        c.add<ButtonBinding>(panel, m.viewSearchHistoryButton, {162, 138, 124, 24});
        c.add<ButtonBinding>(panel, m.viewDocHistoryButton, {298, 138, 124, 24});
        notice(panel, m.windowsPathsMissingLabel);
        return actions(panel, m.cleanWindowsToolbar, kWindows);
      case kUserDef:
        boxes(panel, area::kUserDefined);
        c.anchor(c.add<ButtonBinding>(panel, m.userDefinedListsButton, {452, 14, 120, 24}).hwnd(),
                 Anchors::kRight);
        return actions(panel, m.cleanUserDefinedToolbar, kUserDef);
      case kPlugins:
        c.anchor(createFrame(panel, "C&lean", {8, 8, 420, 124}), Anchors::kWider);
        c.anchor(c.add<CheckListBoxBinding>(panel, m.pluginList, {20, 28, 396, 96}).hwnd(),
                 Anchors::kWider);
        c.anchor(createFrame(panel, "&winapp2.ini", {8, 136, 420, 124}), Anchors::kGrow);
        c.anchor(c.add<CheckListBoxBinding>(panel, m.ruleList, {20, 156, 396, 96}).hwnd(),
                 Anchors::kGrow);
        viewFrame(panel, {&m.pluginInfoButton});
        return actions(panel, m.cleanPluginsToolbar, kPlugins);
    }
  };
  auto built = std::make_shared<std::vector<bool>>(tabs.size(), false);
  strip.beforeShow = [buildTab, built, &c](int tab) {
    const auto at = static_cast<std::size_t>(tab);
    if (tab < 0 || at >= built->size() || (*built)[at]) return;
    (*built)[at] = true;
    buildTab(tab);
    if (c.placeLateControls) c.placeLateControls();
  };
  strip.beforeShow(m.areaTabs.tab());

  c.anchor(c.add<ProgressBarBinding>(page, m.progressBar, {8, 358, 338, 20}).hwnd(),
           Anchors::kDown | Anchors::kWider);
  c.anchor(c.add<ButtonBinding>(page, m.analyzeAllButton, {356, 354, 124, 28}).hwnd(),
           Anchors::kDown | Anchors::kRight);
  c.anchor(c.add<ButtonBinding>(page, m.cleanAllButton, {488, 354, 124, 28}).hwnd(),
           Anchors::kDown | Anchors::kRight);
}

}  // namespace vorn
