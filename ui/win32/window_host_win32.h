#pragma once
// The window host on real windows: each window model is registered with a factory for
// its view; showing creates the view, closing runs the model's unload handler and
// destroys it. A modal window disables its owner and runs a message loop of its own
// until it is closed.
#include <functional>
#include <memory>
#include <vector>

#include "ui/win32/form.h"
#include "ui/window_host.h"

namespace ui::win32 {

class Win32WindowHost : public WindowHost {
 public:
  using ViewFactory = std::function<std::unique_ptr<Form>(WindowModel& model)>;

  ~Win32WindowHost() override { clearViews(); }

  // `quitWhenClosed`: the program ends when this window is gone (the main window).
  void registerView(WindowModel& model, ViewFactory make, bool quitWhenClosed = false);

  void showModal(WindowModel& window, WindowModel* owner) override;
  void show(WindowModel& window) override;
  void showOver(WindowModel& window, WindowModel& owner) override;
  void close(WindowModel& window) override;
  std::vector<WindowModel*> openWindows() override { return open_; }

  // The view's window, or nullptr while the model is not shown.
  HWND hwndOf(const WindowModel& window) const;
  // Destroys every view; call before the models go away.
  void clearViews();

 private:
  struct Entry {
    WindowModel* model;
    ViewFactory make;
    bool quitWhenClosed;
    std::unique_ptr<Form> view;
    HWND disabledOwner = nullptr;  // enabled again when this window closes
  };
  Entry* find(const WindowModel& window);
  const Entry* find(const WindowModel& window) const;
  bool isOpen(const WindowModel& window) const;
  // Makes `owner` the window's owner and centres the window over it.
  void placeOver(HWND self, HWND owner);

  std::vector<Entry> entries_;
  std::vector<WindowModel*> open_;
  // Views closed from inside their own message handlers live until it is safe.
  std::vector<std::unique_ptr<Form>> closed_;
};

}  // namespace ui::win32
