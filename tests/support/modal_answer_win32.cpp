#include "tests/support/modal_answer_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace testing_support {
namespace {

// How long after the deadline the watchdog keeps closing windows before it ends the
// test program: a call that ignores every close would otherwise hang the whole run.
constexpr DWORD kGraceMs = 30000;
constexpr DWORD kRetryMs = 500;

struct Shared {
  DWORD thread = 0;
  HANDLE returned = nullptr;
  const ModalAnswer* answer = nullptr;
  DWORD deadlineMs = 0;
  bool watchdogFired = false;
  ModalOutcome outcome;
};

struct WindowSearch {
  const std::function<bool(HWND)>* matches;
  HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND w, LPARAM p) {
  auto* search = reinterpret_cast<WindowSearch*>(p);
  if (!IsWindowVisible(w) || !(*search->matches)(w)) return TRUE;
  search->found = w;
  return FALSE;
}

std::string titleOf(HWND w) {
  char text[256] = {};
  GetWindowTextA(w, text, sizeof text);
  if (text[0]) return text;
  GetClassNameA(w, text, sizeof text);
  return std::string("(untitled ") + text + ")";
}

struct CloseRound {
  Shared* shared;
  int round;
};

// Tries another way each round: a dialog without Cancel ignores IDCANCEL, a message box
// with Yes and No only ends on one of those.
BOOL CALLBACK closeWindow(HWND w, LPARAM p) {
  auto* close = reinterpret_cast<CloseRound*>(p);
  if (!IsWindowVisible(w)) return TRUE;
  std::vector<std::string>& closed = close->shared->outcome.closedWindows;
  const std::string title = titleOf(w);
  if (std::find(closed.begin(), closed.end(), title) == closed.end()) closed.push_back(title);
  static const int kButtons[] = {IDCANCEL, IDNO, IDOK};
  const int step = close->round % 4;
  if (step < 3) {
    const int id = kButtons[step];
    PostMessageA(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(w, id)));
  } else {
    PostMessageA(w, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

DWORD WINAPI answerLoop(void* parameter) {
  Shared& s = *static_cast<Shared*>(parameter);
  const DWORD start = GetTickCount();
  DWORD seenAt = 0, lastTry = 0, lastClose = 0;
  bool seen = false;
  int attempt = 0, closeRound = 0;
  while (WaitForSingleObject(s.returned, 50) == WAIT_TIMEOUT) {
    const DWORD now = GetTickCount();
    if (now - start >= s.deadlineMs) {
      if (now - start >= s.deadlineMs + kGraceMs) {
        std::fprintf(stderr,
                     "watchdog: the call under test ignored every close for %lu s; "
                     "ending the test program\n",
                     static_cast<unsigned long>(kGraceMs / 1000));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
      }
      if (!s.watchdogFired || now - lastClose >= kRetryMs) {
        s.watchdogFired = true;
        CloseRound round{&s, closeRound++};
        EnumThreadWindows(s.thread, closeWindow, reinterpret_cast<LPARAM>(&round));
        lastClose = now;
      }
      continue;
    }
    if (!s.answer->matches || !s.answer->respond) continue;
    WindowSearch search{&s.answer->matches};
    EnumThreadWindows(s.thread, matchWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) continue;
    // The first answer waits a moment: a window just shown may still be taking its
    // starting state, and a press then can be lost.
    if (!seen) {
      seen = true;
      seenAt = now;
    }
    if (now - seenAt < kRetryMs || (attempt > 0 && now - lastTry < kRetryMs)) continue;
    s.answer->respond(search.found, attempt++);
    s.outcome.answered = true;
    lastTry = GetTickCount();
  }
  return 0;
}

std::string joined(const std::vector<std::string>& titles) {
  std::string text;
  for (const std::string& t : titles) text += (text.empty() ? "\"" : ", \"") + t + "\"";
  return text.empty() ? "no window (none was shown)" : text;
}

}  // namespace

ModalOutcome runAnswered(const std::function<void()>& call, const ModalAnswer& answer,
                         DWORD deadlineMs) {
  Shared shared;
  shared.thread = GetCurrentThreadId();
  shared.returned = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  shared.answer = &answer;
  shared.deadlineMs = deadlineMs;
  HANDLE answerer = CreateThread(nullptr, 0, answerLoop, &shared, 0, nullptr);
  if (!answerer) {
    CloseHandle(shared.returned);
    ADD_FAILURE() << "could not start the answering thread (error " << GetLastError() << ")";
    return {};
  }
  call();
  SetEvent(shared.returned);
  WaitForSingleObject(answerer, INFINITE);
  CloseHandle(answerer);
  CloseHandle(shared.returned);
  if (shared.watchdogFired)
    ADD_FAILURE() << "the modal call did not return within " << deadlineMs / 1000.0
                  << " s; the watchdog closed " << joined(shared.outcome.closedWindows);
  return shared.outcome;
}

std::function<bool(HWND)> dialogTitled(const std::string& title) {
  return [title](HWND w) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0) return false;
    return title.empty() || titleOf(w) == title;
  };
}

std::function<void(HWND, int)> pressButton(int id) {
  return [id](HWND w, int) {
    PostMessageA(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(w, id)));
  };
}

}  // namespace testing_support
