#include "main/app/wiring.h"


#include "common/conversions.h"
#include "common/run_error.h"
#include "main/app/main_window_clean_seams.h"
#include "main/app/rules_wiring.h"
#include "main/app/run_commands.h"
#include "main/app/unattended.h"
#include "main/auto/automatic_cleaning.h"
#include "main/clean/ie_cleaner.h"
#include "main/clean/inet_properties.h"
#include "main/clean/netscape_cleaner.h"
#include "main/clean/opera_cleaner.h"
#include "main/clean/plugin_cleaner.h"
#include "main/clean/run_frame.h"
#include "main/clean/secure_remove.h"
#include "main/clean/url_cache_recording.h"
#include "main/clean/windows_cleaner.h"
#include "main/dialogs/analysis_progress_dialog.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "main/dialogs/clean_all_confirm_dialog.h"
#include "main/dialogs/doc_history_dialog.h"
#include "main/dialogs/done_dialog.h"
#include "main/dialogs/file_list_window.h"
#include "main/dialogs/history_viewer.h"
#include "main/dialogs/ie_cookies_dialog.h"
#include "main/dialogs/keep_list_file.h"
#include "main/dialogs/net_cookies_dialog.h"
#include "main/paths/path_config.h"
#include "main/platform/registry_access.h"
#include "main/plugins/plugin_info_dialog.h"
#include "main/plugins/plugin_manager.h"
#include "main/stats/statistics.h"
#include "main/userdef/user_defined_cleaner.h"
#include "main/userdef/user_lists_editor.h"
#include "main/userdef/user_lists_viewer.h"

namespace vorn {

Subsystems::Subsystems() = default;
Subsystems::~Subsystems() = default;

bool AutomaticStateOfSubsystems::automaticCleaningOn() const {
  return s_.automatic && s_.automatic->automaticCleaningOn();
}

bool Subsystems::running() const {
  return frame && (frame->state.cleanAllRunning || !frame->state.currentArea.empty());
}

namespace {

// The chart and the slot the unload handler saves follow the statistics rows.
void showStatistics(MainWindow& w, Session& session, const Statistics& statistics) {
  const auto& rows = statistics.rows();
  for (int n = 1; n <= Statistics::kRows; ++n)
    w.statistics.recoveredSpaceChart.setRow(n, rows[static_cast<std::size_t>(n - 1)].label,
                                            rows[static_cast<std::size_t>(n - 1)].value);
  session.statisticsSlot = statistics.statisticsSlot();
}

// The browser's own clearing of its cache and history, ahead of the engine's file steps.
BrowserClearing ieBrowserClearing(AppServices& services, Subsystems& s) {
  if (services.internetProperties && services.topWindows && services.keySender &&
      services.urlCache) {
    s.internetProperties = std::make_unique<InternetPropertiesAutomation>(
        InternetPropertiesServices{*services.internetProperties, *services.topWindows,
                                   *services.keySender, *services.urlCache},
        *s.frame, services.prompter, services.log);
    platform::UrlCache& cache = *services.urlCache;
    common::SessionLog& log = services.log;
    return [&s, &cache, &log](int mode) {
      if (s.unattended && s.recorder) {
        // The dialog would wait for a person whenever it cannot be driven. The cache
        // interface empties the same entries, and the report names each.
        common::ErrorTrap trap(log, "ShowInetProperties");
        listUrlCacheEntries(cache, mode, *s.recorder, &trap);
        if (mode == 1 || mode == 2) s.frame->progressStep();
        if (mode == 0 || mode == 2) s.frame->progressStep();
        return false;
      }
      return clearAndRecord(*s.internetProperties, cache, mode, s.recorder);
    };
  }
  return [&s](int mode) {
    if (mode == 1 || mode == 2) s.frame->progressStep();
    if (mode == 0 || mode == 2) s.frame->progressStep();
    return false;
  };
}

void wireCleaning(MainWindow& w, AppServices& services, Subsystems& s) {
  Session& session = services.session;
  const std::string& folder = s.programFolder;
  const std::string ini = folder + "\\mainten.ini";
  auto freeSpace = [&w] { return common::toDouble(w.freeSpaceKB("C:\\")); };
  s.runView = std::make_unique<MainWindowRunView>(w);
  s.boxes = std::make_unique<MainWindowOptionBoxes>(w);
  s.registry = std::make_unique<RegistryAccess>(services.system.registry, services.prompter);
  platform::System& engines = services.engines();
  s.engineRegistry = std::make_unique<RegistryAccess>(engines.registry, services.prompter);
  s.statistics = std::make_unique<Statistics>(services.settings, services.log, ini, freeSpace);
  s.frame = std::make_unique<RunFrame>(*s.runView, *s.boxes, services.prompter, services.settings,
                                       services.log, services.system.clock, ini, freeSpace,
                                       *s.statistics);
  s.windowsCleaner = std::make_unique<WindowsCleaner>(engines, *s.engineRegistry, services.log,
                                                      *s.frame, *s.boxes, session.paths, 0,
                                                      [&services] { services.screen.doEvents(); });
  // An analysis takes the first scratch file: what it shows must not depend on a draw.
  s.secureRemover = std::make_unique<SecureRemover>(
      engines.files, engines.removal, services.log, folder,
      [&s] { return s.frame->state.analyzing() ? 0.0 : randomFraction(); });
  s.netscapeCleaner = std::make_unique<NetscapeCleaner>(
      engines, services.log, services.prompter, *s.frame, *s.boxes, *s.secureRemover,
      s.automaticState, session.paths, session.safetyLevel, folder);
  s.operaCleaner = std::make_unique<OperaCleaner>(engines, *s.frame, *s.boxes, *s.secureRemover,
                                                  session.paths, session.safetyLevel, folder);
  s.ieCleaner = std::make_unique<IECleaner>(
      engines, *s.engineRegistry, services.log, services.settings, *s.frame, *s.boxes,
      session.paths, *s.secureRemover, IECleanerControls{s.ieKeepList, w.clean.ieCookieFiles},
      folder, [&session] { return session.safetyLevel; }, ieBrowserClearing(services, s));
  if (services.urlCache)
    s.ieCleaner->setBrowserListing([&s, &cache = *services.urlCache](int mode) {
      if (s.recorder) listUrlCacheEntries(cache, mode, *s.recorder);
      if (mode == 1 || mode == 2) s.frame->progressStep();
      if (mode == 0 || mode == 2) s.frame->progressStep();
      return false;
    });
  s.userDefinedCleaner =
      std::make_unique<UserDefinedCleaner>(engines, services.log, *s.frame, *s.boxes, folder);

  Statistics& statistics = *s.statistics;
  statistics.changed = [&w, &session, &statistics] { showStatistics(w, session, statistics); };
  w.statusAnimationTimer.onTimer = [&s] { s.frame->animateStatus(); };

  MainWindow::LoadSteps& steps = w.loadSteps();
  CleanPage::Commands& ops = w.clean.commands;
  steps.getStatistics = [&statistics] { statistics.getStatistics(); };
  auto slider = [&w, &session] {
    const SliderSettings level = fixSliderSettings(w.maintenance.safetyLevelSlider.value());
    session.safetyLevel = level.safetyLevel;
    w.maintenance.safetyLevelLabel.setCaption(level.caption);
  };
  steps.fixSliderSettings = slider;
  w.maintenance.commands.safetyLevelChanged = slider;

  // The shell's windows belong to the main window once it exists.
  auto cleanWindows = [&w, &s] {
    s.windowsCleaner->setOwner(w.ownerHandle);
    s.windowsCleaner->cleanWindows();
  };
  // The run lets the window repaint, so a second press could start a run inside the
  // first one; it is ignored instead. A run of another Tervane refuses it too.
  auto whenIdle = [&s, &services](std::function<void()> command) {
    return [&s, &services, command] {
      if (s.running()) return;
      RunLockScope lock(services.runLock, services.prompter);
      if (lock.held()) command();
    };
  };
  ops.cleanWindows = whenIdle(cleanWindows);
  auto cleanNetscape = [&w, &s] {
    s.netscapeCleaner->setOwner(w.ownerHandle);
    s.netscapeCleaner->cleanNetscape();
  };
  ops.cleanNetscape = whenIdle(cleanNetscape);
  auto cleanOpera = [&w, &s] {
    s.operaCleaner->setOwner(w.ownerHandle);
    s.operaCleaner->cleanOpera();
  };
  ops.cleanOpera = whenIdle(cleanOpera);
  auto cleanPlugins = [&s] { s.pluginCleaner->cleanPlugins(); };
  ops.cleanPlugins = whenIdle(cleanPlugins);
  auto cleanIE = [&s] { s.ieCleaner->cleanIE(); };
  ops.cleanIE = whenIdle(cleanIE);
  auto cleanUserDefined = [&s] { s.userDefinedCleaner->cleanUserDefined(); };
  ops.cleanUserDefined = whenIdle(cleanUserDefined);
  steps.listCookiestoSave = [&services, &s, folder] {
    common::ErrorTrap trap(services.log, "listCookiestoSave");
    s.ieKeepList.clear();
    trap.run(
        [&] { s.ieKeepList = readListFile(services.system.files, folder + "\\" + kIEKeepList); });
  };
  s.engines.ie = cleanIE;
  s.engines.netscape = cleanNetscape;
  s.engines.opera = cleanOpera;
  s.engines.windows = cleanWindows;
  s.engines.userDefined = cleanUserDefined;
  s.engines.plugins = cleanPlugins;
  ops.cleanAll = whenIdle([&s, &session] { s.frame->cleanAll(s.engines, session.paths); });
}

void wirePlugins(MainWindow& w, AppServices& services, Subsystems& s) {
  const std::string& folder = s.programFolder;
  s.pluginInfo = std::make_unique<PluginInfoDialog>(services.system.files, services.prompter,
                                                    services.windows);
  s.plugins = std::make_unique<PluginManager>(
      services.system, services.settings, services.log, services.prompter, services.windows, folder,
      PluginControls{w.clean.pluginList, w.paths.availablePluginsList, w.paths.pluginFolderBox,
                     w.paths.startPluginCreatorButton, w.paths.pluginCreatorMissingLabel},
      *s.pluginInfo);
  PluginManager& plugins = *s.plugins;
  platform::System& engines = services.engines();
  s.pluginCleaner = std::make_unique<PluginCleaner>(
      engines.files, *s.engineRegistry, services.log, *s.frame, folder,
      [&plugins] { return plugins.tickedInformationFiles(); }, engines.removal);
  w.loadSteps().fixPlugins = [&plugins] { plugins.fixPlugins(); };
  w.clean.commands.showPluginInfo = [&plugins] { plugins.showPluginInfo(); };
  w.paths.commands.startPluginCreator = [&plugins] { plugins.startPluginCreator(); };
}

// The dialog lists the cookies of the profile found at start-up.
void wireCookieDialogs(MainWindow& w, AppServices& services, Subsystems& s) {
  Session& session = services.session;
  s.netCookies = std::make_unique<NetCookiesDialog>(
      services.system.files, services.system.clock, services.log, services.prompter,
      services.windows, s.programFolder, [&session] { return session.paths.netscapeProfile; });
  CleanPage::Commands& view = w.clean.commands;
  view.viewNetscapeCookies = s.paths->viewIfAvailable(&PathValues::netscapeAvailable,
                                                      [&s, &w] { s.netCookies->open(&w); });
  MainWindow::LoadSteps& steps = w.loadSteps();
  s.ieCookies = std::make_unique<IECookiesDialog>(
      services.system.files, services.system.clock, services.log, services.prompter,
      services.windows, s.programFolder, [&session] { return session.paths.ieCookiesFolder; },
      [&steps] { runCommand(steps.listCookiestoSave); });
  view.viewIECookies =
      s.paths->viewIfAvailable(&PathValues::ieAvailable, [&s, &w] { s.ieCookies->open(&w); });
}

// The schedule runs the very commands behind "Clean All" and the area buttons, looked up
// when it fires, so engines wired later are run too.
void wireAutomatic(MainWindow& w, AppServices& services, Subsystems& s, ui::Tray& tray) {
  MaintenancePage& m = w.maintenance;
  CleanPage::Commands& ops = w.clean.commands;
  // Nobody answers a message box while the schedule runs: each goes to the log.
  auto command = [&ops, &services](Command CleanPage::Commands::*op) {
    return [&ops, &services, op] {
      QuietScope quiet(services.unattended);
      runCommand(ops.*op);
    };
  };
  using Clean = CleanPage::Commands;
  CleaningCommands commands{command(&Clean::cleanAll),         command(&Clean::cleanIE),
                            command(&Clean::cleanNetscape),    command(&Clean::cleanOpera),
                            command(&Clean::cleanUserDefined), command(&Clean::cleanPlugins)};
  AutomaticControls controls{m.autoCleanAreaBox,
                             m.autoDayBox,
                             m.autoHourBox,
                             m.autoMinuteBox,
                             m.autoStartBox,
                             m.closeAfterCleaningBox,
                             m.startAutomaticCleaningButton,
                             w.automaticCleaningTimer};
  AutomaticServices automaticServices{services.system.clock,
                                      services.system.process,
                                      *s.registry,
                                      services.settings,
                                      s.programFolder + "\\mainten.ini",
                                      services.prompter,
                                      services.screen,
                                      tray,
                                      s.frame->state};
  s.automatic = std::make_unique<AutomaticCleaning>(controls, automaticServices, commands);
  AutomaticCleaning& automatic = *s.automatic;
  automatic.busy = [&s] { return s.running(); };
  automatic.closeMainWindow = [&services, &w] { services.windows.close(w); };
  m.commands.startAutomaticCleaning = [&automatic] { automatic.startStopClicked(); };
  m.commands.autoStartChanged = [&automatic] { automatic.autoStartClicked(); };
  w.automaticCleaningTimer.onTimer = [&automatic] { automatic.timerTick(); };
}

// The history viewer and the document history, opened by the View buttons over the main
// window; the folders are read at each opening, so a saved path is used at once.
void wireHistoryViewers(MainWindow& w, AppServices& services, Subsystems& s) {
  Session& session = services.session;
  s.historyViewer = std::make_unique<HistoryViewer>(
      HistoryViewer::Services{services.system.files, *s.registry, services.log, services.screen,
                              services.windows},
      [&session] { return session.paths.netscapeProfile; });
  s.docHistory = std::make_unique<DocHistoryDialog>(
      services.system.files, services.log, services.prompter, services.windows,
      [&session] { return session.paths.docHistoryFolder; });
  HistoryViewer& viewer = *s.historyViewer;
  DocHistoryDialog& docs = *s.docHistory;
  auto open = [&viewer, &w](HistoryViewer::Mode mode) {
    return [&viewer, &w, mode] { viewer.open(mode, &w); };
  };
  CleanPage::Commands& ops = w.clean.commands;
  ops.viewIEUrls =
      s.paths->viewIfAvailable(&PathValues::ieAvailable, open(HistoryViewer::Mode::TypedUrls));
  ops.viewNetscapeUrls = s.paths->viewIfAvailable(&PathValues::netscapeAvailable,
                                                  open(HistoryViewer::Mode::NetscapeUrls));
  ops.viewRunHistory = open(HistoryViewer::Mode::RunHistory);
  ops.viewSearchHistory = open(HistoryViewer::Mode::SearchHistory);
  ops.viewDocHistory = [&docs, &w] { docs.open(&w); };
}

// The drive roots the lists' picker offers. A and B are left out: asking an empty floppy
// drive stops the program with the system's own question.
std::vector<std::string> pickerDrives(platform::Files& files) {
  std::vector<std::string> roots;
  for (char d = 'C'; d <= 'Z'; ++d) {
    const std::string root = std::string(1, d) + ":\\";
    std::uint32_t attributes = 0;
    if (files.getAttributes(root, attributes) == platform::err::kSuccess) roots.push_back(root);
  }
  return roots;
}

void wireUserLists(MainWindow& w, AppServices& services, Subsystems& s) {
  platform::Files& files = services.system.files;
  s.userLists = std::make_unique<UserListsEditor>(
      files, services.log, services.prompter, services.session, s.programFolder,
      UserListsEditor::Pages{w.paths, w.maintenance, w.clean},
      [&files] { return pickerDrives(files); });
  s.userLists->wire(w.loadSteps().fixUserDef);
  s.userListsViewer = std::make_unique<UserListsViewer>(files, services.log, services.windows,
                                                        services.session, s.programFolder);
  UserListsViewer& viewer = *s.userListsViewer;
  w.clean.commands.editUserDefinedLists = [&viewer, &w] { viewer.open(&w); };
}

}  // namespace

std::unique_ptr<Subsystems> wireSubsystems(MainWindow& mainWindow, AppServices& services,
                                           ui::Tray& tray) {
  auto s = std::make_unique<Subsystems>();
  s->programFolder = common::programFolder(services.system.process);
  s->paths = std::make_unique<PathConfig>(mainWindow);
  s->paths->wire();
  wireCleaning(mainWindow, services, *s);
  wirePlugins(mainWindow, services, *s);
  wireCleaningRules(mainWindow, services, *s);
  wireCookieDialogs(mainWindow, services, *s);
  wireAutomatic(mainWindow, services, *s, tray);
  wireHistoryViewers(mainWindow, services, *s);
  wireUserLists(mainWindow, services, *s);
  return s;
}

void wireFileListWindow(MainWindow& w, AppServices& services, Subsystems& s,
                        ViewerServices& viewer) {
  Session& session = services.session;
  auto startFolder = [&session](FileListWindow::Mode mode) {
    switch (mode) {
      case FileListWindow::Mode::InternetExplorer:
        return session.paths.ieCacheContentFolder;
      case FileListWindow::Mode::Netscape:
        return session.paths.netscapeCacheFolder;
      default:
        return session.paths.operaCacheFolder;
    }
  };
  s.fileList = std::make_unique<FileListWindow>(
      FileListWindow::Services{services.system.files, viewer.locale, viewer.shellInfo,
                               viewer.shellOpen, services.log, services.screen, services.windows},
      startFolder, s.programFolder);
  FileListWindow& window = *s.fileList;
  auto open = [&window, &w](FileListWindow::Mode mode) {
    return [&window, &w, mode] { window.open(mode, &w); };
  };
  // Each cache window needs its cache folder.
  CleanPage::Commands& ops = w.clean.commands;
  ops.viewIECache = s.paths->viewIfFolderFound("ieCacheContentFolder",
                                               open(FileListWindow::Mode::InternetExplorer));
  ops.viewNetscapeCache =
      s.paths->viewIfFolderFound("netscapeCacheFolder", open(FileListWindow::Mode::Netscape));
  ops.viewOperaCache =
      s.paths->viewIfFolderFound("operaCacheFolder", open(FileListWindow::Mode::Opera));
}

void wireCleaningReport(MainWindow& w, AppServices& services, Subsystems& s,
                        platform::ChangeRecorder& recorder, platform::ShellOpen&) {
  recorder.ignoreFolder(s.programFolder);
  s.recorder = &recorder;
  if (s.userDefinedCleaner)
    s.userDefinedCleaner->onEntrySkipped = [&recorder](const std::string& entry,
                                                       const std::string& why) {
      recorder.skip(entry, why);
    };
  s.analysisReport = std::make_unique<AnalysisReportDialog>(
      AnalysisReportDialog::Services{services.system.files, services.prompter, services.windows});
  s.analysisProgress = std::make_unique<AnalysisProgressDialog>(services.windows);
  s.doneDialog = std::make_unique<DoneDialog>(services.windows);
  s.cleanAllConfirm = std::make_unique<CleanAllConfirmDialog>(services.windows);
  s.runs = std::make_unique<RunCommands>(w, services, s, recorder);
  RunCommands& runs = *s.runs;
  runs.recordRuns();

  CleanPage::Commands& ops = w.clean.commands;
  for (Command* op : {&ops.cleanAll, &ops.cleanIE, &ops.cleanNetscape, &ops.cleanOpera,
                      &ops.cleanWindows, &ops.cleanUserDefined, &ops.cleanPlugins})
    *op = runs.withProgress(*op);
  ops.cleanAll = runs.askingFirst(ops.cleanAll, ops.analyzeAll);
  s.analyze = [&runs](const Command& command, const std::string& what) {
    runs.analyze(command, what);
  };
  // Each Analyze button runs its area's cleaning command as an analysis.
  auto analyze = [&runs](Command* command, const std::string& what) {
    return [&runs, command, what] { runs.analyze(*command, what); };
  };
  ops.analyzeAll = analyze(&ops.cleanAll, "all areas");
  ops.analyzeIE = analyze(&ops.cleanIE, "Internet Explorer");
  ops.analyzeNetscape = analyze(&ops.cleanNetscape, "Netscape");
  ops.analyzeOpera = analyze(&ops.cleanOpera, "Opera");
  ops.analyzeWindows = analyze(&ops.cleanWindows, "Windows");
  ops.analyzeUserDefined = analyze(&ops.cleanUserDefined, "User.def");
  ops.analyzePlugins = analyze(&ops.cleanPlugins, "Plugins");
  w.statistics.cleaningDetailsButton.onClick = [&runs] { runs.showCleaningDetails(); };
}

}  // namespace vorn
