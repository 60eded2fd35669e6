#include "ui/win32/panel.h"

namespace ui::win32 {
namespace {

// The top-level window that holds `hwnd` (GetAncestor came with 98 and 2000).
HWND topLevelOf(HWND hwnd) {
  while ((GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) && GetParent(hwnd)) hwnd = GetParent(hwnd);
  return hwnd;
}

LRESULT CALLBACK panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return SendMessageA(topLevelOf(hwnd), message, wParam, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* panelClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = panelProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TervanePanel";
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "TervanePanel";
}

void setFont(HWND hwnd) {
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

}  // namespace

HWND createPanel(HWND parent, Rect p, bool visible) {
  return CreateWindowExA(WS_EX_CONTROLPARENT, panelClass(), "",
                         WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), p.x, p.y, p.width,
                         p.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND createFrame(HWND parent, const std::string& caption, Rect p) {
  HWND h =
      CreateWindowExA(0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, p.x, p.y,
                      p.width, p.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  setFont(h);
  return h;
}

HWND createCaption(HWND parent, const std::string& caption, Rect p, DWORD style) {
  HWND h = CreateWindowExA(0, "STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | style, p.x, p.y,
                           p.width, p.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  setFont(h);
  return h;
}

}  // namespace ui::win32
