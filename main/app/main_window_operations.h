#pragma once
// The operations of the other subsystems that the main window calls: the load handler's
// steps and the commands behind its buttons. Each subsystem fills its members when it is
// wired in; an empty member does nothing, so the window works before all are built.
#include <functional>

namespace vorn {

struct MainWindowOperations {
  using Op = std::function<void()>;

  // Load handler, in the order it calls them.
  Op findPath;  // inside loadSettings, when [Path] Detect is "0"
  Op fixPlugins, fixUserDef, fixPath, fixSliderSettings, listCookiestoSave, getStatistics;

  // Clean page.
  Op cleanIE, cleanNetscape, cleanOpera, cleanWindows, cleanUserDefined, cleanPlugins;
  Op cleanAll;
  // The same runs with nothing changed, ending in a report of what they would remove.
  Op analyzeIE, analyzeNetscape, analyzeOpera, analyzeWindows, analyzeUserDefined, analyzePlugins,
      analyzeAll;
  Op editUserDefinedLists;
  Op showPluginInfo;  // "Plugin Info" for the highlighted plugin
  Op viewIECache, viewNetscapeCache, viewOperaCache, viewIECookies, viewNetscapeCookies, viewIEUrls,
      viewNetscapeUrls;
  Op viewRunHistory, viewSearchHistory, viewDocHistory;  // the Windows tab's View buttons

  // Path page.
  Op detectIEPaths, saveIEPaths, detectNetscapePaths, saveNetscapePaths, detectOperaPaths,
      saveOperaPaths, detectWindowsPaths, saveWindowsPaths;
  Op addUserDefinedList, removeUserDefinedList;
  Op startPluginCreator;

  // Maintenance page.
  Op startAutomaticCleaning;
  Op autoStartChanged;    // the auto-start entry follows its box
  Op safetyLevelChanged;  // the safety level slider moved
};

inline void runOp(const std::function<void()>& op) {
  if (op) op();
}

}  // namespace vorn
