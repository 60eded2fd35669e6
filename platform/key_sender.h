#pragma once
// Keystrokes typed into another program's window, in the classic key-sending notation:
// a character stands for its key, "%", "^" and "+" hold Alt, Ctrl and Shift for the key
// that follows ("%F" is Alt+F), and braces name keys ("{ENTER}", "{Tab}"; any case).
#include <string>

#include "platform/top_windows.h"
#include "platform/win_types.h"

namespace platform {

class KeySender {
 public:
  virtual ~KeySender() = default;
  // Types `keys` into `target`, only while `target` is the foreground window, and returns
  // once the target has processed them. Nothing is typed and kAccessDenied comes back
  // when another window has the keyboard: keystrokes meant for a dialog must never reach
  // whatever the user is working in. kInvalidParameter for notation it cannot type.
  virtual ErrorCode sendKeys(WindowHandle target, const std::string& keys) = 0;
};

}  // namespace platform
