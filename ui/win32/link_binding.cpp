#include "ui/win32/link_binding.h"

#include <commctrl.h>

namespace ui::win32 {
namespace {

LRESULT CALLBACK linkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  if (message == WM_SETCURSOR) {
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    return TRUE;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

LinkBinding::LinkBinding(Button& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, "STATIC", SS_LEFT | SS_NOTIFY, place), button_(model) {
  LOGFONTA lf{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  font_ = CreateFontIndirectA(&lf);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SetWindowSubclass(hwnd(), linkProc, 1, 0);
}

LinkBinding::~LinkBinding() {
  if (IsWindow(hwnd())) {
    RemoveWindowSubclass(hwnd(), linkProc, 1);
    SendMessageA(hwnd(), WM_SETFONT, 0, FALSE);
  }
  if (font_) DeleteObject(font_);
}

}  // namespace ui::win32
