#pragma once
// The top-level windows of the desktop: listing them with their titles, bringing one to
// the front, asking one to close. The Internet Properties automation finds the dialog
// it drives through this service.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A window handle as a number; 0 is no window.
using WindowHandle = std::uintptr_t;

struct TopWindow {
  WindowHandle handle = 0;
  std::string title;           // the window text, at most 255 characters
  std::uint32_t processId = 0; // the process that made the window
  bool visible = false;
};

class TopWindows {
 public:
  virtual ~TopWindows() = default;
  // Every top-level window in the system's window order (the desktop's first child, then
  // each next window), hidden ones included.
  virtual std::vector<TopWindow> list() = 0;
  // The window that receives the keyboard now (GetForegroundWindow), 0 for none.
  virtual WindowHandle foreground() = 0;
  // Brings the window to the front and gives it the keyboard. True when it is then the
  // foreground window; the system may refuse.
  virtual bool bringToFront(WindowHandle window) = 0;
  // Asks the window to close, as its close box does (a posted WM_CLOSE).
  virtual void close(WindowHandle window) = 0;
  // Lets about `ms` milliseconds pass while the caller's own window messages are handled,
  // so that a starting program can show its window.
  virtual void pause(int ms) = 0;
  // Whether two window titles are equal without regard to case, as the user's locale
  // compares text.
  virtual bool sameTitle(const std::string& a, const std::string& b) = 0;
};

}  // namespace platform
