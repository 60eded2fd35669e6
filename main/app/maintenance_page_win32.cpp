#include "main/app/page_view_win32.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

void buildPageView(PageViewSite& site, MaintenancePage& m) {
  PageControls& c = site.controls;
  HWND page = site.panel;
  createFrame(page, "Settings", {8, 4, 300, 232});
  const char* captions[] = {"Cl&ean:", "&Days:", "Hou&rs:", "Min&utes:"};
  ui::ComboBox* combos[] = {&m.autoCleanAreaBox, &m.autoDayBox, &m.autoHourBox, &m.autoMinuteBox};
  for (int i = 0; i < 4; ++i) {
    createCaption(page, captions[i], {22, 30 + i * 30, 70, 16});
    c.add<ComboBoxBinding>(page, *combos[i], {100, 26 + i * 30, i == 0 ? 190 : 80, 240});
  }
  c.add<CheckBoxBinding>(page, m.autoStartBox, {22, 148, 276, 20});
  c.add<CheckBoxBinding>(page, m.closeAfterCleaningBox, {22, 172, 276, 20});
  c.add<ButtonBinding>(page, m.startAutomaticCleaningButton, {22, 200, 180, 26});

  createFrame(page, "Safet&y Level", {316, 4, 296, 112});
  c.addSlider(page, m.safetyLevelSlider, {328, 24, 272, 32});
  c.add<LabelBinding>(page, m.safetyLevelLabel, {330, 62, 270, 46});

  createFrame(page, "Tabs", {316, 122, 296, 114});
  c.add<CheckBoxBinding>(page, m.ieTabBox, {330, 146, 130, 20});
  c.add<CheckBoxBinding>(page, m.netscapeTabBox, {470, 146, 130, 20});
  c.add<CheckBoxBinding>(page, m.operaTabBox, {330, 178, 130, 20});
  c.add<CheckBoxBinding>(page, m.windowsTabBox, {470, 178, 130, 20});

  createFrame(page, "User De&fined", {8, 242, 440, 154});
  // Lists 1 to 4, in the positions their controls carry.
  const int positions[] = {4, 1, 2, 3};
  for (int list = 0; list < 4; ++list) {
    int y = 264 + list * 30;
    c.add<TextBoxBinding>(page, m.userDefinedNameBoxes[positions[list]], {22, y, 300, 22});
    c.add<CheckBoxBinding>(page, m.userDefinedActiveBoxes[positions[list]], {334, y + 1, 100, 20});
  }

  createFrame(page, "Paths", {456, 242, 156, 154});
  c.add<ButtonBinding>(page, m.searchIndexFilesButton, {470, 268, 128, 26});
}

}  // namespace vorn
