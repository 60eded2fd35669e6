#pragma once
// "Clean All": asked before a Clean All started in the window, naming the areas and the
// options it will clean, with the choice to see what it would remove first.
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/text_box.h"
#include "ui/window_host.h"

namespace vorn {

class CleanAllConfirmDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Clean All";
  enum class Choice { Cancel, AnalyzeFirst, Clean };

  explicit CleanAllConfirmDialog(ui::WindowHost& windows);
  // Shows `areas` (each area, then its options, one to a line) modal over
  // `owner` and returns the user's choice; the close box and Esc cancel.
  Choice ask(const std::string& areas, ui::WindowModel* owner);
  // Whether the user ticked "Do not ask again" before choosing.
  bool doNotAskAgain() const { return doNotAskBox.value() == 1; }

  ui::Label introLabel{"introLabel", "Clean All will clean these a&reas and options:"};
  ui::TextBox areasText{"areasText"};
  ui::CheckBox doNotAskBox{"doNotAskBox", "&Do not ask again"};
  ui::Button analyzeFirstButton{"analyzeFirstButton", "&Analyze first"};
  ui::Button cleanButton{"cleanButton", "&Clean"};
  ui::Button cancelButton{"cancelButton", "Cancel"};

 private:
  ui::WindowHost& windows_;
  Choice choice_ = Choice::Cancel;
};

// The lines the dialog shows: for each area, the captions of its ticked options.
struct TickedArea {
  std::string area;
  std::vector<std::string> options;
};
std::string tickedAreasText(const std::vector<TickedArea>& areas);

}  // namespace vorn
