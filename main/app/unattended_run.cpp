#include "main/app/unattended_run.h"

#include "common/error_trap.h"
#include "common/file_replace.h"
#include "common/settings.h"
#include "main/app/program_folder_check.h"
#include "main/app/unattended.h"
#include "main/clean/cleaning_report.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "platform/tree_removal.h"

namespace vorn {
namespace {

// What the analysis heading names: "all areas" or the chosen ones.
std::string areaNames(const AreaSelection& a) {
  if (a == AreaSelection{}) return "all areas";
  std::string names;
  auto add = [&names](bool chosen, const char* name) {
    if (chosen) names += (names.empty() ? "" : ", ") + std::string(name);
  };
  add(a.ie, "Internet Explorer");
  add(a.netscape, "Netscape");
  add(a.opera, "Opera");
  add(a.windows, "Windows");
  add(a.userDefined, "User.def");
  add(a.plugins, "Plugins");
  return names;
}

RunFrame::Engines chosenEngines(RunFrame::Engines engines, const AreaSelection& a) {
  if (!a.ie) engines.ie = nullptr;
  if (!a.netscape) engines.netscape = nullptr;
  if (!a.opera) engines.opera = nullptr;
  if (!a.windows) engines.windows = nullptr;
  if (!a.userDefined) engines.userDefined = nullptr;
  if (!a.plugins) engines.plugins = nullptr;
  return engines;
}

}  // namespace

std::optional<std::string> reportPathRefusal(platform::Files& files, const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash + 1 == path.size())
    return "the report path " + path + " names no file";
  std::string folder = path.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  if (!common::folderExists(files, folder))
    return "the report's folder " + folder + " does not exist";
  std::uint32_t attributes = 0;
  if (files.getAttributes(path, attributes) == platform::err::kSuccess) {
    if (attributes & platform::attr::kDirectory) return "the report path " + path + " is a folder";
    if (attributes & platform::attr::kReadOnly) return "the report " + path + " is read-only";
  }
  const std::string trial = common::replacementPath(path);
  const platform::ErrorCode code = files.writeFile(trial, "");
  platform::WalkingTreeRemoval(files).removeFile(trial);
  if (code != platform::err::kSuccess)
    return "the report " + path + " cannot be written (error " + std::to_string(code) + ")";
  return std::nullopt;
}

int runUnattended(const CommandLine& line, AppServices& services, MainWindow& window,
                  Subsystems& subsystems) {
  Session& session = services.session;
  session.programFolder = common::programFolder(services.system.process);
  // From here on every message box goes to the log, the busy message included.
  QuietScope quiet(services.unattended);
  const char* started = line.mode == CommandLine::Mode::Auto      ? " VORN 6.6 /auto"
                        : line.mode == CommandLine::Mode::Analyze ? " VORN 6.6 /analyze"
                                                                  : " VORN 6.6 command line";
  services.log.writeLog("Session Started", 0, 0, started);
  auto refuse = [&services](const std::string& why) {
    services.log.writeLog("Command line", 0, common::errnum::kInvalidCall,
                          why + "; nothing was done");
    return exitcode::kBadCommandLine;
  };
  if (line.mode == CommandLine::Mode::Invalid) return refuse(line.error);
  // A folder whose settings and lists cannot be reached would clean on defaults.
  std::string folderProblem = programFolderProblem(services.system.files, session.programFolder);
  if (!folderProblem.empty()) {
    for (std::size_t at; (at = folderProblem.find("\r\n")) != std::string::npos;)
      folderProblem.replace(at, 2, " ");
    return refuse(folderProblem);
  }
  if (!line.reportPath.empty())
    if (auto why = reportPathRefusal(services.system.files, line.reportPath)) return refuse(*why);

  RunLockScope lock(services.runLock, services.prompter);
  if (!lock.held()) return exitcode::kBusy;

  subsystems.unattended = true;
  subsystems.frame->state.showDoneMessage = false;
  window.unattended = true;
  window.loadWindow();

  const RunFrame::Engines engines = chosenEngines(subsystems.engines, line.areas);
  auto cleanChosen = [&subsystems, &session, &engines] {
    subsystems.frame->cleanAll(engines, session.paths);
  };
  common::ErrorTrap trap(services.log, kUnattendedLogLabel);
  bool ran = false;
  std::string report;
  if (line.mode == CommandLine::Mode::Analyze) {
    ran = trap.run([&] { subsystems.analyze(cleanChosen, areaNames(line.areas)); });
    report = subsystems.analysisReport->reportText.text();
    // The window shows its analysis; a run nobody watches leaves it beside the log.
    trap.run([&] {
      common::check(common::replaceFileContents(
          services.system.files, session.programFolder + "\\" + kAnalysisFile, report));
    });
  } else {
    ran = trap.run(cleanChosen);
    report = subsystems.lastReport;
    // The unload handler saves the statistics and the options, as closing the window does.
    trap.run([&] { services.windows.close(window); });
  }
  if (!line.reportPath.empty())
    trap.runStep([&] {
      common::check(common::replaceFileContents(services.system.files, line.reportPath, report));
    });

  const bool allRemoved =
      subsystems.recorder && runTotals(subsystems.recorder->changes()).failed == 0;
  return ran && allRemoved && trap.errors() == 0 ? exitcode::kDone : exitcode::kNotAllRemoved;
}

}  // namespace vorn
