// Drives the cleaner's windows from outside, as a user would, for the end-to-end test:
//   vorn66_driver wait <title> <seconds>      a top-level window with this title appears
//   vorn66_driver gone <title> <seconds>      it disappears
//   vorn66_driver click <title> <button>      presses the button with this caption
//   vorn66_driver vclick <title> <button>     the same among the visible buttons only
//   vorn66_driver nav <index>                 presses button <index> of the main toolbar
//   vorn66_driver tab <index>                 shows tab <index> of the visible tab strip
//   vorn66_driver toolbar <text>              presses the toolbar button with this text
//                                             on the main window's visible page
//   vorn66_driver close <title>               closes the window by its close box
//   vorn66_driver shown <title> <0|1> <secs>  the window becomes hidden (0) or shown (1)
//   vorn66_driver has <title> <caption>       a button with this caption is there
//   vorn66_driver checked <title> <caption>   the check box with this caption is ticked
//   vorn66_driver visible <title> <caption>   prints yes when a button with this caption
//                                             shows, no otherwise
//   vorn66_driver trayicon <title>            the window has its icon in the tray
//   vorn66_driver traymouse <title> <event>   the tray's message for a mouse event on the
//                                             window's icon: dblclick or rdown
//   vorn66_driver menu <index>                picks item <index> of the open popup menu
//   vorn66_driver items <title>               prints the items of the window's list box
//   vorn66_driver lbselect <title> <text>     selects the list box item with this text, as
//                                             a click on it does
//   vorn66_driver lvcount <title>             prints the number of items of its list view
//   vorn66_driver lvrclick <title>            a right click on its list view
//   vorn66_driver lvrows <title>              prints every row of its list view, the
//                                             columns tab-separated, one row a line
//   vorn66_driver saveas <path>               types the path into the open "Save As"
//                                             dialog and presses its Save button
//   vorn66_driver esc <title>                 presses Esc in the window's list view, or
//                                             in its edit box where it has no list
//   vorn66_driver resize <title> <w> <h>      gives the window this outer size, at the
//                                             screen's top left corner
//   vorn66_driver lbpick <title> <list> <item>  selects item <item> of list box <list>
//                                             (0-based, in creation order) as a click does
//   vorn66_driver lbdouble <title> <list> <item>  the same, then a double-click on it
//   vorn66_driver lbcount <title> <list>      prints the number of items of list box <list>
//   vorn66_driver keys <title> <key>...       types keys into the window's focused control
//                                             as posted keyboard messages, no mouse: tab,
//                                             shift+tab, ctrl+tab, ctrl+shift+tab, enter,
//                                             esc, space, left, right, up, down, alt+<letter>
//   vorn66_driver focus <title>               prints the focused control's class and text
//                                             (a toolbar's: its raised button's text)
//   vorn66_driver lvitems <list>              prints the items of the main window's visible
//                                             list view <list> (0-based, creation order),
//                                             each as "1 text" when ticked, "0 text" if not
//   vorn66_driver lvtick <list> <item> <0|1>  unticks or ticks an item of that list view
//   vorn66_driver cacheadd <url>...           makes URL cache entries as the browser
//                                             does: a page or picture with its file in the
//                                             cache, a "Visited: user@url" one as a
//                                             history record without a file
//   vorn66_driver cachecount <url prefix>     prints how many cache entries (every
//                                             container) begin with the prefix
//   vorn66_driver cachelist <url prefix>      prints those entries, one "url|local file"
//                                             a line (empty after "|" when none)
//   vorn66_driver editwindow <title> <secs>   shows a window with a focused edit box in
//                                             front for that long, then prints its text
//   vorn66_driver watchrun <secs> <program> [argument]...
//                                             starts the program with these arguments,
//                                             watches for top-level windows of its process
//                                             until it ends, prints "exit <code>" and
//                                             "window <title>" for each visible one seen;
//                                             exit code 1 when it did not end in time
//   vorn66_driver holdmutex <secs> <file>     holds the cleaner's run mutex, writing
//                                             <file> once it holds it, until <file> is
//                                             removed or the seconds have passed
//   vorn66_driver holdopen <secs> <path> <file>  the same, keeping <path> open and
//                                             shared with no one
// Captions are matched with or without their access-key "&".
// Exit code 0 on success, 1 when the window or control is not there in time.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <wininet.h>
#include <shellapi.h>
#include <dlgs.h>
// clang-format on

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/run_lock.h"

namespace {

// A caption as text: "Clean &All" is "Clean All", "&&" one "&".
std::string withoutKey(const char* caption) {
  std::string text;
  for (const char* c = caption; *c; ++c) {
    if (*c == '&' && c[1]) ++c;
    text += *c;
  }
  return text;
}

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
  if (lstrcmpiA(cls, s->className.c_str()) == 0 &&
      (s->text.empty() || s->text == text || s->text == withoutKey(text)) &&
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

// Memory in another process, for the toolbar messages whose answers are written through
// pointers: those pointers must be valid in the toolbar's process.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, SIZE_T size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_)
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* address() const { return static_cast<char*>(address_); }
  LPARAM param() const { return reinterpret_cast<LPARAM>(address_); }
  bool read(void* into, SIZE_T size, SIZE_T offset = 0) const {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           ReadProcessMemory(process_, address() + offset, into, size, &done) && done == size;
  }
  bool write(const void* from, SIZE_T size) const {
    SIZE_T done = 0;
    return size <= size_ && WriteProcessMemory(process_, address_, from, size, &done) &&
           done == size;
  }
  bool clear() const {
    std::string zeros(size_, '\0');
    SIZE_T done = 0;
    return WriteProcessMemory(process_, address_, zeros.data(), size_, &done) && done == size_;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  SIZE_T size_;
};

struct ToolbarButton {
  HWND bar = nullptr;
  int command = 0;
};

struct ButtonSearch {
  std::string text;
  ToolbarButton found;
};

// The driver is built for the program's architecture, so TBBUTTON has the program's
// layout (its padding differs between 32 and 64 bits).
bool findButton(HWND bar, const std::string& text, ToolbarButton& found) {
  const int count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
  RemoteBuffer button(bar, sizeof(TBBUTTON));
  RemoteBuffer caption(bar, 512);
  if (!button.ok() || !caption.ok()) return false;
  for (int i = 0; i < count; ++i) {
    TBBUTTON tb{};
    if (!button.clear() || !SendMessageA(bar, TB_GETBUTTON, i, button.param()) ||
        !button.read(&tb, sizeof tb))
      continue;
    if (tb.fsStyle & BTNS_SEP) continue;
    // The length comes first: a longer text than the buffer is not the one sought.
    LRESULT length = SendMessageA(bar, TB_GETBUTTONTEXTA, tb.idCommand, 0);
    if (length < 0 || length >= 511) continue;
    char textHere[512] = {};
    if (!caption.clear() ||
        SendMessageA(bar, TB_GETBUTTONTEXTA, tb.idCommand, caption.param()) != length ||
        !caption.read(textHere, sizeof textHere))
      continue;
    if (text == textHere || text == withoutKey(textHere)) {
      found = {bar, tb.idCommand};
      return true;
    }
  }
  return false;
}

// Prints each row of a list view in another process, its columns tab-separated. The
// item record and the text it points to live in that process; the driver has the
// program's architecture, so LVITEMA has the program's layout.
bool printListRows(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  constexpr SIZE_T kText = 1024;
  RemoteBuffer remote(list, sizeof(LVITEMA) + kText);
  if (!remote.ok()) return false;
  char text[kText];
  for (int row = 0; row < rows; ++row) {
    std::string line;
    for (int column = 0; column < (columns > 0 ? columns : 1); ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = remote.address() + sizeof(LVITEMA);
      item.cchTextMax = static_cast<int>(kText);
      text[0] = '\0';
      if (!remote.write(&item, sizeof item)) return false;
      const LRESULT length =
          SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), remote.param());
      if (length < 0 || !remote.read(text, static_cast<SIZE_T>(length) + 1, sizeof(LVITEMA)))
        return false;
      text[length] = '\0';
      line += (column ? "\t" : "") + std::string(text);
    }
    std::printf("%s\n", line.c_str());
  }
  return true;
}

BOOL CALLBACK visitToolbar(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<ButtonSearch*>(param);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, TOOLBARCLASSNAMEA) != 0 || !IsWindowVisible(hwnd)) return TRUE;
  return findButton(hwnd, s->text, s->found) ? FALSE : TRUE;
}

// The record that names a window's tray icon: the window and its instance handle.
NOTIFYICONDATAA trayRecord(HWND window) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = static_cast<UINT>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  return record;
}

constexpr UINT kTrayMessage = 1039;

struct ListSearch {
  int wanted;
  int seen = 0;
  HWND found = nullptr;
};

BOOL CALLBACK visitList(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<ListSearch*>(param);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, "ListBox") != 0) return TRUE;
  if (s->seen++ == s->wanted) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ListViewSearch {
  int wanted;
  int seen = 0;
  HWND found = nullptr;
};

BOOL CALLBACK visitListView(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<ListViewSearch*>(param);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, WC_LISTVIEWA) != 0 || !IsWindowVisible(hwnd)) return TRUE;
  if (s->seen++ == s->wanted) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// The main window's visible list view number `index`, counted in creation order.
HWND nthListView(const char* index) {
  HWND top = waitFor("Tervane 6.6", 10);
  if (!top) return nullptr;
  ListViewSearch search{std::atoi(index)};
  EnumChildWindows(top, visitListView, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The window's list box number `index`, counted in creation order.
HWND nthListBox(const char* title, const char* index) {
  HWND top = waitFor(title, 10);
  if (!top) return nullptr;
  ListSearch search{std::atoi(index)};
  EnumChildWindows(top, visitList, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// What the list box tells its parent when the user clicks or double-clicks an item.
void notifyParent(HWND list, WORD code) {
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(list)), code),
               reinterpret_cast<LPARAM>(list));
}

// One URL cache entry as the browser leaves it. A visit ("Visited:" URL, which the cache
// keeps in its history container) is a record only; a page gets a file in the cache.
bool addCacheEntry(const std::string& url) {
  FILETIME never{};
  if (url.compare(0, 8, "Visited:") == 0)
    return CommitUrlCacheEntryA(url.c_str(), nullptr, never, never, URLHISTORY_CACHE_ENTRY, nullptr,
                                0, nullptr, nullptr) != FALSE;
  // The file takes the URL's extension, as the browser's cache files do.
  const std::size_t name = url.find_last_of('/');
  const std::size_t dot = url.find_last_of('.');
  const std::string extension =
      dot != std::string::npos && (name == std::string::npos || dot > name) ? url.substr(dot + 1)
                                                                            : "htm";
  char file[MAX_PATH] = {};
  if (!CreateUrlCacheEntryA(url.c_str(), 0, extension.c_str(), file, 0)) return false;
  HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const std::string body = "<p>" + url + "</p>";
  DWORD written = 0;
  WriteFile(h, body.data(), static_cast<DWORD>(body.size()), &written, nullptr);
  CloseHandle(h);
  return CommitUrlCacheEntryA(url.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                              extension.c_str(), nullptr) != FALSE;
}

// Prints the text of a label child (a message box's text is one).
BOOL CALLBACK printLabel(HWND w, LPARAM) {
  char kind[32] = {}, text[4096] = {};
  GetClassNameA(w, kind, sizeof kind);
  if (lstrcmpiA(kind, "Static") == 0 && GetWindowTextA(w, text, sizeof text) > 0)
    std::printf("%s\n", text);
  return TRUE;
}

struct ProcessWindows {
  DWORD processId;
  std::vector<std::string>* seen;
};

BOOL CALLBACK collectProcessWindow(HWND hwnd, LPARAM lp) {
  auto* p = reinterpret_cast<ProcessWindows*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != p->processId || !IsWindowVisible(hwnd)) return TRUE;
  char title[256] = {};
  GetWindowTextA(hwnd, title, sizeof title);
  const std::string entry = std::string("window ") + (title[0] ? title : "(no title)");
  if (std::find(p->seen->begin(), p->seen->end(), entry) == p->seen->end())
    p->seen->push_back(entry);
  return TRUE;
}

// The keyboard as a program's message loop sees it, from outside and with no mouse: the
// driver shares the program's input state (AttachThreadInput), so it knows the focus and
// can hold Ctrl or Shift down while it posts the key's messages to the focused control.
class SharedInput {
 public:
  explicit SharedInput(HWND top)
      : self_(GetCurrentThreadId()), other_(GetWindowThreadProcessId(top, nullptr)) {
    attached_ = AttachThreadInput(self_, other_, TRUE) != FALSE;
  }
  ~SharedInput() {
    if (attached_) AttachThreadInput(self_, other_, FALSE);
  }
  SharedInput(const SharedInput&) = delete;
  SharedInput& operator=(const SharedInput&) = delete;
  HWND focus(HWND top) const {
    HWND f = GetFocus();
    return f ? f : top;
  }
  void hold(int key, bool down) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
  }

 private:
  DWORD self_, other_;
  bool attached_ = false;
};

int typeKeys(HWND top, int count, char** keys) {
  SharedInput input(top);
  for (int i = 0; i < count; ++i) {
    std::string key = keys[i];
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
      return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    const bool ctrl = key.rfind("ctrl+", 0) == 0;
    if (ctrl) key = key.substr(5);
    const bool shift = key.rfind("shift+", 0) == 0;
    if (shift) key = key.substr(6);
    HWND target = input.focus(top);
    if (key.rfind("alt+", 0) == 0 && key.size() == 5) {
      // Alt+letter reaches the loop as the system character, as the keyboard sends it.
      PostMessageA(target, WM_SYSCHAR, static_cast<WPARAM>(key[4]), 0x20000001);
    } else {
      const struct {
        const char* name;
        UINT vk;
      } named[] = {{"tab", VK_TAB},   {"enter", VK_RETURN}, {"esc", VK_ESCAPE}, {"space", VK_SPACE},
                   {"left", VK_LEFT}, {"right", VK_RIGHT},  {"up", VK_UP},      {"down", VK_DOWN}};
      UINT vk = 0;
      for (const auto& n : named)
        if (key == n.name) vk = n.vk;
      if (!vk) {
        std::fprintf(stderr, "unknown key %s\n", keys[i]);
        return 2;
      }
      if (ctrl) input.hold(VK_CONTROL, true);
      if (shift) input.hold(VK_SHIFT, true);
      const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
      PostMessageA(target, WM_KEYDOWN, vk, scan | 1);
      if (vk == VK_SPACE) PostMessageA(target, WM_CHAR, ' ', scan | 1);
      PostMessageA(target, WM_KEYUP, vk, scan | 0xC0000001);
      // The modifier stays down until the program has taken the key.
      Sleep(400);
      if (ctrl) input.hold(VK_CONTROL, false);
      if (shift) input.hold(VK_SHIFT, false);
    }
    Sleep(400);
  }
  return 0;
}

int printFocus(HWND top) {
  SharedInput input(top);
  HWND f = GetFocus();
  if (!f) return 1;
  char cls[64] = {}, text[256] = {};
  GetClassNameA(f, cls, sizeof cls);
  GetWindowTextA(f, text, sizeof text);
  std::string shown = text;
  if (lstrcmpiA(cls, TOOLBARCLASSNAMEA) == 0) {
    const int hot = static_cast<int>(SendMessageA(f, TB_GETHOTITEM, 0, 0));
    RemoteBuffer button(f, sizeof(TBBUTTON));
    RemoteBuffer caption(f, 512);
    TBBUTTON tb{};
    char textHere[512] = {};
    if (hot >= 0 && button.ok() && caption.ok() &&
        SendMessageA(f, TB_GETBUTTON, static_cast<WPARAM>(hot), button.param()) &&
        button.read(&tb, sizeof tb) &&
        SendMessageA(f, TB_GETBUTTONTEXTA, static_cast<WPARAM>(tb.idCommand), caption.param()) >
            0 &&
        caption.read(textHere, sizeof textHere))
      shown = textHere;
  }
  std::printf("%s %s\n", cls, withoutKey(shown.c_str()).c_str());
  return 0;
}

// Starts the program and looks at its top-level windows every 10 ms until it ends.
int watchRun(double seconds, int argc, char** argv) {
  std::string line;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool quote = arg.find(' ') != std::string::npos;
    line += (i ? " " : "") + (quote ? "\"" + arg + "\"" : arg);
  }
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "watchrun: cannot start %s (%lu)\n", line.c_str(), GetLastError());
    return 1;
  }
  std::vector<std::string> seen;
  ProcessWindows watch{pi.dwProcessId, &seen};
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  bool ended = false;
  while (!ended && static_cast<LONG>(deadline - GetTickCount()) > 0) {
    EnumWindows(collectProcessWindow, reinterpret_cast<LPARAM>(&watch));
    ended = WaitForSingleObject(pi.hProcess, 10) == WAIT_OBJECT_0;
  }
  if (!ended) TerminateProcess(pi.hProcess, 99);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  std::printf("exit %lu\n", code);
  for (const std::string& w : seen) std::printf("%s\n", w.c_str());
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string command = argv[1];
  if (command == "watchrun" && argc > 3) return watchRun(std::atof(argv[2]), argc - 3, argv + 3);
  // Tells the script that the thing is held, then waits until the script takes the
  // marker away (or the time is up).
  auto holdWhileMarked = [](const char* seconds, const char* file) {
    CloseHandle(CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(seconds) * 1000);
    while (GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES &&
           static_cast<LONG>(deadline - GetTickCount()) > 0)
      Sleep(50);
  };
  if (command == "holdmutex" && argc > 3) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, platform::kRunMutexName);
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return 1;
    holdWhileMarked(argv[2], argv[3]);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
  }
  if (command == "holdopen" && argc > 4) {
    HANDLE file = CreateFileA(argv[3], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    holdWhileMarked(argv[2], argv[4]);
    CloseHandle(file);
    return 0;
  }
  if (command == "cacheadd") {
    for (int i = 2; i < argc; ++i)
      if (!addCacheEntry(argv[i])) {
        std::fprintf(stderr, "cacheadd: %s failed (%lu)\n", argv[i], GetLastError());
        return 1;
      }
    return 0;
  }
  if (command == "cachecount" || command == "cachelist") {
    std::vector<char> buffer(65536);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    DWORD size = static_cast<DWORD>(buffer.size());
    int n = 0;
    const std::string prefix = argv[2];
    HANDLE find = FindFirstUrlCacheEntryA(nullptr, info, &size);
    for (bool more = find != nullptr; more;) {
      if (info->lpszSourceUrlName &&
          std::string(info->lpszSourceUrlName).compare(0, prefix.size(), prefix) == 0) {
        ++n;
        if (command == "cachelist")
          std::printf("%s|%s\n", info->lpszSourceUrlName,
                      info->lpszLocalFileName ? info->lpszLocalFileName : "");
      }
      size = static_cast<DWORD>(buffer.size());
      more = FindNextUrlCacheEntryA(find, info, &size) != FALSE;
    }
    if (find) FindCloseUrlCache(find);
    if (command == "cachecount") std::printf("%d\n", n);
    return 0;
  }
  if (command == "editwindow" && argc > 3) {
    HWND frame = CreateWindowExA(0, "STATIC", argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30,
                                 320, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_WANTRETURN, 5,
                                5, 280, 50, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(frame);
    SetFocus(edit);
    const DWORD start = GetTickCount(), length = static_cast<DWORD>(std::atof(argv[3]) * 1000);
    MSG msg;
    while (GetTickCount() - start < length) {
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      Sleep(20);
    }
    char text[256] = {};
    GetWindowTextA(edit, text, sizeof text);
    std::printf("[%s]\n", text);
    DestroyWindow(frame);
    return 0;
  }
  if (command == "wait") return waitFor(argv[2], argc > 3 ? std::atof(argv[3]) : 10) ? 0 : 1;
  if (command == "gone") {
    double seconds = argc > 3 ? std::atof(argv[3]) : 10;
    for (int i = 0; i <= static_cast<int>(seconds * 10); ++i) {
      if (!FindWindowA(nullptr, argv[2])) return 0;
      Sleep(100);
    }
    return 1;
  }
  if ((command == "click" || command == "vclick") && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    HWND button = top ? child(top, "Button", argv[3], command == "vclick") : nullptr;
    if (!button) return 1;
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == "answers" && argc > 4) {
    // Asks <window> for its title every 100 ms until <run window> has come and gone (or
    // <seconds> are up) and prints the slowest answer in ms; fails on one slower than 1 s.
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(argv[4]) * 1000);
    DWORD slowest = 0;
    bool seen = false, late = false;
    while (static_cast<LONG>(deadline - GetTickCount()) > 0) {
      char title[256];
      DWORD_PTR copied = 0;
      const DWORD asked = GetTickCount();
      if (!SendMessageTimeoutA(top, WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title),
                               SMTO_NORMAL, 1000, &copied))
        late = true;
      slowest = std::max(slowest, GetTickCount() - asked);
      const bool running = FindWindowA(nullptr, argv[3]) != nullptr;
      if (seen && !running) break;
      seen = seen || running;
      Sleep(100);
    }
    std::printf("%s slowest %lu ms\n", seen ? "run seen," : "no run seen,",
                static_cast<unsigned long>(slowest));
    return seen && !late ? 0 : 1;
  }
  if (command == "edittext" && argc > 2) {
    // Prints the text of a window's first edit box (a report), line ends as they are.
    HWND top = waitFor(argv[2], 10);
    HWND edit = top ? child(top, "Edit", "") : nullptr;
    if (!edit) return 1;
    const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  if (command == "nav") {
    HWND top = waitFor("Tervane 6.6", 10);
    HWND bar = top ? FindWindowExA(top, nullptr, TOOLBARCLASSNAMEA, nullptr) : nullptr;
    if (!bar) return 1;
    // Sent, so that the page has changed when the script goes on (a posted press raced the
    // next command, which then found the old page's tab strip); a page that opens a message
    // is answered by the script, so the driver waits at most a few seconds.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(top, WM_COMMAND, MAKEWPARAM(std::atoi(argv[2]) + 1, 0),
                        reinterpret_cast<LPARAM>(bar), SMTO_NORMAL, 5000, &ignored);
    return 0;
  }
  if (command == "tab") {
    HWND top = waitFor("Tervane 6.6", 10);
    HWND strip = top ? child(top, WC_TABCONTROLA, "", true) : nullptr;
    if (!strip) return 1;
    // A tab may open a message; the script answers it, so the driver does not wait for it.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(strip, TCM_SETCURFOCUS, static_cast<WPARAM>(std::atoi(argv[2])), 0,
                        SMTO_NORMAL, 3000, &ignored);
    return 0;
  }
  if (command == "toolbar") {
    HWND top = waitFor("Tervane 6.6", 10);
    if (!top) return 1;
    ButtonSearch search{argv[2], {}};
    EnumChildWindows(top, visitToolbar, reinterpret_cast<LPARAM>(&search));
    if (!search.found.bar) return 1;
    // Posted: the run ends in a message box, which a sent message would wait for.
    PostMessageA(GetParent(search.found.bar), WM_COMMAND,
                 MAKEWPARAM(search.found.command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found.bar));
    return 0;
  }
  if (command == "tick" || command == "select") {
    // Ticks an item of the visible list with tick boxes, as a click on its box does, or
    // highlights it, as a click on its text does.
    HWND top = waitFor("Tervane 6.6", 10);
    HWND list = top ? child(top, WC_LISTVIEWA, "", true) : nullptr;
    if (!list) return 1;
    LVITEMA item{};
    if (command == "tick") {
      item.stateMask = LVIS_STATEIMAGEMASK;
      item.state = INDEXTOSTATEIMAGEMASK(2);
    } else {
      item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    }
    RemoteBuffer remote(list, sizeof item);
    if (!remote.ok() || !remote.write(&item, sizeof item)) return 1;
    return SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(std::atoi(argv[2])),
                        remote.param())
               ? 0
               : 1;
  }
  if (command == "lvitems" && argc > 2) {
    HWND list = nthListView(argv[2]);
    if (!list) return 1;
    constexpr int kText = 512;
    RemoteBuffer remote(list, sizeof(LVITEMA) + kText);
    if (!remote.ok()) return 1;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      LVITEMA item{};
      item.iSubItem = 0;
      item.cchTextMax = kText;
      item.pszText = reinterpret_cast<LPSTR>(remote.param() + sizeof(LVITEMA));
      if (!remote.write(&item, sizeof item)) return 1;
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), remote.param());
      std::vector<char> back(sizeof(LVITEMA) + kText);
      if (!remote.read(back.data(), back.size())) return 1;
      back.back() = 0;
      const LRESULT state =
          SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK);
      std::printf("%d %s\n", ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0,
                  back.data() + sizeof(LVITEMA));
    }
    return 0;
  }
  if (command == "lvtick" && argc > 4) {
    HWND list = nthListView(argv[2]);
    if (!list) return 1;
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(std::atoi(argv[4]) ? 2 : 1);
    RemoteBuffer remote(list, sizeof item);
    if (!remote.ok() || !remote.write(&item, sizeof item)) return 1;
    // Ticking an entry with a warning opens a message, which the script answers: the wait
    // ends by its timeout then, after the list has read the item.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(std::atoi(argv[3])),
                        remote.param(), SMTO_NORMAL, 3000, &ignored);
    return 0;
  }
  if (command == "close") {
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    PostMessageA(top, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "shown" && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    const bool wanted = std::atoi(argv[3]) != 0;
    const double seconds = argc > 4 ? std::atof(argv[4]) : 10;
    for (int i = 0; top && i <= static_cast<int>(seconds * 10); ++i) {
      if ((IsWindowVisible(top) != FALSE) == wanted) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (command == "text" && argc > 2) {  // the texts of a window's labels: a message's text
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    EnumChildWindows(top, printLabel, 0);
    return 0;
  }
  if (command == "has" && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    return top && child(top, "Button", argv[3]) ? 0 : 1;
  }
  if (command == "visible" && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    std::printf("%s\n", top && child(top, "Button", argv[3], true) ? "yes" : "no");
    return top ? 0 : 1;
  }
  if (command == "checked" && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    HWND box = top ? child(top, "Button", argv[3]) : nullptr;
    return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1;
  }
  if (command == "trayicon") {
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    // Changing nothing succeeds only for an icon the shell holds.
    NOTIFYICONDATAA record = trayRecord(top);
    return Shell_NotifyIconA(NIM_MODIFY, &record) ? 0 : 1;
  }
  if (command == "traymouse" && argc > 3) {
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    const std::string event = argv[3];
    const UINT mouse = event == "dblclick" ? WM_LBUTTONDBLCLK : WM_RBUTTONDOWN;
    // Posted: the menu that a right button opens waits for the user.
    PostMessageA(top, kTrayMessage, trayRecord(top).uID, mouse);
    return 0;
  }
  if (command == "menu") {
    HWND menu = nullptr;
    for (int i = 0; i <= 100 && !menu; ++i) {
      HWND candidate = FindWindowA("#32768", nullptr);
      if (candidate && IsWindowVisible(candidate)) menu = candidate;
      if (!menu) Sleep(100);
    }
    if (!menu) return 1;
    // The menu's loop reads the keys of its thread: down to the item, then Enter.
    for (int i = 0; i <= std::atoi(argv[2]); ++i) {
      PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(menu, WM_KEYUP, VK_DOWN, 0);
    }
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(menu, WM_KEYUP, VK_RETURN, 0);
    return 0;
  }
  if (command == "items" || (command == "lbselect" && argc > 3)) {
    HWND top = waitFor(argv[2], 10);
    HWND list = top ? child(top, "ListBox", "") : nullptr;
    if (!list) return 1;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      // Asked in UTF-16: Wine hands another process's list box text over that way.
      const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
      if (length < 0 || length > 4000) continue;
      std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
      wide.resize(wcslen(wide.c_str()));
      std::string text(wide.size() * 2 + 1, '\0');
      const int bytes =
          WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                              static_cast<int>(text.size()), nullptr, nullptr);
      text.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
      if (command == "items") {
        std::printf("%s\n", text.c_str());
      } else if (text == argv[3]) {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        return 0;
      }
    }
    return command == "items" ? 0 : 1;
  }
  if (command == "lvcount" || command == "lvrclick") {
    HWND top = waitFor(argv[2], 10);
    HWND list = top ? child(top, WC_LISTVIEWA, "", true) : nullptr;
    if (!list) return 1;
    if (command == "lvcount") {
      std::printf("%d\n", static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
      return 0;
    }
    // Posted: the menu that the click opens waits for the user.
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 40));
    PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(40, 40));
    return 0;
  }
  if (command == "lvrows") {
    HWND top = waitFor(argv[2], 10);
    HWND list = top ? child(top, WC_LISTVIEWA, "", true) : nullptr;
    return list && printListRows(list) ? 0 : 1;
  }
  if (command == "saveas") {
    // The explorer-style dialog names its file in a combo box, the older one in an edit.
    HWND dialog = waitFor("Save As", 10);
    HWND name = dialog ? GetDlgItem(dialog, cmb13) : nullptr;
    if (dialog && !name) name = GetDlgItem(dialog, edt1);
    if (!name) return 1;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    // Posted: the program writes the file before the dialog's caller returns.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return 0;
  }
  if (command == "esc") {
    // Posted to the control, as the keyboard's messages are: the program's message loop
    // sees it on its way.
    HWND top = waitFor(argv[2], 10);
    HWND target = top ? child(top, WC_LISTVIEWA, "", true) : nullptr;
    if (top && !target) target = child(top, "Edit", "");
    if (!target) return 1;
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    return 0;
  }
  if (command == "resize" && argc > 4) {
    HWND top = waitFor(argv[2], 10);
    return top && SetWindowPos(top, nullptr, 0, 0, std::atoi(argv[3]), std::atoi(argv[4]),
                               SWP_NOZORDER)
               ? 0
               : 1;
  }
  if ((command == "lbpick" || command == "lbdouble") && argc > 4) {
    HWND list = nthListBox(argv[2], argv[3]);
    if (!list) return 1;
    const WPARAM item = static_cast<WPARAM>(std::atoi(argv[4]));
    if (SendMessageA(list, LB_SETCURSEL, item, 0) == LB_ERR) return 1;
    notifyParent(list, LBN_SELCHANGE);
    if (command == "lbdouble") notifyParent(list, LBN_DBLCLK);
    return 0;
  }
  if (command == "lbcount" && argc > 3) {
    HWND list = nthListBox(argv[2], argv[3]);
    if (!list) return 1;
    std::printf("%d\n", static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    return 0;
  }
  if ((command == "keys" && argc > 3) || (command == "focus" && argc > 2)) {
    HWND top = waitFor(argv[2], 10);
    if (!top) return 1;
    return command == "keys" ? typeKeys(top, argc - 3, argv + 3) : printFocus(top);
  }
  std::fprintf(stderr, "unknown command %s\n", command.c_str());
  return 2;
}
