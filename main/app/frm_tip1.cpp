#include "main/app/frm_tip1.h"

#include "common/error_trap.h"

namespace vorn {

FrmTip1::FrmTip1(common::Settings& settings, common::SessionLog& log, Session& session,
                 ui::WindowHost& windows, std::function<void()> noticeOff)
    : ui::WindowModel(kCaption), settings_(settings), log_(log), session_(session) {
  chkLoadTipsAtStartup.onClick = [this, noticeOff] {
    common::ErrorTrap trap(log_, "frmTip1.chkLoadTipsAtStartup");
    trap.run([&] {
      // Only ticking writes: unticking again before OK leaves the notice off.
      if (chkLoadTipsAtStartup.value() == ui::CheckBox::kChecked) {
        settings_.AddToini("Inst", "Showtip", "0", session_.mainten());
        if (noticeOff) noticeOff();
      }
    });
  };
  cmdOK.onClick = [this, &windows] { windows.close(*this); };
}

}  // namespace vorn
