#pragma once
// The main window's view: every page as a panel of bound controls; it forwards the
// controls' notifications to their bindings and the model pushes its changes back.
#include <map>
#include <memory>
#include <vector>

#include "main/app/child8.h"
#include "ui/win32/form.h"
#include "ui/win32/slider_binding.h"
#include "ui/win32/tab_strip_binding.h"
#include "ui/win32/timer_binding.h"
#include "ui/win32/toolbar_binding.h"

namespace vorn {

class Child8View : public ui::win32::Form {
 public:
  static constexpr int kWidth = 624, kHeight = 486;

  explicit Child8View(Child8& model);
  ~Child8View() override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  template <class Binding, class Model, class... Extra>
  Binding& add(HWND parent, Model& model, ui::win32::Rect place, Extra&&... extra) {
    auto binding =
        std::make_unique<Binding>(model, parent, nextId_++, place, std::forward<Extra>(extra)...);
    Binding& result = *binding;
    byId_[result.id()] = &result;
    bindings_.push_back(std::move(binding));
    return result;
  }
  ui::win32::ToolbarBinding& addToolbar(HWND parent, ui::Toolbar& model, ui::win32::Rect place,
                                        bool navigation = false);

  void buildCleanPage(HWND page);
  void buildPathPage(HWND page);
  void buildMaintenancePage(HWND page);
  void buildStatisticsPage(HWND page);
  void buildHelpPage(HWND page);
  void buildAboutPage(HWND page);
  void pathRow(HWND tab, int y, const char* caption, ui::TextBox& box, ui::Button* browse);

  Child8& m_;
  int nextId_ = 2000;
  std::vector<std::unique_ptr<ui::win32::ControlBinding>> bindings_;
  std::map<int, ui::win32::ControlBinding*> byId_;
  std::map<HWND, ui::win32::ToolbarBinding*> toolbars_;
  std::map<HWND, ui::win32::SliderBinding*> sliders_;
  std::map<int, ui::win32::TabStripBinding*> tabStrips_;
  std::vector<HWND> notices_, links_;
  std::unique_ptr<ui::win32::PageSetBinding> pages_;
  std::vector<std::unique_ptr<ui::win32::TimerBinding>> timers_;
  HFONT titleFont_ = nullptr;
};

}  // namespace vorn
