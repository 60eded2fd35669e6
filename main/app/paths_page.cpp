#include "main/app/paths_page.h"

#include "common/error_trap.h"

namespace vorn {

PathsPage::PathsPage(const PageContext& context)
    : pickerFiles("pickerFiles", context.services.system.files) {
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
  wire(context.services.log);
}

void PathsPage::wire(common::SessionLog& log) {
  Commands& ops = commands;
  startPluginCreatorButton.onClick = [&ops] { runCommand(ops.startPluginCreator); };
  // Each area's toolbar runs the area's detection, then its save.
  auto detectThenSave = [](ui::Toolbar& t, const Command& detect, const Command& save) {
    t.onButtonClick = [&detect, &save](int) {
      runCommand(detect);
      runCommand(save);
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
      for (const Command* op : {&ops.detectIEPaths, &ops.detectWindowsPaths,
                                &ops.detectNetscapePaths, &ops.detectOperaPaths, &ops.saveIEPaths,
                                &ops.saveNetscapePaths, &ops.saveOperaPaths, &ops.saveWindowsPaths})
        trap.runStep([op] { runCommand(*op); });
    };
  }
  addUserDefinedToolbar.onButtonClick = [&ops](int) { runCommand(ops.addUserDefinedList); };
  removeUserDefinedToolbar.onButtonClick = [&ops](int) { runCommand(ops.removeUserDefinedList); };
  addUserEntryButton.onClick = [&ops] { runCommand(ops.addUserDefinedList); };
  removeUserEntryButton.onClick = [&ops] { runCommand(ops.removeUserDefinedList); };
  userEntriesList.onDoubleClick = [&ops] { runCommand(ops.removeUserDefinedList); };
  pickerFiles.onDoubleClick = [&ops] { runCommand(ops.addUserDefinedList); };

  auto onButton = [](ui::Button& b, const Command& op) { b.onClick = [&op] { runCommand(op); }; };
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
