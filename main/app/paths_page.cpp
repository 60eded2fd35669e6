#include "main/app/paths_page.h"

#include "common/error_trap.h"

namespace vorn {

PathsPage::PathsPage() {
  for (const char* area : kAreaTabCaptions) areaTabs.addTab(area);
  for (ui::Toolbar* t :
       {&detectIEToolbar, &detectNetscapeToolbar, &detectOperaToolbar, &detectWindowsToolbar})
    t->addButton("", "Auto-detect", 3);
  for (int i = 0; i < 4; ++i)
    detectAllToolbars.emplace_back("detectAllToolbar").addButton("", "Auto-detect All", 3);
  addUserDefinedToolbar.addButton("", "Add", 4);
  removeUserDefinedToolbar.addButton("", "Remove", 5);
  netscapeUserBox.setCaption("User");
}

void PathsPage::wire(MainWindowOperations& ops, common::SessionLog& log) {
  // Each area's toolbar runs the area's detection, then its save.
  auto detectThenSave = [](ui::Toolbar& t, const MainWindowOperations::Op& detect,
                           const MainWindowOperations::Op& save) {
    t.onButtonClick = [&detect, &save](int) {
      runOp(detect);
      runOp(save);
    };
  };
  detectThenSave(detectIEToolbar, ops.detectIEPaths, ops.saveIEPaths);
  detectThenSave(detectNetscapeToolbar, ops.detectNetscapePaths, ops.saveNetscapePaths);
  detectThenSave(detectOperaToolbar, ops.detectOperaPaths, ops.saveOperaPaths);
  detectThenSave(detectWindowsToolbar, ops.detectWindowsPaths, ops.saveWindowsPaths);
  for (auto& t : detectAllToolbars) {
    t.onButtonClick = [&ops, &log](int) {
      common::ErrorTrap trap(log, "Toolbar2Button");
      // All detections first, then all saves.
      for (const MainWindowOperations::Op* op :
           {&ops.detectIEPaths, &ops.detectWindowsPaths, &ops.detectNetscapePaths,
            &ops.detectOperaPaths, &ops.saveIEPaths, &ops.saveNetscapePaths, &ops.saveOperaPaths,
            &ops.saveWindowsPaths})
        trap.runStep([op] { runOp(*op); });
    };
  }
  addUserDefinedToolbar.onButtonClick = [&ops](int) { runOp(ops.addUserDefinedList); };
  removeUserDefinedToolbar.onButtonClick = [&ops](int) { runOp(ops.removeUserDefinedList); };

  auto onButton = [](ui::Button& b, const MainWindowOperations::Op& op) {
    b.onClick = [&op] { runOp(op); };
  };
  onButton(detectIEButton, ops.detectIEPaths);
  onButton(saveIEButton, ops.saveIEPaths);
  onButton(detectNetscapeButton, ops.detectNetscapePaths);
  onButton(saveNetscapeButton, ops.saveNetscapePaths);
  onButton(detectOperaButton, ops.detectOperaPaths);
  onButton(saveOperaButton, ops.saveOperaPaths);
  onButton(detectWindowsButton, ops.detectWindowsPaths);
  onButton(saveWindowsButton, ops.saveWindowsPaths);
}

}  // namespace vorn
