#include "main/dialogs/keep_list_dialog_view_win32.h"

namespace vorn {

using namespace ui::win32;

bool KeepListDialogView::createWithBars(const char* caption, int clientWidth, int clientHeight,
                                        ui::Toolbar& addBar, ui::Toolbar& removeBar) {
  if (!create(
          caption, clientWidth, clientHeight,
          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN))
    return false;
  addBar_ = &add<ToolbarBinding>(addBar, {10, 6, 80, 26}, actionPictures());
  removeBar_ = &add<ToolbarBinding>(removeBar, {94, 6, 96, 26}, actionPictures());
  return true;
}

void KeepListDialogView::addOkCancel(ui::Button& ok, ui::Button& cancel, int right, int y) {
  anchors.add(add<ButtonBinding>(ok, {right - kButtonWidth - 96, y, kButtonWidth, 26}, true).hwnd(),
              Anchors::kDown | Anchors::kRight);
  HWND cancelled = add<ButtonBinding>(cancel, {right - kButtonWidth, y, kButtonWidth, 26}).hwnd();
  setCancelButton(cancelled);
  anchors.add(cancelled, Anchors::kDown | Anchors::kRight);
}

LRESULT KeepListDialogView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A toolbar's WM_COMMAND carries the button's command id, not the control's.
  if (message == WM_COMMAND && lParam != 0) {
    for (ToolbarBinding* bar : {addBar_, removeBar_}) {
      if (bar && reinterpret_cast<HWND>(lParam) == bar->hwnd()) {
        bar->buttonCommand(LOWORD(wParam));
        return 0;
      }
    }
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
