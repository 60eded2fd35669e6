#include "ui/win32/link_binding.h"

namespace ui::win32 {
namespace {

// The STATIC's own window procedure, kept in a window property: subclassing through
// the window procedure works on every Windows (the comctl32 subclass helpers are
// exported by name only from XP on).
constexpr char kOldProc[] = "TervaneLinkOldProc";
// The hand pointer came with Windows 98 and 2000; the arrow stands in for it before.
constexpr WORD kHandCursor = 32649;

LRESULT CALLBACK linkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR) {
    HCURSOR hand = LoadCursorA(nullptr, MAKEINTRESOURCEA(kHandCursor));
    SetCursor(hand ? hand : LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
  }
  auto old = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOldProc));
  return old ? CallWindowProcA(old, hwnd, message, wParam, lParam)
             : DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

LinkBinding::LinkBinding(Button& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, "STATIC", SS_LEFT | SS_NOTIFY, place), button_(model) {
  LOGFONTA lf{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  font_ = CreateFontIndirectA(&lf);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  const LONG_PTR old =
      SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&linkProc));
  SetPropA(hwnd(), kOldProc, reinterpret_cast<HANDLE>(old));
}

LinkBinding::~LinkBinding() {
  if (IsWindow(hwnd())) {
    if (HANDLE old = RemovePropA(hwnd(), kOldProc))
      SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    SendMessageA(hwnd(), WM_SETFONT, 0, FALSE);
  }
  if (font_) DeleteObject(font_);
}

}  // namespace ui::win32
