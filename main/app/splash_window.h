#pragma once
// The splash window: no caption, a frame with a picture, the version and the credits.
// A key press or a click on the frame closes it early.
#include "ui/label.h"
#include "ui/window_host.h"

namespace vorn {

class SplashWindow : public ui::WindowModel {
 public:
  explicit SplashWindow(ui::WindowHost& windows) : ui::WindowModel(""), windows_(windows) {}
  ui::Label productLabel{"productLabel", "Tervane"};
  ui::Label versionLabel{"versionLabel", "Version 6.6"};
  ui::Label creditLabel{"creditLabel", "Tervane privacy cleaner - by the Tervane team"};
  // A key press on the window or a click on its frame: it goes at once.
  void dismiss() { windows_.close(*this); }

 private:
  ui::WindowHost& windows_;
};

}  // namespace vorn
