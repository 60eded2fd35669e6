#include "ui/win32/keyboard.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/mnemonic.h"

namespace ui::win32 {
namespace {

bool hasClass(HWND hwnd, const char* name) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return lstrcmpiA(cls, name) == 0;
}

struct ShownOfClass {
  HWND top;
  const char* cls;
  std::vector<HWND> found;
};

BOOL CALLBACK collectShown(HWND hwnd, LPARAM p) {
  auto* s = reinterpret_cast<ShownOfClass*>(p);
  if (hasClass(hwnd, s->cls) && shownWithin(hwnd, s->top) && IsWindowEnabled(hwnd))
    s->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> shownOfClass(HWND top, const char* cls) {
  ShownOfClass s{top, cls, {}};
  EnumChildWindows(top, collectShown, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Tells the strip's parent the selection changed, as a click on a tab does.
void notifySelectionChanged(HWND strip) {
  NMHDR n{};
  n.hwndFrom = strip;
  n.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(strip));
  n.code = TCN_SELCHANGE;
  SendMessageA(GetParent(strip), WM_NOTIFY, n.idFrom, reinterpret_cast<LPARAM>(&n));
}

}  // namespace

HWND topLevelOf(HWND hwnd) {
  while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) && GetParent(hwnd))
    hwnd = GetParent(hwnd);
  return hwnd;
}

bool shownWithin(HWND control, HWND top) {
  for (HWND w = control; w && w != top; w = GetParent(w))
    if (!(GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE)) return false;
  return true;
}

bool turnTabStrip(HWND top, int step) {
  const std::vector<HWND> strips = shownOfClass(top, WC_TABCONTROLA);
  if (strips.empty()) return false;
  // The strip around the focus where pages nest; otherwise the first shown.
  HWND strip = strips.front();
  HWND focus = GetFocus();
  for (HWND s : strips)
    if (focus && (focus == s || IsChild(GetParent(s), focus))) strip = s;
  const int count = static_cast<int>(SendMessageA(strip, TCM_GETITEMCOUNT, 0, 0));
  const int from = static_cast<int>(SendMessageA(strip, TCM_GETCURSEL, 0, 0));
  for (int k = 1; k < count; ++k) {
    const int next = ((from + step * k) % count + count) % count;
    SendMessageA(strip, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
    notifySelectionChanged(strip);
    if (SendMessageA(strip, TCM_GETCURSEL, 0, 0) == next) break;
  }
  // A focus left on the page that went away would be lost.
  focus = GetFocus();
  if (!focus || !shownWithin(focus, top)) SetFocus(strip);
  return true;
}

bool pressToolbarKey(HWND top, char key) {
  for (HWND bar : shownOfClass(top, TOOLBARCLASSNAMEA)) {
    const int count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TBBUTTON b{};
      if (!SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b)) ||
          !(b.fsState & TBSTATE_ENABLED) || (b.fsState & TBSTATE_HIDDEN))
        continue;
      char text[256] = {};
      if (SendMessageA(bar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(b.idCommand),
                       reinterpret_cast<LPARAM>(text)) <= 0 ||
          mnemonicOf(text) != key)
        continue;
      SendMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(b.idCommand, BN_CLICKED),
                   reinterpret_cast<LPARAM>(bar));
      return true;
    }
  }
  return false;
}

bool translateWindowKeys(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND top = topLevelOf(msg.hwnd);
  if (!top || !hasClass(top, "TervaneForm")) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000))
    return turnTabStrip(top, (GetKeyState(VK_SHIFT) & 0x8000) ? -1 : 1);
  if (msg.message == WM_SYSCHAR) {
    char key = static_cast<char>(msg.wParam);
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    // The toolbars first: the dialog keys know only buttons and labels, and take
    // every key they are given.
    if (pressToolbarKey(top, key)) return true;
  }
  return IsDialogMessageA(top, &msg) != FALSE;
}

}  // namespace ui::win32
