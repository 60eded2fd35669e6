// Drives the cleaner's windows from outside, as a user would, for the end-to-end test:
//   vorn66_driver wait <title> <seconds>      a top-level window with this title appears
//   vorn66_driver gone <title> <seconds>      it disappears
//   vorn66_driver click <title> <button>      presses the button with this caption
//   vorn66_driver nav <index>                 presses button <index> of the main toolbar
//   vorn66_driver tab <index>                 shows tab <index> of the visible tab strip
//   vorn66_driver toolbar <name> [index]      presses button <index> (0) of the toolbar
//                                             named <name> in the main window
//   vorn66_driver close <title>               closes the window by its close box
// Exit code 0 on success, 1 when the window or control is not there in time.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND waitFor(const std::string& title, double seconds) {
  for (int i = 0; i <= static_cast<int>(seconds * 10); ++i) {
    if (HWND h = FindWindowA(nullptr, title.c_str())) return h;
    Sleep(100);
  }
  return nullptr;
}

struct Search {
  std::string className, text;
  bool visibleOnly = false;
  HWND found = nullptr;
};

BOOL CALLBACK visit(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  char cls[64] = {}, text[256] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, text, sizeof text);
  if (lstrcmpiA(cls, s->className.c_str()) == 0 && (s->text.empty() || s->text == text) &&
      (!s->visibleOnly || IsWindowVisible(hwnd))) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND child(HWND parent, const std::string& cls, const std::string& text, bool visibleOnly = false) {
  Search s{cls, text, visibleOnly};
  EnumChildWindows(parent, visit, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string command = argv[1];
  if (command == "wait") return waitFor(argv[2], argc > 3 ? std::atof(argv[3]) : 10) ? 0 : 1;
  if (command == "gone") {
    double seconds = argc > 3 ? std::atof(argv[3]) : 10;
    for (int i = 0; i <= static_cast<int>(seconds * 10); ++i) {
      if (!FindWindowA(nullptr, argv[2])) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (command == "click" && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    HWND button = top ? child(top, "Button", argv[3]) : nullptr;
    if (!button) return 1;
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == "nav") {
    HWND top = waitFor("Tervane 6.6", 10);
    HWND bar = top ? FindWindowExA(top, nullptr, TOOLBARCLASSNAMEA, nullptr) : nullptr;
    if (!bar) return 1;
    PostMessageA(top, WM_COMMAND, MAKEWPARAM(std::atoi(argv[2]) + 1, 0),
                 reinterpret_cast<LPARAM>(bar));
    return 0;
  }
  if (command == "tab") {
    HWND top = waitFor("Tervane 6.6", 10);
    HWND strip = top ? child(top, WC_TABCONTROLA, "", true) : nullptr;
    if (!strip) return 1;
    SendMessageA(strip, TCM_SETCURFOCUS, static_cast<WPARAM>(std::atoi(argv[2])), 0);
    return 0;
  }
  if (command == "toolbar") {
    HWND top = waitFor("Tervane 6.6", 10);
    HWND bar = top ? child(top, TOOLBARCLASSNAMEA, argv[2]) : nullptr;
    if (!bar) return 1;
    int index = argc > 3 ? std::atoi(argv[3]) : 0;
    // Posted: the run ends in a message box, which a sent message would wait for.
    PostMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(index + 1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar));
    return 0;
  }
  if (command == "close") {
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    PostMessageA(top, WM_CLOSE, 0, 0);
    return 0;
  }
  std::fprintf(stderr, "unknown command %s\n", command.c_str());
  return 2;
}
