#include "main/app/notice_dialog.h"

#include "common/error_trap.h"

namespace vorn {

NoticeDialog::NoticeDialog(common::Settings& settings, common::SessionLog& log, Session& session,
                           ui::WindowHost& windows, std::function<void()> noticeOff)
    : ui::WindowModel(kCaption), settings_(settings), log_(log), session_(session) {
  doNotPromptBox.onClick = [this, noticeOff] {
    common::ErrorTrap trap(log_, "frmTip1.chkLoadTipsAtStartup");
    trap.run([&] {
      // Only ticking writes: unticking again before OK leaves the notice off.
      if (doNotPromptBox.value() == ui::CheckBox::kChecked) {
        settings_.AddToini("Inst", "Showtip", "0", session_.mainten());
        if (noticeOff) noticeOff();
      }
    });
  };
  okButton.onClick = [this, &windows] { windows.close(*this); };
}

}  // namespace vorn
