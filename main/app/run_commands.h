#pragma once
// How the Clean page's commands run around the engines: each run is recorded and a
// cleaning's report saved beside the log; a cleaning the user starts runs behind the
// progress window with Cancel; "Clean All" first names what it will touch; an analysis is
// the same command run as an analysis, ending in the Analysis window; "Last Cleaning
// Details" shows the last report.
#include <string>

#include "main/app/app_services.h"
#include "main/app/main_page.h"
#include "platform/change_recorder.h"

namespace vorn {

class MainWindow;
class RunFrame;
class AnalysisProgressDialog;
struct Subsystems;

class RunCommands {
 public:
  // The subsystems' frame, boxes, dialogs and plugins must exist; `recorder` must wrap
  // the engines' services.
  RunCommands(MainWindow& window, AppServices& services, Subsystems& subsystems,
              platform::ChangeRecorder& recorder);
  RunCommands(const RunCommands&) = delete;

  // Hooks the run frame to the recorder: every run is recorded, a cleaning's report is
  // written when it ends, and its done message offers that report.
  void recordRuns();
  // A cleaning the user starts in the window runs behind the progress window. The
  // schedule, the command line and an analysis (which has a window of its own) run the
  // same command without it.
  Command withProgress(Command command);
  // "Clean All" pressed in the window first names what it will touch, unless the user
  // said not to ask again ([Confirm] CleanAll=0 in mainten.ini); "Analyze First" runs
  // `analyzeAll`, read when chosen.
  Command askingFirst(Command cleanAll, const Command& analyzeAll);
  // Analyses what `command` would change and opens the Analysis window with it; `what`
  // names the run in its heading.
  void analyze(const Command& command, const std::string& what);
  // This session's last cleaning, or the report an earlier one saved.
  void showCleaningDetails();

 private:
  void writeReport();
  bool quiet() const;

  MainWindow& w_;
  AppServices& services_;
  Subsystems& s_;
  platform::ChangeRecorder& recorder_;
  RunFrame& frame_;
  AnalysisProgressDialog& progress_;
  const std::string report_;
  const std::string ini_;
};

}  // namespace vorn
