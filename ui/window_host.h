#pragma once
// Windows as a service: showing a window modally or not, closing it, and the list of the
// program's open windows. The Win32 build creates the real windows; tests script what
// the user does while a modal window is up.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

// What the host knows of a window model: its caption and what runs when it closes.
class WindowModel {
 public:
  explicit WindowModel(std::string caption) : caption_(std::move(caption)) {}
  virtual ~WindowModel() = default;
  const std::string& caption() const { return caption_; }
  // For a window whose caption depends on what it shows; set before it is shown.
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  // Runs when the window is closed, by its close box or from code.
  std::function<void()> onUnload;
  // Runs when the user asks to close the window by its close box; false keeps it open.
  std::function<bool()> onQueryClose;

 private:
  std::string caption_;
};

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Shows `window` over `owner` and returns once it has been closed.
  virtual void showModal(WindowModel& window, WindowModel* owner) = 0;
  virtual void show(WindowModel& window) = 0;
  // Shows `window` over `owner` and returns at once; `owner` takes no input until
  // `window` is closed. For a progress window over work that runs on.
  virtual void showOver(WindowModel& window, WindowModel& owner) = 0;
  // Closes an open window: its unload handler runs, then it goes away.
  virtual void close(WindowModel& window) = 0;
  // The program's open windows, the first opened first.
  virtual std::vector<WindowModel*> openWindows() = 0;
};

}  // namespace ui
