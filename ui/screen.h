#pragma once
// The screen as a service: the mouse pointer and letting pending window messages run.
// The Win32 build acts on the real screen; tests script and record it.
namespace ui {

enum class Pointer { Default, Hourglass };

class Screen {
 public:
  virtual ~Screen() = default;
  virtual Pointer mousePointer() const = 0;
  virtual void setMousePointer(Pointer pointer) = 0;
  // Handles the window messages that are waiting (repaints, clicks), then returns.
  virtual void doEvents() = 0;
};

}  // namespace ui
