#pragma once
// Views of the notice dialog and the splash window.
#include "main/app/frm_tip1.h"
#include "ui/win32/form.h"
#include "ui/window_host.h"

namespace vorn {

class FrmTip1View : public ui::win32::Form {
 public:
  explicit FrmTip1View(FrmTip1& model);
};

class FrmSplashView : public ui::win32::Form {
 public:
  explicit FrmSplashView(FrmSplash& model);
  ~FrmSplashView() override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  FrmSplash& model_;
  HFONT titleFont_ = nullptr;
};

}  // namespace vorn
