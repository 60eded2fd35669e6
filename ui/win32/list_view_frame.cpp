#include "ui/win32/list_view_frame.h"

namespace ui::win32 {
namespace {

const char* registeredFrameClass(const char* name) {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return name;
  wc.lpfnWndProc = DefWindowProcA;  // replaced per window once the binding exists
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
  return name;
}

}  // namespace

ListViewFrame::ListViewFrame(Control& model, HWND parent, int id, Rect place,
                             const char* frameClass, DWORD frameStyle, DWORD listStyle,
                             DWORD extendedStyle)
    : ControlBinding(model, parent, id, registeredFrameClass(frameClass), frameStyle, place) {
  SetWindowLongPtrA(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&frameProc));
  list_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_SINGLESEL | LVS_SHOWSELALWAYS | listStyle, 0, 0,
      place.width, place.height, hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extendedStyle, extendedStyle);
}

LRESULT CALLBACK ListViewFrame::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ListViewFrame*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == self->list_) self->notified(*header, lParam);
        return 0;
      }
      case WM_SETFOCUS:
        SetFocus(self->list_);
        return 0;
      case WM_SIZE:  // the list fills its frame, also when its window lays out anew
        SetWindowPos(self->list_, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
      case WM_ENABLE:
        EnableWindow(self->list_, static_cast<BOOL>(wParam));
        return 0;
      case WM_DESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void ListViewFrame::beginRefill() {
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
}

void ListViewFrame::endRefill() {
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void ListViewFrame::showSelection(int index, bool scrollIntoView) {
  pushing_ = true;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index >= 0) {
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    if (scrollIntoView) SendMessageA(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
  }
  pushing_ = false;
}

}  // namespace ui::win32
