#pragma once
// Runs a call that opens a modal window on the calling thread (a folder picker, a message
// box, a dialog) while a second thread answers it. A modal window that nobody answers
// waits forever, so every test that opens one goes through here:
// - the answering thread looks for the window for as long as the call runs (a loaded
//   machine may take many seconds to show it) and answers it, again while it stays open;
// - a watchdog closes whatever the calling thread still shows once the deadline has
//   passed, and the test fails naming each window it closed;
// - should the call still not return, the test program ends with a message, well before
//   the test runner's own timeout.
// Win32 threads only: the release toolchain's thread model has no std::thread.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Well under the test runner's timeout (300 s), far over any real answer.
inline constexpr DWORD kModalDeadlineMs = 60000;

struct ModalAnswer {
  // The window to answer, among the visible top-level windows of the calling thread.
  // Empty: nobody answers (only the watchdog ends the call).
  std::function<bool(HWND)> matches;
  // One answer; called again every half second, with the attempt number, while the
  // window stays open.
  std::function<void(HWND, int attempt)> respond;
};

// What happened while the call ran.
struct ModalOutcome {
  bool answered = false;                   // the window was found and answered
  std::vector<std::string> closedWindows;  // titles the watchdog closed (the test failed)
};

// Runs `call` on this thread with `answer` given on another. When the watchdog had to
// close windows, the current test gets a non-fatal failure naming them.
ModalOutcome runAnswered(const std::function<void()>& call, const ModalAnswer& answer,
                         DWORD deadlineMs = kModalDeadlineMs);

// Matches a visible dialog-class window ("#32770": message boxes, the folder picker,
// common dialogs), and, when `title` is not empty, only one with that caption.
std::function<bool(HWND)> dialogTitled(const std::string& title = {});

// Answers by pressing a dialog's button `id` (IDOK, IDCANCEL, IDYES, IDNO, ...).
std::function<void(HWND, int)> pressButton(int id);

}  // namespace testing_support
