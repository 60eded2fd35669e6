#include "ui/win32/control_binding.h"

#include <vector>

namespace ui::win32 {

ControlBinding::ControlBinding(Control& model, HWND parent, int id, const char* windowClass,
                               DWORD style, Rect place, DWORD exStyle, const char* initialText)
    : model_(model), id_(id) {
  style |= WS_CHILD;
  if (model.visible()) style |= WS_VISIBLE;
  if (!model.enabled()) style |= WS_DISABLED;
  hwnd_ = CreateWindowExA(exStyle, windowClass, initialText ? initialText : model.caption().c_str(),
                          style, place.x, place.y, place.width, place.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleA(nullptr), nullptr);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  model_.bind(this);
}

ControlBinding::~ControlBinding() {
  if (model_.view() == this) model_.bind(nullptr);
}

std::string ControlBinding::windowText() const {
  int length = GetWindowTextLengthA(hwnd_);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  int got = GetWindowTextA(hwnd_, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? got : 0);
}

void ControlBinding::modelChanged(Control& control, Change what) {
  switch (what) {
    case Change::Caption:
      SetWindowTextA(hwnd_, control.caption().c_str());
      break;
    case Change::Enabled:
      EnableWindow(hwnd_, control.enabled());
      break;
    case Change::Visible:
      ShowWindow(hwnd_, control.visible() ? SW_SHOW : SW_HIDE);
      break;
    default:
      break;
  }
  update(what);
}

}  // namespace ui::win32
