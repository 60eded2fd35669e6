#pragma once
// The main window "Tervane 6.6" as a model: the navigation toolbar over its pages, the
// status bar, the timers, the load and unload handlers and what ties the pages together.
// Each page is a model of its own; main_window_win32.cpp only shows them.
#include <cstdint>
#include <memory>
#include <string>

#include "common/error_trap.h"
#include "main/app/app_services.h"
#include "main/app/area_tabs.h"
#include "main/app/main_pages.h"
#include "main/app/notice_dialog.h"
#include "ui/status_bar.h"
#include "ui/tab_strip.h"
#include "ui/timer.h"
#include "ui/toolbar.h"

namespace vorn {

class MainWindow : public ui::WindowModel {
 public:
  // The steps of the load handler that other subsystems do, in the order it calls them.
  // An empty step is skipped.
  struct LoadSteps {
    Command findPath;  // inside loadSettings, when [Path] Detect is "0"
    Command fixPlugins, fixUserDef, fixPath, fixSliderSettings, listCookiestoSave, getStatistics;
  };

 private:
  // First, so that the pages may keep references to them.
  AppServices s_;
  LoadSteps steps_;

 public:
  static constexpr const char* kCaption = "Tervane 6.6";
  static constexpr const char* kLastCleanedPrefix = "This computer was last cleaned at: ";

  // The pages of pageTabs, chosen only through the navigation toolbar, whose buttons are
  // the pages' own and then "Quit".
  using Pages = MainWindowPages;
  static constexpr PageNavigation kQuit{"8a", "&Quit", nullptr};
  // Tabs of the Clean and Path pages' area strips.
  using enum AreaTab;

  // The Clean page has a box for each row of `options`.
  explicit MainWindow(AppServices services, LoadSteps steps = {},
                      const OptionTable& options = OptionTable::standard());
  MainWindow(const MainWindow&) = delete;

  // --- handlers and operations ---
  void loadWindow();
  void unloadWindow();
  void loadSettings();
  void fixCleanInfo();
  void fixMainten();
  void checkActiveTabs();
  void checkUserdef();
  void saveToIni();
  // The values "Quit" saves ([UserDef] and [Tab]) and those every close saves (the boxes,
  // the options, the schedule and the statistics rows).
  std::vector<common::Settings::Value> quitSettings() const;
  std::vector<common::Settings::Value> closeSettings();
  // Saves `values` in one write; where that fails, asks whether to close without them.
  // True when the window may close.
  bool saveOrAskBeforeClosing(const std::vector<common::Settings::Value>& values);
  void startPathSearch();
  void onNavigate(int index);

  std::string freeSpaceKB(const std::string& drive);

  // --- window state ---
  bool showNotice = false;
  // The closing in progress has saved (or given up) the settings already.
  bool settingsSavedForClose = false;
  bool runPathSearch = false;
  // Loaded for a run nobody watches: the load starts no path search tool and opens no
  // notice, which would wait for a person.
  bool unattended = false;
  // Kilobytes of "C:\". 64 bits: Wine's C: is the host's disk, often past the 2 TB that a
  // 32-bit count of kilobytes holds.
  std::int64_t freeSpaceBefore = 0;
  std::int64_t freeSpaceAfter = 0;
  // The main window's handle value, owner of the windows the shell opens; set by the view.
  std::uintptr_t ownerHandle = 0;

  // --- controls ---
  ui::Toolbar navigationToolbar{"navigationToolbar"};
  ui::TabStrip pageTabs{"pageTabs"};
  ui::StatusBar statusBar{"statusBar", std::string(kLastCleanedPrefix) + "Never"};
  ui::Timer statusAnimationTimer{"statusAnimationTimer"};
  ui::Timer automaticCleaningTimer{"automaticCleaningTimer"};

  Pages pages;
  // The pages the window ties together, by name.
  CleanPage& clean = pages.get<CleanPage>();
  PathsPage& paths = pages.get<PathsPage>();
  MaintenancePage& maintenance = pages.get<MaintenancePage>();
  StatisticsPage& statistics = pages.get<StatisticsPage>();
  HelpPage& help = pages.get<HelpPage>();
  AboutPage& about = pages.get<AboutPage>();

  NoticeDialog noticeDialog;

  AppServices& services() { return s_; }
  LoadSteps& loadSteps() { return steps_; }

 private:
  void wireHandlers();
  void loadPaths(common::ErrorTrap& trap);
  void setTabState(std::string& state, const ui::CheckBox& box);
  int numberOf(const std::string& text);
  std::string ini(const std::string& section, const std::string& key);
  void showPage(int page);
};

}  // namespace vorn
