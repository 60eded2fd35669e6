#pragma once
// The Path page of the main window: each area's folders, with browse buttons, detection
// and save, and the toolbars that detect one area's paths or all of them.
#include "common/session_log.h"
#include "main/app/area_tabs.h"
#include "main/app/main_page.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/file_list.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/toolbar.h"

namespace vorn {

class PathsPage {
 public:
  static constexpr PageNavigation kNavigation{"2a", "&Path", "Path"};

  explicit PathsPage(const PageContext& context);
  PathsPage(const PathsPage&) = delete;

  // What the buttons and toolbars run, filled by the subsystems that do the work. A
  // failed detection is logged.
  struct Commands {
    Command detectIEPaths, saveIEPaths, detectNetscapePaths, saveNetscapePaths, detectOperaPaths,
        saveOperaPaths, detectWindowsPaths, saveWindowsPaths;
    Command addUserDefinedList, removeUserDefinedList;
    Command startPluginCreator;
  } commands;

  ui::TabStrip areaTabs{"areaTabs"};

  // Internet Explorer.
  ui::TextBox ieHistoryFolderBox{"ieHistoryFolderBox"}, ieCacheFolderBox{"ieCacheFolderBox"},
      ieCookiesFolderBox{"ieCookiesFolderBox"};
  ui::Button browseIEHistoryButton{"browseIEHistoryButton", "..."},
      browseIECacheButton{"browseIECacheButton", "..."},
      browseIECookiesButton{"browseIECookiesButton", "..."};
  ui::Button detectIEButton{"detectIEButton", "Auto-&Detect"},
      saveIEButton{"saveIEButton", "Sa&ve"};

  // Netscape.
  ui::TextBox netscapeProfileFolderBox{"netscapeProfileFolderBox"},
      netscapeCacheFolderBox{"netscapeCacheFolderBox"};
  ui::ComboBox netscapeUserBox{"netscapeUserBox"};
  ui::Button browseNetscapeProfileButton{"browseNetscapeProfileButton", "..."},
      browseNetscapeCacheButton{"browseNetscapeCacheButton", "..."};
  ui::Button detectNetscapeButton{"detectNetscapeButton", "Auto-&Detect"},
      saveNetscapeButton{"saveNetscapeButton", "Sa&ve"};

  // Opera.
  ui::TextBox operaUserFolderBox{"operaUserFolderBox"}, operaCacheFolderBox{"operaCacheFolderBox"};
  ui::Button browseOperaUserButton{"browseOperaUserButton", "..."},
      browseOperaCacheButton{"browseOperaCacheButton", "..."};
  ui::Button detectOperaButton{"detectOperaButton", "Auto-&Detect"},
      saveOperaButton{"saveOperaButton", "Sa&ve"};

  // Windows.
  ui::TextBox windowsDocHistoryFolderBox{"windowsDocHistoryFolderBox"},
      windowsTempFolderBox{"windowsTempFolderBox"},
      windowsDownloadedFolderBox{"windowsDownloadedFolderBox"};
  ui::Button browseWindowsDocHistoryButton{"browseWindowsDocHistoryButton", "..."},
      browseWindowsTempButton{"browseWindowsTempButton", "..."},
      browseWindowsDownloadedButton{"browseWindowsDownloadedButton", "..."};
  ui::Button detectWindowsButton{"detectWindowsButton", "Auto-&Detect"},
      saveWindowsButton{"saveWindowsButton", "Sa&ve"};

  ui::Toolbar detectIEToolbar{"detectIEToolbar"}, detectNetscapeToolbar{"detectNetscapeToolbar"},
      detectOperaToolbar{"detectOperaToolbar"}, detectWindowsToolbar{"detectWindowsToolbar"};
  ControlArray<ui::Toolbar> detectAllToolbars;  // "Auto-detect All", one per area tab
  // The user-defined lists' editor: frame "User.def Files" (the list shown, its entries)
  // and frame "All Files" (the picker and its mode).
  ui::Toolbar addUserDefinedToolbar{"addUserDefinedToolbar"},
      removeUserDefinedToolbar{"removeUserDefinedToolbar"};
  ui::ComboBox userListBox{"userListBox"};
  ui::ListBox userEntriesList{"userEntriesList"};
  // Shown in place of the entries while no list is active, saying how to activate one.
  ui::Label noActiveListLabel{"noActiveListLabel",
                              "No list is active. To edit a list, tick \"Activate\" beside its "
                              "name under \"User Defined\" on the Maintenance page."};
  ui::Button saveUserListButton{"saveUserListButton", "&Save"},
      removeUserEntryButton{"removeUserEntryButton", "&Remove"};
  ui::ComboBox driveBox{"driveBox"};
  ui::ListBox folderList{"folderList"};
  ui::FileList pickerFiles;
  ui::TextBox patternBox{"patternBox"};
  ControlArray<ui::CheckBox> removalModes;  // folder, all files, single files
  ui::Button addUserEntryButton{"addUserEntryButton", "&Add"};
  // The plugin creator area: the installed plugins, their folder, the creator's start.
  ui::ListBox availablePluginsList{"availablePluginsList"};
  ui::TextBox pluginFolderBox{"pluginFolderBox"};
  ui::Button startPluginCreatorButton{"startPluginCreatorButton", "&Start Plugin Creator"};
  ui::Label pluginCreatorMissingLabel{"pluginCreatorMissingLabel"};

 private:
  void wire(common::SessionLog& log);
};

void buildPageView(PageViewSite& site, PathsPage& page);

}  // namespace vorn
