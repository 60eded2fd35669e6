#pragma once
// The Clean page of the main window: each area's option boxes, its cleaning toolbar and
// View buttons, the notices of missing paths, the progress bar and "Clean All".
#include "main/app/area_tabs.h"
#include "main/app/main_page.h"
#include "main/clean/option_table.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_list_box.h"
#include "ui/file_list.h"
#include "ui/label.h"
#include "ui/progress_bar.h"
#include "ui/tab_strip.h"
#include "ui/toolbar.h"

namespace vorn {

class CleanPage {
 public:
  static constexpr PageNavigation kNavigation{"1a", "&Clean", "Clean"};

  // One box for each row of the context's options, under its area's tab.
  explicit CleanPage(const PageContext& context);
  CleanPage(const CleanPage&) = delete;

  // What the buttons and toolbars run, filled by the subsystems that do the work.
  struct Commands {
    Command cleanIE, cleanNetscape, cleanOpera, cleanWindows, cleanUserDefined, cleanPlugins;
    Command cleanAll;
    // The same runs with nothing changed, ending in a report of what they would remove.
    Command analyzeIE, analyzeNetscape, analyzeOpera, analyzeWindows, analyzeUserDefined,
        analyzePlugins, analyzeAll;
    Command editUserDefinedLists;
    Command showPluginInfo;  // "Plugin Info" for the highlighted plugin
    Command viewIECache, viewNetscapeCache, viewOperaCache, viewIECookies, viewNetscapeCookies,
        viewIEUrls, viewNetscapeUrls;
    Command viewRunHistory, viewSearchHistory, viewDocHistory;  // the Windows tab's
  } commands;

  const OptionTable& optionTable;
  // The box of a row, by its position in the table (the stored order).
  ui::CheckBox& optionBox(int position);
  // The boxes of an area, in the table's order; null for a code without boxes.
  ControlArray<ui::CheckBox>* options(int areaCode);

  // A browser area whose paths are missing cannot be cleaned and says why.
  void setAreaAvailable(int areaCode, bool available);
  // The boxes that need the folder of a path role follow whether it was found.
  void setFolderFound(std::string_view role, bool found);

  ui::TabStrip areaTabs{"areaTabs"};
  ControlArray<ui::CheckBox> ieOptions, netscapeOptions, operaOptions, windowsOptions,
      userDefinedOptions;
  ui::Toolbar cleanIEToolbar{"cleanIEToolbar"}, cleanNetscapeToolbar{"cleanNetscapeToolbar"},
      cleanOperaToolbar{"cleanOperaToolbar"}, cleanWindowsToolbar{"cleanWindowsToolbar"},
      cleanUserDefinedToolbar{"cleanUserDefinedToolbar"},
      cleanPluginsToolbar{"cleanPluginsToolbar"};
  ControlArray<ui::Toolbar> cleanAllToolbars;  // "Clean All", one per area tab
  ControlArray<ui::Button> analyzeButtons;     // "Analyze", one per area tab
  ui::Label ieMissingLabel{
      "ieMissingLabel",
      "You don't have Internet Explorer installed or have specified incorrect paths"};
  ui::Label netscapeMissingLabel{
      "netscapeMissingLabel",
      "You don't have Netscape installed or have specified incorrect paths"};
  ui::Label operaMissingLabel{"operaMissingLabel",
                              "You don't have Opera installed or have specified incorrect paths"};
  ui::Label windowsPathsMissingLabel{"windowsPathsMissingLabel",
                                     "Some Windows path could not be found"};
  ui::Button viewIECacheButton{"viewIECacheButton", "Cach&e"},
      viewIECookiesButton{"viewIECookiesButton", "C&ookies"},
      viewIEUrlsButton{"viewIEUrlsButton", "&URLs"};
  ui::Button viewNetscapeCacheButton{"viewNetscapeCacheButton", "Cach&e"},
      viewNetscapeCookiesButton{"viewNetscapeCookiesButton", "C&ookies"},
      viewNetscapeUrlsButton{"viewNetscapeUrlsButton", "&URLs"};
  ui::Button viewOperaCacheButton{"viewOperaCacheButton", "Cach&e"};
  ui::Button viewRunHistoryButton{"viewRunHistoryButton", "&Run History"},
      viewSearchHistoryButton{"viewSearchHistoryButton", "&Search History"},
      viewDocHistoryButton{"viewDocHistoryButton", "&Doc History"};
  ui::Button userDefinedListsButton{"userDefinedListsButton", "&Defined Files"};
  // The installed plugins, ticked when they run in plugin cleaning.
  ui::CheckListBox pluginList{"pluginList"};
  // The entries of winapp2.ini beside the program found on this computer, under their
  // own heading.
  ui::CheckListBox ruleList{"ruleList"};
  ui::Button pluginInfoButton{"pluginInfoButton", "Plugin &Info"};
  ui::ProgressBar progressBar{"progressBar"};
  ui::Button cleanAllButton{"cleanAllButton", "Clean &All"};
  ui::Button analyzeAllButton{"analyzeAllButton", "Analy&ze All"};
  // The cookie files of Internet Explorer's cookie folder.
  ui::FileList ieCookieFiles;

 private:
  void wire();
};

void buildPageView(PageViewSite& site, CleanPage& page);

}  // namespace vorn
