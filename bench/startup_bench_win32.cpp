// Start-up: how long vorn66.exe takes from CreateProcess until its main window "Tervane 6.6"
// exists and answers WM_GETTEXT, against the same for a trivial one-window program
// (bench_startup_window.exe), started the same way, interleaved. Each start gets a fresh
// program folder, C:\tervane-bench, copied from a staged template; the started program is
// then closed with WM_CLOSE and waited for. Every wait has a deadline: a program that does
// not answer or does not end is terminated and the run fails.
//
//   bench_startup <template folder> [runs]   (7 runs of each by default)
//
// The template holds vorn66.exe with its data files and bench_startup_window.exe, and no
// sub-folders; the program folder is emptied file by file and removed at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace {

constexpr const char* kFolder = "C:\\tervane-bench";
constexpr const char* kCleanerCaption = "Tervane 6.6";
constexpr const char* kWindowCaption = "Tervane bench window";
constexpr DWORD kAnswerDeadlineMs = 60000;
constexpr DWORD kEndDeadlineMs = 30000;

double now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / double(f.QuadPart);
}

// Removes the files of the flat program folder. A sub-folder is not entered (the
// template has none; one that a program made is reported and left).
bool emptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return true;
  bool ok = true;
  do {
    const std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
      std::printf("left in the program folder: %s\n", path.c_str());
      ok = false;
      continue;
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str())) {
      std::printf("could not remove %s (error %lu)\n", path.c_str(), GetLastError());
      ok = false;
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return ok;
}

// A fresh program folder: emptied, then every file of the template copied in.
bool freshFolder(const std::string& from) {
  CreateDirectoryA(kFolder, nullptr);
  if (!emptyFolder(kFolder)) return false;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((from + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) {
    std::printf("no template folder %s\n", from.c_str());
    return false;
  }
  bool ok = true;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::string name = fd.cFileName;
    if (!CopyFileA((from + "\\" + name).c_str(), (std::string(kFolder) + "\\" + name).c_str(),
                   FALSE)) {
      std::printf("could not copy %s (error %lu)\n", name.c_str(), GetLastError());
      ok = false;
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return ok;
}

// The started process's own top-level window with this caption.
HWND windowOf(DWORD pid, const char* caption) {
  HWND h = nullptr;
  while ((h = FindWindowExA(nullptr, h, nullptr, caption)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == pid) return h;
  }
  return nullptr;
}

// Starts the program from the program folder and returns the seconds until its window
// answered, or a negative number when it did not (the program is then terminated).
double timeStart(const std::string& program, const char* caption) {
  const std::string path = std::string(kFolder) + "\\" + program;
  std::string line = "\"" + path + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const double t0 = now();
  if (!CreateProcessA(path.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, kFolder, &si,
                      &pi)) {
    std::printf("could not start %s (error %lu)\n", path.c_str(), GetLastError());
    return -1;
  }
  const DWORD started = GetTickCount();
  double answered = -1;
  HWND window = nullptr;
  while (GetTickCount() - started < kAnswerDeadlineMs) {
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
      std::printf("%s ended before its window answered\n", program.c_str());
      break;
    }
    window = windowOf(pi.dwProcessId, caption);
    if (window) {
      // Blocks until the window's thread first takes messages, so the answer is timed
      // where it happens rather than at the next poll.
      char text[64] = "";
      DWORD_PTR copied = 0;
      if (SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                              SMTO_NORMAL, 1000, &copied) &&
          std::strcmp(text, caption) == 0) {
        answered = now() - t0;
        break;
      }
    }
    Sleep(2);
  }
  if (answered < 0 && !window) std::printf("no window \"%s\" answered in time\n", caption);

  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, kEndDeadlineMs) != WAIT_OBJECT_0) {
    std::printf("%s did not end after WM_CLOSE; terminated\n", program.c_str());
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    answered = -1;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return answered;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: bench_startup <template folder> [runs]\n");
    return 2;
  }
  const std::string from = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  struct Cleanup {
    ~Cleanup() {
      emptyFolder(kFolder);
      RemoveDirectoryA(kFolder);
    }
  } cleanup;

  struct Program {
    const char* file;
    const char* caption;
    std::vector<double> times;
  } cleaner{"vorn66.exe", kCleanerCaption, {}},
      window{"bench_startup_window.exe", kWindowCaption, {}};
  // One start of each first, not counted: it loads the libraries into the host's cache,
  // and the cleaner's once-per-user first-start step happens there.
  for (int r = -1; r < runs; ++r) {
    // Interleaved, the order swapped every round, so a load change hits both alike.
    Program* order[2] = {&cleaner, &window};
    if (r % 2) std::swap(order[0], order[1]);
    for (Program* p : order) {
      if (!freshFolder(from)) return 1;
      const double s = timeStart(p->file, p->caption);
      if (s < 0) return 1;
      if (r >= 0) p->times.push_back(s);
    }
  }
  const double mc = bench::median(cleaner.times), mw = bench::median(window.times);
  const double bc = *std::min_element(cleaner.times.begin(), cleaner.times.end());
  const double bw = *std::min_element(window.times.begin(), window.times.end());
  std::printf(
      "vorn66.exe, fresh program folder, until \"%s\" answers: median %.3f s, best %.3f s"
      " (runs %s)\n",
      kCleanerCaption, mc, bc, bench::timingsText(cleaner.times).c_str());
  std::printf(
      "trivial one-window program, started the same way:      median %.3f s, best %.3f s"
      " (runs %s)\n",
      mw, bw, bench::timingsText(window.times).c_str());
  std::printf(
      "ratio cleaner / trivial: %.2f of the medians, %.2f of the best runs (%d runs each)\n",
      mc / mw, bc / bw, runs);
  return 0;
}
