#pragma once
// Where the subsystems built beside the main window plug into it: the load handler's
// steps (MainWindow::LoadSteps) and the commands behind the pages' buttons (each page's
// Commands). The returned object owns the subsystems and must live as long as the window.
#include <memory>
#include <string>
#include <vector>

#include "main/app/app_services.h"
#include "main/app/main_window.h"
#include "main/auto/automatic_state.h"
#include "main/clean/run_frame.h"
#include "platform/change_recorder.h"
#include "platform/shell_open.h"
#include "ui/tray.h"

namespace vorn {

class PathConfig;
class MainWindowRunView;
class MainWindowOptionBoxes;
class RegistryAccess;
class CleanAllConfirmDialog;
class DoneDialog;
class Statistics;
class RunFrame;
class WindowsCleaner;
class NetscapeCleaner;
class OperaCleaner;
class IECleaner;
class IECookiesDialog;
class InternetPropertiesAutomation;
class SecureRemover;
class PluginInfoDialog;
class PluginManager;
class PluginCleaner;
class AutomaticCleaning;
class NetCookiesDialog;
class HistoryViewer;
class DocHistoryDialog;
class FileListWindow;
class UserDefinedCleaner;
class UserListsEditor;
class UserListsViewer;

struct Subsystems;
struct CleaningRulesParts;
class AnalysisReportDialog;
class AnalysisProgressDialog;
class RunCommands;

// Whether automatic cleaning is on, for the engines that read it: it exists before
// automatic cleaning is wired (and reads off until then), so engines may be built first.
class AutomaticStateOfSubsystems : public AutomaticCleaningState {
 public:
  explicit AutomaticStateOfSubsystems(const Subsystems& s) : s_(s) {}
  bool automaticCleaningOn() const override;

 private:
  const Subsystems& s_;
};

struct Subsystems {
  // The program's folder, worked out once as the wiring starts: the start-up fills
  // Session::programFolder only after the wiring, from the same source.
  std::string programFolder;
  Subsystems();
  ~Subsystems();
  std::unique_ptr<PathConfig> paths;
  std::unique_ptr<MainWindowRunView> runView;
  std::unique_ptr<MainWindowOptionBoxes> boxes;
  std::unique_ptr<CleanAllConfirmDialog> cleanAllConfirm;
  std::unique_ptr<DoneDialog> doneDialog;
  std::unique_ptr<RegistryAccess> registry;
  // The same over the engines' services (AppServices::engines).
  std::unique_ptr<RegistryAccess> engineRegistry;
  std::unique_ptr<Statistics> statistics;
  std::unique_ptr<RunFrame> frame;
  std::unique_ptr<WindowsCleaner> windowsCleaner;
  // Used by the browsers' cookie cleaning.
  std::unique_ptr<SecureRemover> secureRemover;
  std::unique_ptr<NetscapeCleaner> netscapeCleaner;
  std::unique_ptr<OperaCleaner> operaCleaner;
  // Internet Explorer cleaning and the keep list it spares (the main window's keep list,
  // filled from cookies1.lst by listCookiestoSave).
  std::unique_ptr<InternetPropertiesAutomation> internetProperties;
  std::unique_ptr<IECleaner> ieCleaner;
  std::unique_ptr<IECookiesDialog> ieCookies;
  std::vector<std::string> ieKeepList;
  // "Clean User.def" and its part of "Clean All".
  std::unique_ptr<UserDefinedCleaner> userDefinedCleaner;
  // The lists' editor on the Path page and their names and activation.
  std::unique_ptr<UserListsEditor> userLists;
  // "User Defined Files", opened by "Defined Files".
  std::unique_ptr<UserListsViewer> userListsViewer;
  // Plugin management and plugin cleaning; the dialog is shown by the window host.
  std::unique_ptr<PluginInfoDialog> pluginInfo;
  std::unique_ptr<PluginManager> plugins;
  std::unique_ptr<PluginCleaner> pluginCleaner;
  // The user's winapp2.ini on the Plugins tab, and the rules of "Additional Garbage".
  std::unique_ptr<CleaningRulesParts> rules;
  std::unique_ptr<AutomaticCleaning> automatic;
  // "Netscape Cookies", opened by the Netscape tab's "Cookies" button.
  std::unique_ptr<NetCookiesDialog> netCookies;
  // The history viewer and the document history of the View buttons.
  std::unique_ptr<HistoryViewer> historyViewer;
  std::unique_ptr<DocHistoryDialog> docHistory;
  // "View Cache", wired by wireFileListWindow.
  std::unique_ptr<FileListWindow> fileList;
  // "Analysis", and the recorder the analysis runs the engines through (set by
  // wireCleaningReport; null before).
  std::unique_ptr<AnalysisReportDialog> analysisReport;
  // "Analyze", the progress window with Cancel while an analysis runs.
  std::unique_ptr<AnalysisProgressDialog> analysisProgress;
  platform::ChangeRecorder* recorder = nullptr;
  // The engines "Clean All" runs, for a run limited to some of them.
  RunFrame::Engines engines;
  // How the Clean page's commands run around the engines (wireCleaningReport).
  std::unique_ptr<RunCommands> runs;
  // Analyses what `command` would change and opens the analysis window with it; `what`
  // names the run in its heading. Set by wireCleaningReport.
  std::function<void(const std::function<void()>& command, const std::string& what)> analyze;
  // The text of the last cleaning report, as saved beside the log.
  std::string lastReport;
  // What the last cleaning of this session changed, and its heading, for "Last Cleaning
  // Details".
  std::vector<platform::RecordedChange> lastChanges;
  std::string lastHeading;
  // Nobody is at the machine: Internet Explorer's cache and history are emptied through
  // the URL cache, never through the Internet Properties dialog.
  bool unattended = false;
  // What engines take as their `const AutomaticCleaningState&`.
  AutomaticStateOfSubsystems automaticState{*this};

  // A run is going on: the cleaning commands wait for it to end.
  bool running() const;
};

// `tray` is the main window's notification icon, used by automatic cleaning.
std::unique_ptr<Subsystems> wireSubsystems(MainWindow& mainWindow, AppServices& services,
                                           ui::Tray& tray);

// Plugs the cache file list window into the three "Cache" buttons; after wireSubsystems.
void wireFileListWindow(MainWindow& mainWindow, AppServices& services, Subsystems& subsystems,
                        ViewerServices& viewerServices);

// Records what each cleaning run changes through `recorder` (which must wrap the services'
// system) and saves the report beside the log when the run ends; "Last Cleaning Details"
// shows it in the Analysis window (`shellOpen` is no longer used). The Analyze buttons run the same
// cleaning commands with the recorder analysing (nothing is changed, no message box is shown: the
// services' prompter must be an AnalysisPrompter over the same recorder) and show what they would
// remove. After wireSubsystems.
void wireCleaningReport(MainWindow& mainWindow, AppServices& services, Subsystems& subsystems,
                        platform::ChangeRecorder& recorder, platform::ShellOpen& shellOpen);

}  // namespace vorn
