#pragma once
// Binds one model control to one standard Win32 child control whose window text is the
// control's caption, so that screen readers and UI automation find it by name. The
// binding pushes model changes to the window; subclasses forward the control's
// notifications (WM_COMMAND codes) to the model.
#include <windows.h>

#include <string>

#include "ui/control.h"

namespace ui::win32 {

// A child control's place in its window's client area, in pixels.
struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

class ControlBinding : public ControlView {
 public:
  // `initialText`, when given, is the window text at creation instead of the caption.
  ControlBinding(Control& model, HWND parent, int id, const char* windowClass, DWORD style,
                 Rect place, DWORD exStyle = 0, const char* initialText = nullptr);
  ~ControlBinding() override;
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;

  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }
  Control& model() const { return model_; }

  // A notification from the control, as its parent received it in WM_COMMAND.
  virtual void command(int code) {}
  void modelChanged(Control& control, Change what) override;

  // The window text, as the user or the system left it.
  std::string windowText() const;

 protected:
  // Pushes the parts of state that only the subclass knows (items, values).
  virtual void update(Change what) {}

 private:
  Control& model_;
  HWND hwnd_;
  int id_;
};

}  // namespace ui::win32
