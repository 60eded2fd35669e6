#pragma once
// The keys every window of the program answers, for the message loops: Ctrl+Tab and
// Ctrl+Shift+Tab turn the shown tab strip, Alt+letter presses a toolbar button by its
// access key, and the dialog keys (Tab, arrows, Enter, Esc, access keys) work as in a
// dialog box. Only the program's own windows are handled.
#include <windows.h>

namespace ui::win32 {

// True when the message was handled and must not be dispatched.
bool translateWindowKeys(MSG& msg);

// The top-level window that holds `hwnd` (GetAncestor came with 98 and 2000).
HWND topLevelOf(HWND hwnd);
// Whether `control` shows inside `top`: it and every parent up to `top` are visible,
// whether `top` itself is shown yet or not.
bool shownWithin(HWND control, HWND top);
// Turns the tab strip shown in `top` by `step` tabs, skipping tabs the strip refuses.
// False when no tab strip shows.
bool turnTabStrip(HWND top, int step);
// Presses the enabled toolbar button shown in `top` whose caption marks `key`.
bool pressToolbarKey(HWND top, char key);

}  // namespace ui::win32
