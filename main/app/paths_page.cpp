#include "main/app/paths_page.h"

#include "common/error_trap.h"

namespace vorn {

PathsPage::PathsPage(platform::Files& files) : pickerFiles("pickerFiles", files) {
  for (const char* mode :
       {"Remove &folder (and subfolders)", "Remove all files &in folder", "Remove si&ngle files"})
    removalModes.emplace_back("removalModes", mode);
  removalModes[0].setValue(1);
  patternBox.setText("*.*");
  for (const char* area : kAreaTabCaptions) areaTabs.addTab(area);
  for (ui::Toolbar* t :
       {&detectIEToolbar, &detectNetscapeToolbar, &detectOperaToolbar, &detectWindowsToolbar})
    t->addButton("", "Aut&o-detect", 3);
  for (int i = 0; i < 4; ++i)
    detectAllToolbars.emplace_back("detectAllToolbar").addButton("", "Auto-detect &All", 3);
  addUserDefinedToolbar.addButton("", "A&dd", 4);
  removeUserDefinedToolbar.addButton("", "Remo&ve", 5);
  netscapeUserBox.setCaption("User");
}

void PathsPage::wire(MainWindowOperations& ops, common::SessionLog& log) {
  startPluginCreatorButton.onClick = [&ops] { runOp(ops.startPluginCreator); };
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
  addUserEntryButton.onClick = [&ops] { runOp(ops.addUserDefinedList); };
  removeUserEntryButton.onClick = [&ops] { runOp(ops.removeUserDefinedList); };
  userEntriesList.onDoubleClick = [&ops] { runOp(ops.removeUserDefinedList); };
  pickerFiles.onDoubleClick = [&ops] { runOp(ops.addUserDefinedList); };

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
