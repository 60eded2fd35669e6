#include "main/app/maintenance_page.h"

#include <string>

#include "common/error_trap.h"

namespace vorn {

MaintenancePage::MaintenancePage(const PageContext& context) {
  for (int i = 0; i < 5; ++i) {
    userDefinedActiveBoxes.emplace_back("userDefinedActiveBox", "Activate");
    userDefinedNameBoxes.emplace_back("userDefinedNameBox");
  }
  safetyLevelSlider.setRange(1, 5);
  safetyLevelSlider.setValue(1);

  startAutomaticCleaningButton.onClick = [this] { runCommand(commands.startAutomaticCleaning); };
  autoStartBox.onClick = [this] { runCommand(commands.autoStartChanged); };
  safetyLevelSlider.onChange = [this] { runCommand(commands.safetyLevelChanged); };
  searchIndexFilesButton.onClick = [&services = context.services] {
    common::ErrorTrap trap(services.log, "Command29");
    trap.run([&] {
      std::uint32_t id = 0;
      common::check(services.system.processes.start(
          "\"" + services.session.programFolder + "\\scoutry.exe\"", platform::show::kNormal, id));
    });
  };
}

void MaintenancePage::fillSchedule() {
  for (const char* c : {"All", "IE", "Netscape", "Opera", "User.def", "Plugins"})
    autoCleanAreaBox.addItem(c);
  for (const char* m : {"0", "2", "15", "30", "45"}) autoMinuteBox.addItem(m);
  for (int d = 0; d <= 30; ++d) autoDayBox.addItem(std::to_string(d));
  for (int h = 0; h <= 23; ++h) autoHourBox.addItem(std::to_string(h));
  for (ui::ComboBox* c : {&autoCleanAreaBox, &autoMinuteBox, &autoDayBox, &autoHourBox})
    c->setListIndex(0);
}

}  // namespace vorn
