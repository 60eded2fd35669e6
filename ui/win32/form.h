#pragma once
// A top-level window that hosts bound model controls: it creates them, routes their
// notifications to their bindings, and asks its owner before it closes. `this` is
// stored at WM_NCCREATE and every message goes through handleMessage.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/screen.h"
#include "ui/win32/anchors.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class Form {
 public:
  Form() = default;
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window, hidden, with a client area of the given size, centred on the
  // screen. False when the system refused.
  bool create(const std::string& caption, int clientWidth, int clientHeight,
              DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  HWND hwnd() const { return hwnd_; }
  void show(int how = SW_SHOWNORMAL);
  // Destroys the window once the current message has been handled; no close request.
  void close();

  // Creates a child control bound to `model`: Binding(model, parent, id, place, extra...).
  template <class Binding, class Model, class... Extra>
  Binding& add(Model& model, Rect place, Extra&&... extra) {
    auto binding =
        std::make_unique<Binding>(model, hwnd_, nextId_++, place, std::forward<Extra>(extra)...);
    Binding& result = *binding;
    bindings_.push_back(std::move(binding));
    return result;
  }

  // The pointer the window shows while the screen says hourglass.
  void setScreen(const Screen* screen) { screen_ = screen; }
  // Asked on the close box; false keeps the window open.
  std::function<bool()> onCloseRequest;
  // Runs when the window has been destroyed.
  std::function<void()> onDestroyed;
  bool quitOnDestroy = true;
  // Esc presses this button; without one it asks to close, as the close box does.
  void setCancelButton(HWND button) { cancelButton_ = button; }
  // The main window stays on Esc.
  bool closesOnEscape = true;
  // A window with a sizing frame: the anchored controls follow its size, which never
  // goes below the client size it was created with.
  Anchors anchors;
  // Places anchored controls added after the window was resized for its present size.
  void applyAnchors();
  // Focused when the window opens; the first control in the Tab order otherwise.
  void setInitialFocus(HWND control) { initialFocus_ = control; }

  // Runs the message loop until WM_QUIT; returns its exit code.
  int runMessageLoop();

 protected:
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static constexpr UINT kDestroyMessage = WM_APP + 0x3F0;
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  ControlBinding* bindingFor(int id) const;

  HWND hwnd_ = nullptr;
  int laidOutWidth_ = 0, laidOutHeight_ = 0;  // the client size the controls were placed for
  HWND cancelButton_ = nullptr;
  HWND initialFocus_ = nullptr;
  HWND lastFocus_ = nullptr;  // kept while another window is active
  int nextId_ = 1000;
  const Screen* screen_ = nullptr;
  std::vector<std::unique_ptr<ControlBinding>> bindings_;
};

}  // namespace ui::win32
