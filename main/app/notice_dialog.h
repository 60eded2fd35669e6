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

class NoticeDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Notice!";

  // `noticeOff` is told when the user ticked the box, so the main window stops showing it.
  NoticeDialog(common::Settings& settings, common::SessionLog& log, Session& session,
               ui::WindowHost& windows, std::function<void()> noticeOff);

  ui::Label supportedBrowsersLabel{"supportedBrowsersLabel",
                                   "This version of Tervane supports Internet Explorer 5.01 - 5.5,"
                                   "             Netscape 4.61 - 4.74 and Opera 4."};
  ui::Label closeBrowsersLabel{
      "closeBrowsersLabel",
      "You must close your browser(s) before you start the cleaning. If they "
      "are running some files may be locked and can't be cleaned."};
  ui::CheckBox doNotPromptBox{"doNotPromptBox", "&Do not prompt in the future."};
  ui::Button okButton{"okButton", "OK"};

 private:
  common::Settings& settings_;
  common::SessionLog& log_;
  Session& session_;
};

}  // namespace vorn
