#include "ui/win32/form.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/keyboard.h"

namespace ui::win32 {
namespace {

const char* kClassName = "TervaneForm";

}  // namespace

Form::~Form() {
  // Bindings first: they unbind their models while the windows still exist.
  bindings_.clear();
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Form::create(const std::string& caption, int clientWidth, int clientHeight, DWORD style) {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Form::windowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
  }();
  if (!registered) return false;
  laidOutWidth_ = clientWidth;
  laidOutHeight_ = clientHeight;
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowExA(0, kClassName, caption.c_str(), style, x, y, width, height, nullptr,
                         nullptr, GetModuleHandleA(nullptr), this) != nullptr;
}

void Form::show(int how) {
  ShowWindow(hwnd_, how);
  UpdateWindow(hwnd_);
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) return;
  HWND first = initialFocus_ && IsWindowVisible(initialFocus_) && IsWindowEnabled(initialFocus_)
                   ? initialFocus_
                   : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  if (first) SetFocus(first);
}

void Form::close() {
  // Deferred: close() is often called from a handler that a child control's
  // notification is still running, and destroying the window destroys its binding.
  if (hwnd_) PostMessageA(hwnd_, kDestroyMessage, 0, 0);
}

void Form::applyAnchors() {
  RECT client{};
  if (anchors.empty() || !GetClientRect(hwnd_, &client)) return;
  anchors.apply(client.right - laidOutWidth_, client.bottom - laidOutHeight_);
}

int Form::runMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Tab and Enter move between and press controls as in a dialog, in every window.
    if (translateWindowKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

ControlBinding* Form::bindingFor(int id) const {
  for (const auto& b : bindings_)
    if (b->id() == id) return b.get();
  return nullptr;
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->handleMessage(message, wParam, lParam);
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Esc, as the dialog keys send it.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        if (!closesOnEscape) return 0;
        if (cancelButton_ && IsWindowEnabled(cancelButton_))
          SendMessageA(GetParent(cancelButton_), WM_COMMAND,
                       MAKEWPARAM(GetDlgCtrlID(cancelButton_), BN_CLICKED),
                       reinterpret_cast<LPARAM>(cancelButton_));
        else if (!cancelButton_)
          PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        return 0;
      }
      if (lParam != 0) {
        if (ControlBinding* b = bindingFor(LOWORD(wParam))) {
          b->command(HIWORD(wParam));
          return 0;
        }
      }
      break;
    case WM_SETCURSOR:
      if (screen_ && screen_->mousePointer() == Pointer::Hourglass) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        return TRUE;
      }
      break;
    case DM_GETDEFID: {
      // Enter presses the focused push button, else the default one, as in a dialog.
      HWND focus = GetFocus();
      if (focus && IsChild(hwnd_, focus) &&
          (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
      for (const auto& b : bindings_)
        if (dynamic_cast<ButtonBinding*>(b.get()) &&
            (GetWindowLongA(b->hwnd(), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON)
          return MAKELRESULT(b->id(), DC_HASDEFID);
      return 0;
    }
    case WM_NEXTDLGCTL: {
      // An access key on a label moves on to its field this way, as in a dialog.
      HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
      if (!target) return 0;
      if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(target, EM_SETSEL, 0, -1);
      SetFocus(target);
      return 0;
    }
    case WM_SIZE:
      if (!anchors.empty() && wParam != SIZE_MINIMIZED) {
        anchors.apply(LOWORD(lParam) - laidOutWidth_, HIWORD(lParam) - laidOutHeight_);
        // Controls that moved leave their old place behind.
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
      }
      break;
    case WM_GETMINMAXINFO:
      if ((GetWindowLongA(hwnd_, GWL_STYLE) & WS_THICKFRAME) && laidOutWidth_ > 0) {
        RECT r{0, 0, laidOutWidth_, laidOutHeight_};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE, 0);
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = r.right - r.left;
        info->ptMinTrackSize.y = r.bottom - r.top;
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // Back to the control that had the focus, as a dialog box does.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) &&
                 IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case kDestroyMessage:
      DestroyWindow(hwnd_);
      return 0;
    case WM_CLOSE:
      if (onCloseRequest && !onCloseRequest()) return 0;
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY: {
      bindings_.clear();
      HWND gone = hwnd_;
      hwnd_ = nullptr;
      SetWindowLongPtrA(gone, GWLP_USERDATA, 0);
      if (onDestroyed) onDestroyed();
      if (quitOnDestroy) PostQuitMessage(0);
      return 0;
    }
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace ui::win32
