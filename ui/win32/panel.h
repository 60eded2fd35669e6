#pragma once
// Plain container windows for pages and tabs, and frames. A panel hands its children's
// notifications (commands, notifies, scrolls, drawing, colours) to the top-level window,
// so one window procedure serves every control however deeply it is placed.
#include <windows.h>

#include <string>

#include "ui/win32/control_binding.h"

namespace ui::win32 {

HWND createPanel(HWND parent, Rect place, bool visible);
// A group box with a caption, for the frames of a page.
HWND createFrame(HWND parent, const std::string& caption, Rect place);
// A fixed caption that has no model (field captions next to text boxes).
HWND createCaption(HWND parent, const std::string& caption, Rect place, DWORD style = SS_LEFT);

}  // namespace ui::win32
