#pragma once
// The Maintenance page of the main window: the automatic-cleaning schedule, start-up and
// close options, the safety level, which area tabs are shown, the names of the
// user-defined lists and the search for hidden and locked index files.
#include "main/app/app_services.h"
#include "main/app/area_tabs.h"
#include "main/app/main_page.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/label.h"
#include "ui/slider.h"
#include "ui/text_box.h"

namespace vorn {

class MaintenancePage {
 public:
  static constexpr PageNavigation kNavigation{"3a", "&Maintenance", "Maintenance"};

  explicit MaintenancePage(const PageContext& context);
  MaintenancePage(const MaintenancePage&) = delete;

  // What the buttons run, filled by the subsystems that do the work.
  struct Commands {
    Command startAutomaticCleaning;
    Command autoStartChanged;    // the auto-start entry follows its box
    Command safetyLevelChanged;  // the safety level slider moved
  } commands;

  // The schedule's choices, each at its first.
  void fillSchedule();

  ui::ComboBox autoCleanAreaBox{"autoCleanAreaBox"}, autoDayBox{"autoDayBox"},
      autoHourBox{"autoHourBox"}, autoMinuteBox{"autoMinuteBox"};
  ui::CheckBox autoStartBox{"autoStartBox", "&Auto-Start on Windows Startup"};
  ui::CheckBox closeAfterCleaningBox{"closeAfterCleaningBox", "C&lose application after cleaning"};
  ui::Button startAutomaticCleaningButton{"startAutomaticCleaningButton",
                                          "&Start Automatic Cleaning"};
  ui::Slider safetyLevelSlider{"safetyLevelSlider"};
  ui::Label safetyLevelLabel{"safetyLevelLabel"};
  ui::CheckBox ieTabBox{"ieTabBox", "&Internet Explorer"},
      netscapeTabBox{"netscapeTabBox", "&Netscape"}, operaTabBox{"operaTabBox", "&Opera"},
      windowsTabBox{"windowsTabBox", "&Windows"};
  // User-defined list 1..4 sits at position 4, 1, 2, 3; position 0 is not shown.
  static constexpr int kUserDefinedPosition[4] = {4, 1, 2, 3};
  ControlArray<ui::CheckBox> userDefinedActiveBoxes;
  ControlArray<ui::TextBox> userDefinedNameBoxes;
  ui::Button searchIndexFilesButton{"searchIndexFilesButton", "Hidden + Loc&ked"};
};

void buildPageView(PageViewSite& site, MaintenancePage& page);

}  // namespace vorn
