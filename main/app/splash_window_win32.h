#pragma once
// The splash window's view.
#include "main/app/splash_window.h"
#include "ui/win32/form.h"

namespace vorn {

class SplashWindowView : public ui::win32::Form {
 public:
  explicit SplashWindowView(SplashWindow& model);
  ~SplashWindowView() override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SplashWindow& model_;
  HFONT titleFont_ = nullptr;
};

}  // namespace vorn
