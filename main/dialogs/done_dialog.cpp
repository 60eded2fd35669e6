#include "main/dialogs/done_dialog.h"

namespace vorn {

DoneDialog::DoneDialog(ui::WindowHost& windows) : ui::WindowModel(kCaption), windows_(windows) {
  okButton.onClick = [this] { windows_.close(*this); };
  detailsButton.onClick = [this] {
    if (details_) details_();
  };
}

void DoneDialog::show(const std::string& text, std::function<void()> details,
                      ui::WindowModel* owner) {
  messageLabel.setCaption(text);
  details_ = std::move(details);
  detailsButton.setEnabled(static_cast<bool>(details_));
  windows_.showModal(*this, owner);
  details_ = nullptr;
}

}  // namespace vorn
