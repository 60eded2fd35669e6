#pragma once
// The main window's view: the navigation bar, a panel per page filled by the page's own
// view, and the status bar; it forwards the controls' notifications to their bindings
// and the model pushes its changes back.
#include <memory>
#include <vector>

#include "main/app/main_window.h"
#include "main/app/page_view_win32.h"
#include "ui/win32/form.h"
#include "ui/win32/timer_binding.h"

namespace vorn {

class MainWindowView : public ui::win32::Form {
 public:
  static constexpr int kWidth = 624, kHeight = 486;

  explicit MainWindowView(MainWindow& model);
  ~MainWindowView() override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Builds a page's controls the first time it is shown: a start builds only the first.
  void buildPage(int index);

  MainWindow& m_;
  PageControls controls_;
  std::vector<bool> built_ = std::vector<bool>(MainWindow::Pages::kCount, false);
  std::unique_ptr<ui::win32::PageSetBinding> pages_;
  std::vector<std::unique_ptr<ui::win32::TimerBinding>> timers_;
};

}  // namespace vorn
