#pragma once
// The frame every cleaning engine runs in: it shows that work is going on, takes the free
// space before the run, records when the computer was last cleaned, adds a statistics
// row and ends with the done message or by closing the program. "Clean All" runs the
// engines inside one frame of its own, and the engines then skip theirs.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/error_trap.h"
#include "common/session_log.h"
#include "common/settings.h"
#include "main/clean/option_boxes.h"
#include "main/paths/path_values.h"
#include "main/stats/statistics.h"
#include "platform/clock.h"
#include "ui/prompter.h"

namespace vorn {

// What the frame shows in the main window; the window implements it over the status bar,
// the progress bar, the status animation timer, the mouse pointer and "Close application
// after cleaning".
class RunView {
 public:
  virtual ~RunView() = default;
  virtual void setStatusText(const std::string& text) = 0;
  virtual float progressValue() = 0;
  virtual void setProgressValue(float value) = 0;
  virtual void setProgressMax(float maximum) = 0;
  // The animation timer on with this interval; its ticks call RunFrame::animateStatus.
  virtual void startAnimation(int intervalMs) = 0;
  // The animation timer's interval to 0 and the timer off.
  virtual void stopAnimation() = 0;
  virtual void setBusyPointer(bool busy) = 0;
  // Whether "Close application after cleaning" is ticked.
  virtual bool closeAfterCleaning() = 0;
  // Closes the main window, which ends the program through its unload handler.
  virtual void closeMainWindow() = 0;
};

// A cleaning changes the system; an analysis runs the same engines over services that
// only record, so it records no date and no statistics row, shows no message and never
// closes the window.
enum class RunKind { Cleaning, Analysis };

// The frame's state, shared by every run of the session.
struct RunState {
  std::string currentArea;           // the area being cleaned, empty when idle
  bool cleanAllRunning = false;      // "Clean All" is running its engines
  bool statusBlink = true;           // which of the two animation texts comes next
  bool showDoneMessage = true;       // false while automatic cleaning is on
  RunKind kind = RunKind::Cleaning;  // of the run going on, or of the next one
  bool analyzing() const { return kind == RunKind::Analysis; }
  std::int64_t freeSpaceBefore = 0, freeSpaceAfter = 0;  // kilobytes of "C:\"
  std::string lastCleanedText;                           // when the last run finished
};

// What tells one engine's frame from another's.
struct EngineFrame {
  std::string area;                      // currentArea while it runs
  std::vector<std::string> firstStatus;  // status texts set as it starts, in order
  int timerMs;                           // animation timer interval
  int checkboxArea;                      // fixCheckboxes area code; 0: not called
  std::string logLabel;                  // its error handler's label; empty: none
};

namespace frames {
extern const EngineFrame kIE, kNetscape, kOpera, kWindows, kUserDefined, kPlugins;
}

inline constexpr const char* kDoneMessage = "Cleaning System...Done";
inline constexpr const char* kLastCleanedPrefix = "This computer was last cleaned: ";
inline constexpr const char* kAnalysisDone = "Analysis complete: nothing was changed";
inline constexpr const char* kAnalysisCancelled = "Analysis cancelled: nothing was changed";

class RunFrame {
 public:
  RunFrame(RunView& view, OptionBoxes& boxes, ui::Prompter& prompter, common::Settings& settings,
           common::SessionLog& log, platform::Clock& clock, std::string iniPath,
           std::function<double()> freeSpaceKB, Statistics& statistics);

  RunState state;

  // Followers of a run: its start (one area, or "Clean All" as a whole), the start of
  // each area inside it, and its end once the work is done, before the done message.
  std::function<void()> onRunStart, onRunEnd;
  std::function<void(const std::string& area)> onAreaStart;
  // Followers of each option step: the caption of the option whose work follows.
  std::function<void(const std::string& option)> onOptionStart;
  // True once the user has cancelled the run: the option steps left are skipped.
  std::function<bool()> stopRequested;
  // One line the done message adds: what the run removed.
  std::function<std::string()> summary;
  // Shows the done message in a window of the program's own; without it, a message box.
  std::function<void(const std::string& text)> showDoneMessage;

  // Readies the progress bar for a run of one area (or 9 for all five): clears the boxes
  // that are disabled and makes the maximum the number of ticked boxes, when any are.
  void fixCheckboxes(int areaCode);
  // The current date and time in the general date format, also written to
  // [Senast] Value1 and kept in state.lastCleanedText.
  std::string recordLastCleaned();
  // One step of the progress bar, after each option step that ran.
  void progressStep();
  // The animation timer's tick: "Please Wait..." and "Cleaning... <area>" by turns.
  void animateStatus();

  // Runs an engine's steps inside its frame. `steps` gets the engine's error trap (null
  // for an engine without a handler) to run each step through.
  void runEngine(const EngineFrame& frame, const std::function<void(common::ErrorTrap*)>& steps);
  // Runs one option step through the trap and takes its progress step.
  void optionStep(common::ErrorTrap* trap, const std::function<void()>& body);
  // The same for the option box `index` of an area, named to the followers first.
  void optionStep(common::ErrorTrap* trap, int areaCode, int index,
                  const std::function<void()>& body);
  // Names the option whose work follows: an area's box, or a name of its own (a plugin).
  void beginOption(int areaCode, int index);
  void beginOption(const std::string& option);
  // The same for the option with this id in the boxes' table.
  void optionStep(common::ErrorTrap* trap, std::string_view id, const std::function<void()>& body);
  void beginOptionWithId(std::string_view id);
  // Runs one statement through the trap: a failure is logged and the run goes on.
  // Without a trap the failure goes to the caller.
  void statement(common::ErrorTrap* trap, const std::function<void()>& body);
  // The status bar's text, for an engine's own messages.
  void setStatus(const std::string& text) { view_.setStatusText(text); }

  // The engines "Clean All" runs; an engine not built yet is left empty and skipped.
  struct Engines {
    std::function<void()> ie, netscape, opera, windows, userDefined, plugins;
  };
  void cleanAll(const Engines& engines, const PathValues& paths);

  // Runs `command` (one engine's command, or "Clean All") as a run of `kind`; the kind
  // goes back to a cleaning afterwards, also when the command lets a failure out.
  void runAs(RunKind kind, const std::function<void()>& command);

 private:
  // The one end of every run: one area's or "Clean All"'s, by the run's kind.
  void finish(common::ErrorTrap* trap);

  RunView& view_;
  OptionBoxes& boxes_;
  ui::Prompter& prompter_;
  common::Settings& settings_;
  common::SessionLog& log_;
  platform::Clock& clock_;
  std::string ini_;
  std::function<double()> freeSpaceKB_;
  Statistics& statistics_;
};

}  // namespace vorn
