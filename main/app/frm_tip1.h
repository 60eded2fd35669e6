#pragma once
// The notice shown over the main window at start-up until the user asks not to see it.
#include <functional>

#include "common/settings.h"
#include "main/app/session.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/window_host.h"

namespace vorn {

class FrmTip1 : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Notice!";

  // `noticeOff` is told when the user ticked the box, so the main window stops showing it.
  FrmTip1(common::Settings& settings, common::SessionLog& log, Session& session,
          ui::WindowHost& windows, std::function<void()> noticeOff);

  ui::Label lblSupported{"Label1",
                         "This version of Tervane supports Internet Explorer 5.01 - 5.5,"
                         "             Netscape 4.61 - 4.74 and Opera 4."};
  ui::Label lblClose{"Label2",
                     "You must close your browser(s) before you start the cleaning. If they "
                     "are running some files may be locked and can't be cleaned."};
  ui::CheckBox chkLoadTipsAtStartup{"chkLoadTipsAtStartup", "Do not prompt in the future."};
  ui::Button cmdOK{"cmdOK", "OK"};

 private:
  common::Settings& settings_;
  common::SessionLog& log_;
  Session& session_;
};

// The splash window: no caption, a frame with a picture, the version and the credits.
// A key press or a click on the frame closes it early.
class FrmSplash : public ui::WindowModel {
 public:
  explicit FrmSplash(ui::WindowHost& windows) : ui::WindowModel(""), windows_(windows) {}
  ui::Label lblProduct{"lblProductName", "Tervane"};
  ui::Label lblVersion{"lblVersion", "Version 6.6"};
  ui::Label lblCredit{"lblCredit", "Tervane privacy cleaner - by the Tervane team"};
  // A key press on the window or a click on its frame: it goes at once.
  void dismiss() { windows_.close(*this); }

 private:
  ui::WindowHost& windows_;
};

}  // namespace vorn
