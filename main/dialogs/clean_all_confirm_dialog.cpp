#include "main/dialogs/clean_all_confirm_dialog.h"

namespace vorn {

CleanAllConfirmDialog::CleanAllConfirmDialog(ui::WindowHost& windows)
    : ui::WindowModel(kCaption), windows_(windows) {
  auto choose = [this](Choice c) {
    return [this, c] {
      choice_ = c;
      windows_.close(*this);
    };
  };
  analyzeFirstButton.onClick = choose(Choice::AnalyzeFirst);
  cleanButton.onClick = choose(Choice::Clean);
  cancelButton.onClick = choose(Choice::Cancel);
}

CleanAllConfirmDialog::Choice CleanAllConfirmDialog::ask(const std::string& areas,
                                                         ui::WindowModel* owner) {
  choice_ = Choice::Cancel;
  doNotAskBox.setValue(0);
  areasText.setText(areas);
  windows_.showModal(*this, owner);
  return choice_;
}

std::string tickedAreasText(const std::vector<TickedArea>& areas) {
  // One option to a line under its area, so that nothing needs scrolling sideways.
  std::string text;
  for (const TickedArea& a : areas) {
    if (a.options.empty()) continue;
    if (!text.empty()) text += "\r\n";
    text += a.area + ":";
    for (const std::string& option : a.options) text += "\r\n    " + option;
  }
  return text.empty() ? "No option is ticked: nothing will be cleaned." : text;
}

}  // namespace vorn
