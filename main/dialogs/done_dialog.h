#pragma once
// The message at the end of a cleaning started in the window: what it removed, in one
// line under the done text, and "Details" for the report in the program's own window.
#include <functional>
#include <string>

#include "ui/button.h"
#include "ui/label.h"
#include "ui/window_host.h"

namespace vorn {

class DoneDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Info";

  explicit DoneDialog(ui::WindowHost& windows);
  // Shows `text` modal over `owner` until OK; "Details" runs `details` meanwhile, and is
  // disabled when there is none.
  void show(const std::string& text, std::function<void()> details, ui::WindowModel* owner);

  ui::Label messageLabel{"messageLabel"};
  ui::Button okButton{"okButton", "OK"};
  ui::Button detailsButton{"detailsButton", "&Details"};

 private:
  ui::WindowHost& windows_;
  std::function<void()> details_;
};

}  // namespace vorn
