// clang-format off
#include <windows.h>
#include <wininet.h>
// clang-format on

#include "platform/win32/win32_desktop.h"

#include <cctype>
#include <vector>

#include "platform/win32/win32_error.h"

namespace platform::win32 {
namespace {

HWND hwndOf(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

// Handles this thread's pending messages, so our own windows repaint and a target window
// of ours gets its keystrokes.
void pumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void pauseWithMessages(int ms) {
  const DWORD start = GetTickCount();
  const DWORD length = static_cast<DWORD>(ms > 0 ? ms : 0);
  for (;;) {
    pumpMessages();
    // Differences of tick counts stay right when the count wraps.
    const DWORD passed = GetTickCount() - start;
    if (passed >= length) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, length - passed, QS_ALLINPUT);
  }
}

class Win32TopWindows : public TopWindows {
 public:
  std::vector<TopWindow> list() override {
    std::vector<TopWindow> found;
    for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
      char title[256] = {};
      int n = GetWindowTextA(h, title, 255);
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      found.push_back({reinterpret_cast<WindowHandle>(h), std::string(title, n > 0 ? n : 0), pid,
                       IsWindowVisible(h) != FALSE});
    }
    return found;
  }

  WindowHandle foreground() override {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
  }

  bool bringToFront(WindowHandle window) override {
    HWND h = hwndOf(window);
    if (!IsWindow(h)) return false;
    if (IsIconic(h))
      ShowWindow(h, SW_RESTORE);
    else if (!IsWindowVisible(h))
      ShowWindow(h, SW_SHOW);
    SetForegroundWindow(h);
    // The switch reaches the other program through its message queue.
    for (int i = 0; i < 20 && GetForegroundWindow() != h; ++i) pauseWithMessages(25);
    return GetForegroundWindow() == h;
  }

  void close(WindowHandle window) override { PostMessageA(hwndOf(window), WM_CLOSE, 0, 0); }

  void pause(int ms) override { pauseWithMessages(ms); }

  bool sameTitle(const std::string& a, const std::string& b) override {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
  }
};

void addKey(std::vector<INPUT>& inputs, WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  inputs.push_back(in);
}

// The virtual key a braced name stands for, or 0.
WORD namedKey(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static const struct {
    const char* name;
    WORD vk;
  } keys[] = {{"ENTER", VK_RETURN},   {"TAB", VK_TAB},   {"ESC", VK_ESCAPE}, {"ESCAPE", VK_ESCAPE},
              {"BACKSPACE", VK_BACK}, {"BS", VK_BACK},   {"DEL", VK_DELETE}, {"DELETE", VK_DELETE},
              {"UP", VK_UP},          {"DOWN", VK_DOWN}, {"LEFT", VK_LEFT},  {"RIGHT", VK_RIGHT},
              {"HOME", VK_HOME},      {"END", VK_END},   {"SPACE", VK_SPACE}};
  for (const auto& k : keys)
    if (name == k.name) return k.vk;
  if (name.size() == 1) {
    SHORT scan = VkKeyScanA(name[0]);
    if (scan != -1) return static_cast<WORD>(scan & 0xFF);
  }
  return 0;
}

// The key events of a text in the key-sending notation; false for notation it cannot type.
bool translate(const std::string& keys, std::vector<INPUT>& inputs) {
  std::vector<WORD> held;
  auto press = [&](WORD vk, std::vector<WORD> extra) {
    for (WORD m : held) addKey(inputs, m, false);
    for (WORD m : extra) addKey(inputs, m, false);
    addKey(inputs, vk, false);
    addKey(inputs, vk, true);
    for (auto it = extra.rbegin(); it != extra.rend(); ++it) addKey(inputs, *it, true);
    for (auto it = held.rbegin(); it != held.rend(); ++it) addKey(inputs, *it, true);
    held.clear();
  };
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const char c = keys[i];
    if (c == '%')
      held.push_back(VK_MENU);
    else if (c == '^')
      held.push_back(VK_CONTROL);
    else if (c == '+')
      held.push_back(VK_SHIFT);
    else if (c == '{') {
      // "{}}" names the closing brace itself.
      std::size_t close = keys.find('}', i + 2);
      if (close == std::string::npos) return false;
      WORD vk = namedKey(keys.substr(i + 1, close - i - 1));
      if (vk == 0) return false;
      press(vk, {});
      i = close;
    } else {
      SHORT scan = VkKeyScanA(c);
      if (scan == -1) return false;
      std::vector<WORD> extra;
      // A letter with a held Alt is its key alone, whatever case it is written in.
      if ((scan & 0x100) && held.empty()) extra.push_back(VK_SHIFT);
      if (scan & 0x200) extra.push_back(VK_CONTROL);
      if (scan & 0x400) extra.push_back(VK_MENU);
      press(static_cast<WORD>(scan & 0xFF), extra);
    }
  }
  return held.empty();
}

// SendInput came with Windows 98 and NT 4.0 SP3; keybd_event gives the same key events
// on Windows 95 and the NT 4.0 before it.
ErrorCode sendInputs(std::vector<INPUT>& inputs) {
  if (inputs.empty()) return err::kSuccess;
  using SendInputCall = UINT(WINAPI*)(UINT, INPUT*, int);
  static const auto sendInput = reinterpret_cast<SendInputCall>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SendInput")));
  if (sendInput) {
    if (sendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
      return lastError();
    return err::kSuccess;
  }
  for (const INPUT& input : inputs)
    keybd_event(static_cast<BYTE>(input.ki.wVk), static_cast<BYTE>(input.ki.wScan),
                input.ki.dwFlags, 0);
  return err::kSuccess;
}

class Win32KeySender : public KeySender {
 public:
  ErrorCode sendKeys(WindowHandle target, const std::string& keys) override {
    std::vector<INPUT> inputs;
    if (!translate(keys, inputs)) return err::kInvalidParameter;
    HWND h = hwndOf(target);
    // Checked as late as possible: whatever has the keyboard gets these keystrokes.
    if (!h || GetForegroundWindow() != h) return err::kAccessDenied;
    if (ErrorCode e = sendInputs(inputs)) return e;
    waitUntilProcessed(h);
    return err::kSuccess;
  }

 private:
  // The keystrokes reach the target's queue through the system's input thread; the
  // target has handled them once its program waits for input again.
  static void waitUntilProcessed(HWND target) {
    DWORD pid = 0;
    GetWindowThreadProcessId(target, &pid);
    if (pid == GetCurrentProcessId()) {
      pauseWithMessages(50);
      for (int i = 0; i < 40 && GetQueueStatus(QS_INPUT) != 0; ++i) pauseWithMessages(25);
      return;
    }
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    pauseWithMessages(20);
    if (process) {
      WaitForInputIdle(process, 2000);
      CloseHandle(process);
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  }
};

class Win32InternetProperties : public InternetProperties {
 public:
  ErrorCode start(std::uint32_t& processId) override {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    std::string command = kInternetPropertiesCommand;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
      return lastError();
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    processId = pi.dwProcessId;
    return err::kSuccess;
  }
};

class Win32UrlCache : public UrlCache {
 public:
  ErrorCode entries(const std::string& pattern, std::vector<UrlCacheEntry>& found) override {
    found.clear();
    std::vector<char> buffer(4096);
    auto info = [&] { return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()); };
    DWORD size = static_cast<DWORD>(buffer.size());
    HANDLE find =
        FindFirstUrlCacheEntryA(pattern.empty() ? nullptr : pattern.c_str(), info(), &size);
    if (!find && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
      buffer.resize(size);
      find = FindFirstUrlCacheEntryA(pattern.empty() ? nullptr : pattern.c_str(), info(), &size);
    }
    if (!find) {
      DWORD e = GetLastError();
      return e == ERROR_NO_MORE_ITEMS || e == ERROR_FILE_NOT_FOUND ? err::kSuccess : lastError();
    }
    ErrorCode result = err::kSuccess;
    for (;;) {
      if (info()->lpszSourceUrlName)
        found.push_back({info()->lpszSourceUrlName, info()->CacheEntryType,
                         info()->lpszLocalFileName ? info()->lpszLocalFileName : ""});
      size = static_cast<DWORD>(buffer.size());
      if (FindNextUrlCacheEntryA(find, info(), &size)) continue;
      DWORD e = GetLastError();
      if (e == ERROR_INSUFFICIENT_BUFFER) {
        buffer.resize(size);
        if (FindNextUrlCacheEntryA(find, info(), &size)) continue;
        e = GetLastError();
      }
      if (e != ERROR_NO_MORE_ITEMS) result = lastError();
      break;
    }
    FindCloseUrlCache(find);
    return result;
  }

  ErrorCode remove(const std::string& url) override {
    return DeleteUrlCacheEntryA(url.c_str()) ? err::kSuccess : lastError();
  }
};

}  // namespace

std::unique_ptr<TopWindows> makeTopWindows() {
  return std::make_unique<Win32TopWindows>();
}
std::unique_ptr<KeySender> makeKeySender() {
  return std::make_unique<Win32KeySender>();
}
std::unique_ptr<InternetProperties> makeInternetProperties() {
  return std::make_unique<Win32InternetProperties>();
}
std::unique_ptr<UrlCache> makeUrlCache() {
  return std::make_unique<Win32UrlCache>();
}

}  // namespace platform::win32
