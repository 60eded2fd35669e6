#include "main/clean/run_frame.h"

#include <optional>

namespace vorn {

namespace frames {
const EngineFrame kIE{"Internet Explorer", {"Please Wait"}, 2000, area::kIE, "cmdCleanIE"};
const EngineFrame kNetscape{"Netscape", {"Please Wait"}, 1000, area::kNetscape, "cmdCleanNets"};
const EngineFrame kOpera{"Opera", {"Please Wait"}, 1000, area::kOpera, "cmdCleanOpera"};
const EngineFrame kWindows{
    "Windows", {"Please Wait", "Cleaning Windows Files"}, 1000, area::kWindows, "cmdCleanWin"};
const EngineFrame kUserDefined{"User Defined", {"Please Wait"}, 1000, area::kUserDefined, ""};
const EngineFrame kPlugins{"Plugins", {"Cleaning Plugin files"}, 1000, 0, ""};
}  // namespace frames

RunFrame::RunFrame(RunView& view, OptionBoxes& boxes, ui::Prompter& prompter,
                   common::Settings& settings, common::SessionLog& log, platform::Clock& clock,
                   std::string iniPath, std::function<double()> freeSpaceKB, Statistics& statistics)
    : view_(view),
      boxes_(boxes),
      prompter_(prompter),
      settings_(settings),
      log_(log),
      clock_(clock),
      ini_(std::move(iniPath)),
      freeSpaceKB_(std::move(freeSpaceKB)),
      statistics_(statistics) {}

void RunFrame::fixCheckboxes(int areaCode) {
  view_.setProgressValue(0);
  std::vector<int> areas;
  if (areaCode == area::kAll)
    areas.assign(std::begin(area::kWithOptions), std::end(area::kWithOptions));
  else
    areas = {areaCode};
  int ticked = 0;
  for (int a : areas) {
    for (int i = 0; i < boxes_.options().count(a); ++i) {
      if (!boxes_.enabled(a, i)) boxes_.setValue(a, i, 0);
      if (boxes_.value(a, i) == 1) ++ticked;
    }
  }
  if (ticked >= 1) view_.setProgressMax(static_cast<float>(ticked));
}

std::string RunFrame::recordLastCleaned() {
  const std::string text = clock_.generalDate(clock_.now());
  settings_.AddToini("Senast", "Value1", text, ini_);
  state.lastCleanedText = text;
  return text;
}

void RunFrame::progressStep() {
  view_.setProgressValue(view_.progressValue() + 1);
}

void RunFrame::animateStatus() {
  if (state.statusBlink) {
    view_.setStatusText("Please Wait...");
    state.statusBlink = false;
  } else {
    view_.setStatusText((state.analyzing() ? "Analyzing... " : "Cleaning... ") + state.currentArea);
    state.statusBlink = true;
  }
}

void RunFrame::statement(common::ErrorTrap* trap, const std::function<void()>& body) {
  if (trap)
    trap->run(body);
  else
    body();
}

void RunFrame::optionStep(common::ErrorTrap* trap, const std::function<void()>& body) {
  if (stopRequested && stopRequested()) return;
  statement(trap, body);
  statement(trap, [&] { progressStep(); });
}

void RunFrame::optionStep(common::ErrorTrap* trap, int areaCode, int index,
                          const std::function<void()>& body) {
  beginOption(areaCode, index);
  optionStep(trap, body);
}

void RunFrame::optionStep(common::ErrorTrap* trap, std::string_view id,
                          const std::function<void()>& body) {
  const OptionTable::Place p = boxes_.place(id);
  optionStep(trap, p.area, p.index, body);
}

void RunFrame::beginOptionWithId(std::string_view id) {
  const OptionTable::Place p = boxes_.place(id);
  beginOption(p.area, p.index);
}

void RunFrame::beginOption(int areaCode, int index) {
  beginOption(boxes_.caption(areaCode, index));
}

void RunFrame::beginOption(const std::string& option) {
  if (onOptionStart) onOptionStart(option);
}

void RunFrame::runEngine(const EngineFrame& frame,
                         const std::function<void(common::ErrorTrap*)>& steps) {
  if (!state.cleanAllRunning && onRunStart) onRunStart();
  if (onAreaStart) onAreaStart(frame.area);
  state.currentArea = frame.area;
  std::optional<common::ErrorTrap> handler;
  if (!frame.logLabel.empty()) handler.emplace(log_, frame.logLabel);
  common::ErrorTrap* trap = handler ? &*handler : nullptr;
  for (const std::string& text : frame.firstStatus)
    statement(trap, [&] { view_.setStatusText(text); });
  if (!state.cleanAllRunning) {
    statement(trap, [&] { view_.startAnimation(frame.timerMs); });
    statement(trap, [&] { state.freeSpaceBefore = wholeKilobytes(freeSpaceKB_()); });
    statement(trap, [&] { view_.setBusyPointer(true); });
    if (frame.checkboxArea) statement(trap, [&] { fixCheckboxes(frame.checkboxArea); });
  }
  steps(trap);
  if (!state.cleanAllRunning) finish(trap);
}

void RunFrame::finish(common::ErrorTrap* trap) {
  const bool cleaning = state.kind == RunKind::Cleaning;
  statement(trap, [&] { view_.stopAnimation(); });
  if (cleaning) {
    statement(trap, [&] { view_.setStatusText(kLastCleanedPrefix + recordLastCleaned()); });
    statement(trap, [&] {
      statistics_.updateGraph(state.freeSpaceBefore, state.freeSpaceAfter, state.lastCleanedText);
    });
  } else {
    statement(trap, [&] { view_.setStatusText(kAnalysisDone); });
  }
  state.currentArea.clear();
  if (onRunEnd) statement(trap, [&] { onRunEnd(); });
  statement(trap, [&] { view_.setBusyPointer(false); });
  if (!cleaning) return;
  statement(trap, [&] {
    if (view_.closeAfterCleaning()) {
      view_.closeMainWindow();
      return;
    }
    if (!state.showDoneMessage) return;
    const std::string text =
        summary ? std::string(kDoneMessage) + "\r\n" + summary() : std::string(kDoneMessage);
    if (showDoneMessage)
      showDoneMessage(text);
    else
      prompter_.messageBox(text, "Info", ui::mb::kOk | ui::mb::kIconInformation);
  });
}

void RunFrame::runAs(RunKind kind, const std::function<void()>& command) {
  struct Restore {
    RunState& state;
    ~Restore() { state.kind = RunKind::Cleaning; }
  } restore{state};
  state.kind = kind;
  command();
}

void RunFrame::cleanAll(const Engines& engines, const PathValues& paths) {
  // Whatever an engine without a handler lets escape, the session must not stay in
  // "Clean All" mode, or every later single-area run would skip its own frame.
  struct Restore {
    RunFrame& frame;
    bool done = false;
    ~Restore() {
      if (done) return;
      frame.state.cleanAllRunning = false;
      frame.state.currentArea.clear();
      frame.view_.stopAnimation();
      frame.view_.setBusyPointer(false);
    }
  } restore{*this};

  if (onRunStart) onRunStart();
  view_.setStatusText("Please Wait");
  view_.startAnimation(10);
  state.freeSpaceBefore = wholeKilobytes(freeSpaceKB_());
  view_.setBusyPointer(true);
  state.cleanAllRunning = true;
  fixCheckboxes(area::kAll);
  auto run = [](const std::function<void()>& engine) {
    if (engine) engine();
  };
  if (paths.ieAvailable) run(engines.ie);
  if (paths.netscapeAvailable) run(engines.netscape);
  if (paths.operaAvailable) run(engines.opera);
  run(engines.windows);
  run(engines.userDefined);
  run(engines.plugins);
  // "Clean All" is over for the done message's owner, which may start the next run.
  state.cleanAllRunning = false;
  restore.done = true;
  finish(nullptr);
}

}  // namespace vorn
