#pragma once
// What the views of the two cookie keep-list dialogs share: the "add" and "remove" action
// bars at the top left, whose button commands they route; lists under their captions, each
// with its button beneath its right end; OK and Cancel side by side at the bottom right.
#include <utility>

#include "ui/button.h"
#include "ui/toolbar.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/form.h"
#include "ui/win32/panel.h"
#include "ui/win32/toolbar_binding.h"

namespace vorn {

class KeepListDialogView : public ui::win32::Form {
 protected:
  // Creates the window, with a client area of the given size, and the two bars; false
  // when the system refused the window.
  bool createWithBars(const char* caption, int clientWidth, int clientHeight, ui::Toolbar& addBar,
                      ui::Toolbar& removeBar);

  // `caption` above the list at `place`, and `button` under the list's right end. The
  // list follows the window's size as `grow` says (ui::win32::Anchors), the button its
  // right end and foot.
  template <class Binding, class List, class... Extra>
  Binding& addCaptionedList(const char* caption, List& list, ui::Button& button,
                            ui::win32::Rect place, unsigned grow, Extra&&... extra) {
    using ui::win32::Anchors;
    ui::win32::createCaption(hwnd(), caption, {place.x, place.y - 18, place.width, 16});
    Binding& shown = add<Binding>(list, place, std::forward<Extra>(extra)...);
    anchors.add(shown.hwnd(), grow);
    HWND pressed =
        add<ui::win32::ButtonBinding>(button, {place.x + place.width - kButtonWidth,
                                               place.y + place.height + 6, kButtonWidth, 26})
            .hwnd();
    anchors.add(pressed, ((grow & Anchors::kWider) ? Anchors::kRight : 0u) |
                             ((grow & Anchors::kTaller) ? Anchors::kDown : 0u));
    return shown;
  }

  // OK, the default button, left of Cancel, whose right edge is at `right`.
  void addOkCancel(ui::Button& ok, ui::Button& cancel, int right, int y);

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr int kButtonWidth = 90;
  ui::win32::ToolbarBinding* addBar_ = nullptr;
  ui::win32::ToolbarBinding* removeBar_ = nullptr;
};

}  // namespace vorn
