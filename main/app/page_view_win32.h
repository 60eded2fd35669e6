#pragma once
// What the main window's view lends each page's view: it creates bound controls on the
// page's panel and keeps them where the window's message handler finds them.
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "main/app/main_pages.h"
#include "ui/win32/anchors.h"
#include "ui/win32/control_binding.h"
#include "ui/win32/slider_binding.h"
#include "ui/win32/tab_strip_binding.h"
#include "ui/win32/toolbar_binding.h"

namespace vorn {

class PageControls {
 public:
  PageControls() = default;
  PageControls(const PageControls&) = delete;
  ~PageControls();

  template <class Binding, class Model, class... Extra>
  Binding& add(HWND parent, Model& model, ui::win32::Rect place, Extra&&... extra) {
    auto binding =
        std::make_unique<Binding>(model, parent, nextId_++, place, std::forward<Extra>(extra)...);
    Binding& result = *binding;
    byId_[result.id()] = &result;
    bindings_.push_back(std::move(binding));
    return result;
  }
  // The navigation bar has large pictures; the pages' bars have small ones, text beside.
  ui::win32::ToolbarBinding& addToolbar(HWND parent, ui::Toolbar& model, ui::win32::Rect place,
                                        bool navigation = false);
  ui::win32::TabStripBinding& addTabStrip(HWND parent, ui::TabStrip& model, ui::win32::Rect place);
  ui::win32::SliderBinding& addSlider(HWND parent, ui::Slider& model, ui::win32::Rect place);
  // Static controls drawn in the notice red or the link blue.
  void markNotice(HWND control) { notices_.push_back(control); }
  void markLink(HWND control) { links_.push_back(control); }
  // The About page's title.
  HFONT titleFont = nullptr;
  // How a control follows the window's size (ui::win32::Anchors); unmoved by default.
  ui::win32::Anchors* anchors = nullptr;
  void anchor(HWND control, unsigned how) {
    if (anchors) anchors->add(control, how);
  }
  // Places controls built after the window was resized for its present size.
  std::function<void()> placeLateControls;

  ui::win32::ControlBinding* byId(int id) const;
  ui::win32::ToolbarBinding* toolbar(HWND control) const;
  ui::win32::SliderBinding* slider(HWND control) const;
  ui::win32::TabStripBinding* tabStrip(int id) const;
  bool isNotice(HWND control) const;
  bool isLink(HWND control) const;
  void clear();

 private:
  int nextId_ = 2000;
  std::vector<std::unique_ptr<ui::win32::ControlBinding>> bindings_;
  std::map<int, ui::win32::ControlBinding*> byId_;
  std::map<HWND, ui::win32::ToolbarBinding*> toolbars_;
  std::map<HWND, ui::win32::SliderBinding*> sliders_;
  std::map<int, ui::win32::TabStripBinding*> tabStrips_;
  std::vector<HWND> notices_, links_;
};

// Each page's view (buildPageView in page_name_win32.cpp) lays the page's controls out
// on its panel.
struct PageViewSite {
  PageControls& controls;
  HWND panel;
};

}  // namespace vorn
