#pragma once
// A tab strip as the common-controls tab control over one panel per tab: the panel of
// the shown tab is visible, the others hidden. Disabled tabs are drawn greyed and refuse
// the user's choice. The parent forwards TCN_SELCHANGE and WM_DRAWITEM.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <vector>

#include "ui/tab_strip.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class TabStripBinding : public ControlBinding {
 public:
  TabStripBinding(TabStrip& model, HWND parent, int id, Rect place);
  // The panels, one per tab, laid over the strip's display area.
  const std::vector<HWND>& pages() const { return pages_; }
  // Called with a tab's index before its panel is shown, so that the panel's controls
  // need not exist until the tab is first chosen.
  std::function<void(int)> beforeShow;
  void selectionChanged();
  void draw(const DRAWITEMSTRUCT& item);

 protected:
  void update(Change what) override;

 private:
  void showShownPage();
  TabStrip& strip_;
  std::vector<HWND> pages_;
};

// The page set of a strip whose headers are never shown (the main window's pages):
// one panel per tab, shown as the model's tab changes.
class PageSetBinding : public ControlView {
 public:
  PageSetBinding(TabStrip& model, HWND parent, Rect place);
  ~PageSetBinding() override;
  PageSetBinding(const PageSetBinding&) = delete;
  PageSetBinding& operator=(const PageSetBinding&) = delete;
  const std::vector<HWND>& pages() const { return pages_; }
  void modelChanged(Control& control, Change what) override;
  // Called with a page's index before its panel is first shown, so that its controls
  // need not exist until then.
  std::function<void(int)> beforeShow;

 private:
  TabStrip& strip_;
  std::vector<HWND> pages_;
};

}  // namespace ui::win32
