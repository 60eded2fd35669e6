#include "main/app/run_commands.h"

#include <optional>

#include "common/file_replace.h"
#include "common/run_error.h"
#include "main/app/main_window.h"
#include "main/app/main_window_clean_seams.h"
#include "main/app/unattended.h"
#include "main/app/wiring.h"
#include "main/clean/cleaning_report.h"
#include "main/clean/run_frame.h"
#include "main/dialogs/analysis_progress_dialog.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "main/dialogs/clean_all_confirm_dialog.h"
#include "main/dialogs/done_dialog.h"
#include "main/plugins/plugin_manager.h"
#include "main/stats/statistics.h"

namespace vorn {

RunCommands::RunCommands(MainWindow& window, AppServices& services, Subsystems& subsystems,
                         platform::ChangeRecorder& recorder)
    : w_(window),
      services_(services),
      s_(subsystems),
      recorder_(recorder),
      frame_(*subsystems.frame),
      progress_(*subsystems.analysisProgress),
      report_(subsystems.programFolder + "\\" + kReportFile),
      ini_(subsystems.programFolder + "\\mainten.ini") {}

bool RunCommands::quiet() const {
  return services_.unattended && services_.unattended->quiet();
}

void RunCommands::recordRuns() {
  platform::ChangeRecorder& recorder = recorder_;
  RunFrame& frame = frame_;
  // Every run records what it changes; an analysis records instead of changing.
  frame.onRunStart = [&recorder, &frame] { recorder.start(frame.state.analyzing()); };
  frame.onAreaStart = [&recorder](const std::string& area) { recorder.setSection(area); };
  frame.onOptionStart = [&recorder](const std::string& option) { recorder.setOption(option); };
  // The progress window goes before the done message, whose owner is the main window.
  frame.onRunEnd = [this] {
    writeReport();
    progress_.finish();
  };
  frame.stopRequested = [&recorder] { return recorder.cancelled(); };
  // The done message offers the report of the run it ends, in the program's own window.
  frame.showDoneMessage = [this](const std::string& text) {
    DoneDialog& done = *s_.doneDialog;
    done.show(
        text,
        [this, &done] {
          s_.analysisReport->open(s_.lastChanges, s_.lastHeading, false, s_.lastReport, &done);
        },
        &w_);
  };
  frame.summary = [&recorder] {
    const std::string removed = "Removed " + totalsLine(runTotals(recorder.changes())) + ".";
    return recorder.cancelled() ? "Cancelled. " + removed : removed;
  };
  // The chart shows what the run removed, from the report's own total.
  s_.statistics->setFreedBytes([&recorder]() -> std::optional<std::uint64_t> {
    return runTotals(recorder.changes()).bytes;
  });
}

void RunCommands::writeReport() {
  recorder_.stop();
  // An analysis shows its own report and writes none.
  if (frame_.state.analyzing()) return;
  std::string heading = "Cleaning of " + frame_.state.lastCleanedText;
  if (recorder_.cancelled()) heading += "\r\nCancelled: what follows is what was done until then.";
  std::string text = cleaningReportText(recorder_.changes(), heading, false);
  if (quiet()) text += messagesSection(services_.unattended->messages());
  s_.lastReport = text;
  s_.lastChanges = recorder_.changes();
  s_.lastHeading = heading;
  common::ErrorTrap trap(services_.log, "cleaningReport");
  trap.runStep(
      [&] { common::check(common::replaceFileContents(services_.system.files, report_, text)); });
}

Command RunCommands::withProgress(Command command) {
  return [this, command] {
    if (!command) return;
    if (quiet() || frame_.state.analyzing() || s_.running() || progress_.isOpen()) return command();
    recorder_.setProgressCheck([this](std::size_t) {
      progress_.showCleaningProgress(frame_.state.currentArea, recorder_.itemsRemoved(),
                                     recorder_.bytesRemoved());
      services_.screen.doEvents();
      return !progress_.cancelled();
    });
    progress_.open(w_, true);
    struct Restore {
      platform::ChangeRecorder& recorder;
      AnalysisProgressDialog& progress;
      ~Restore() {
        recorder.setProgressCheck(nullptr);
        progress.finish();
      }
    } restore{recorder_, progress_};
    command();
  };
}

Command RunCommands::askingFirst(Command cleanAll, const Command& analyzeAll) {
  return [this, clean = std::move(cleanAll), &analyzeAll] {
    if (quiet() || frame_.state.analyzing() || s_.running() ||
        services_.settings.getini("Confirm", "CleanAll", ini_) == "0")
      return runCommand(clean);
    OptionBoxes& boxes = *s_.boxes;
    const PathValues& paths = services_.session.paths;
    auto ticked = [&boxes](const std::string& name, int code) {
      TickedArea a{name, {}};
      for (int i = 0; i < boxes.options().count(code); ++i)
        if (boxes.enabled(code, i) && boxes.value(code, i) == 1)
          a.options.push_back(boxes.caption(code, i));
      return a;
    };
    std::vector<TickedArea> areas;
    if (paths.ieAvailable) areas.push_back(ticked("Internet Explorer", area::kIE));
    if (paths.netscapeAvailable) areas.push_back(ticked("Netscape", area::kNetscape));
    if (paths.operaAvailable) areas.push_back(ticked("Opera", area::kOpera));
    areas.push_back(ticked("Windows", area::kWindows));
    areas.push_back(ticked("User.def", area::kUserDefined));
    if (s_.plugins) areas.push_back({"Plugins", s_.plugins->tickedInformationFiles()});
    CleanAllConfirmDialog& dialog = *s_.cleanAllConfirm;
    const CleanAllConfirmDialog::Choice choice = dialog.ask(tickedAreasText(areas), &w_);
    if (choice != CleanAllConfirmDialog::Choice::Cancel && dialog.doNotAskAgain())
      services_.settings.AddToini("Confirm", "CleanAll", "0", ini_);
    if (choice == CleanAllConfirmDialog::Choice::Clean) runCommand(clean);
    if (choice == CleanAllConfirmDialog::Choice::AnalyzeFirst) runCommand(analyzeAll);
  };
}

void RunCommands::analyze(const Command& command, const std::string& what) {
  if (s_.running() || !command) return;
  RunLockScope lock(services_.runLock, services_.prompter);
  if (!lock.held()) return;
  // The reads let the window repaint and the user press Cancel as they go.
  recorder_.setProgressCheck([this](std::size_t itemsRead) {
    progress_.showProgress(frame_.state.currentArea, itemsRead);
    services_.screen.doEvents();
    return !progress_.cancelled();
  });
  progress_.open(w_);
  {
    // Also when a command lets a failure escape.
    struct Restore {
      platform::ChangeRecorder& recorder;
      AnalysisProgressDialog& progress;
      ~Restore() {
        recorder.setProgressCheck(nullptr);
        recorder.stop();
        progress.finish();
      }
    } restore{recorder_, progress_};
    frame_.runAs(RunKind::Analysis, command);
  }
  // The recorder keeps what it recorded, and whether it was cancelled, until it starts
  // again.
  const bool cancelled = recorder_.cancelled();
  platform::Clock& clock = services_.system.clock;
  std::string heading = "Analysis of " + what + ", " + clock.generalDate(clock.now());
  if (cancelled) {
    heading += "\r\nCancelled: what follows is what was found until then.";
    frame_.setStatus(kAnalysisCancelled);
  }
  std::string text = cleaningReportText(recorder_.changes(), heading, true);
  if (quiet()) text += messagesSection(services_.unattended->messages());
  s_.analysisReport->open(recorder_.changes(), heading, true, text, &w_);
}

void RunCommands::showCleaningDetails() {
  // In the program's own window, never through the shell: ".txt" may have no program.
  // This session's run shows its items; an earlier session's report shows as its text.
  if (!s_.lastReport.empty()) {
    s_.analysisReport->open(s_.lastChanges, s_.lastHeading, false, s_.lastReport, &w_);
    return;
  }
  platform::Files& files = services_.system.files;
  std::uint32_t attributes = 0;
  if (files.getAttributes(report_, attributes) != platform::err::kSuccess) {
    services_.prompter.messageBox("No cleaning has been recorded yet.", "Info",
                                  ui::mb::kOk | ui::mb::kIconInformation);
    return;
  }
  std::string text;
  if (files.readFile(report_, text) != platform::err::kSuccess) {
    services_.prompter.messageBox("The report " + report_ + " could not be opened.", "Info",
                                  ui::mb::kOk | ui::mb::kIconWarning);
    return;
  }
  s_.analysisReport->openSaved(text, &w_);
}

}  // namespace vorn
