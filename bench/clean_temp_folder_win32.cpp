// The Windows temporary-folder step over 20,000 old files against a minimal DeleteFileA
// loop over the same files, in the same run. Prints seconds and the ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "main/clean/windows_cleaner.h"
#include "platform/win32/win32_system.h"

namespace {

int kFiles = 20000;  // a first argument changes it, for a quick look

std::string folder() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  return std::string(temp) + "tervane-bench-temp";
}

std::vector<std::string> seed(const std::string& dir) {
  CreateDirectoryA(dir.c_str(), nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
  t.QuadPart -= 3ULL * 86400ULL * 10000000ULL;
  const FILETIME old{t.LowPart, t.HighPart};
  std::vector<std::string> paths;
  paths.reserve(kFiles);
  for (int i = 0; i < kFiles; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "\\~DF%05d.tmp", i);
    paths.push_back(dir + name);
    HANDLE f = CreateFileA(paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD wrote = 0;
    WriteFile(f, "temporary", 9, &wrote, nullptr);
    SetFileTime(f, nullptr, nullptr, &old);
    CloseHandle(f);
  }
  return paths;
}

int remaining(const std::string& dir) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*.tmp").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do ++n;
  while (FindNextFileA(h, &fd));
  FindClose(h);
  return n;
}

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) kFiles = std::atoi(argv[1]);
  const std::string dir = folder();
  platform::win32::Win32System real;
  std::vector<double> step, plain;
  for (int round = 0; round < 3; ++round) {
    seed(dir);
    auto t0 = std::chrono::steady_clock::now();
    bool done =
        vorn::deleteFilesOlderThan(real.system().removal, real.system().clock, 1, dir + "\\*.*");
    step.push_back(seconds(std::chrono::steady_clock::now() - t0));
    if (!done || remaining(dir) != 0) {
      std::printf("the step left files behind\n");
      return 1;
    }

    std::vector<std::string> paths = seed(dir);
    t0 = std::chrono::steady_clock::now();
    for (const std::string& p : paths) DeleteFileA(p.c_str());
    plain.push_back(seconds(std::chrono::steady_clock::now() - t0));
    if (remaining(dir) != 0) return 1;
  }
  RemoveDirectoryA(dir.c_str());
  std::sort(step.begin(), step.end());
  std::sort(plain.begin(), plain.end());
  std::printf("temporary-folder step, %d files: median %.3f s (runs %.3f %.3f %.3f)\n", kFiles,
              step[1], step[0], step[1], step[2]);
  std::printf("plain DeleteFileA loop, same files: median %.3f s (runs %.3f %.3f %.3f)\n", plain[1],
              plain[0], plain[1], plain[2]);
  std::printf("ratio step / plain: %.2f of the medians, %.2f of the fastest runs\n",
              step[1] / plain[1], step[0] / plain[0]);
  return 0;
}
