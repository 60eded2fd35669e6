// The Windows temporary-folder step over 20,000 old files against a minimal DeleteFileA
// loop over the same files, in the same run, the order alternating by round. Prints
// seconds and the ratio.
//
//   bench_clean_temp_folder [files] [rounds]   (20,000 files and 3 rounds by default)
//   bench_clean_temp_folder --seeded <folder> <round>
//
// Under Wine, creating a name in a folder of thousands is slow (each new name is looked
// up case-blind through the whole folder): seeding 20,000 files takes minutes there. With
// --seeded, the files were made beforehand (bench/run.sh writes them from the host side)
// in <folder>\step and <folder>\plain, and one round is timed and printed.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "main/clean/windows_cleaner.h"
#include "platform/win32/win32_system.h"

namespace {

int kFiles = 20000;

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

}  // namespace

// The file paths of a seeded folder, listed before the clock starts.
std::vector<std::string> listed(const std::string& dir) {
  std::vector<std::string> paths;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*.tmp").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return paths;
  do paths.push_back(dir + "\\" + fd.cFileName);
  while (FindNextFileA(h, &fd));
  FindClose(h);
  return paths;
}

// One round over folders seeded beforehand; the order alternates with the round.
int seededRound(const std::string& folder, int round) {
  platform::win32::Win32System real;
  const std::string stepDir = folder + "\\step", plainDir = folder + "\\plain";
  const int files = remaining(stepDir);
  const std::vector<std::string> paths = listed(plainDir);
  if (files == 0 || static_cast<int>(paths.size()) != files) {
    std::printf("seeded folders differ: %d and %zu files\n", files, paths.size());
    return 1;
  }
  double step = 0, plain = 0;
  for (int side = 0; side < 2; ++side) {
    const auto t0 = std::chrono::steady_clock::now();
    if ((side + round) % 2 == 0) {
      if (!vorn::deleteFilesOlderThan(real.system().removal, real.system().clock, 1,
                                      stepDir + "\\*.*")) {
        std::printf("the step reported a failure\n");
        return 1;
      }
      step = bench::seconds(std::chrono::steady_clock::now() - t0);
    } else {
      for (const std::string& p : paths) DeleteFileA(p.c_str());
      plain = bench::seconds(std::chrono::steady_clock::now() - t0);
    }
  }
  if (remaining(stepDir) != 0 || remaining(plainDir) != 0) {
    std::printf("files were left behind\n");
    return 1;
  }
  std::printf("round %d, %d files: step %.3f s, plain %.3f s\n", round, files, step, plain);
  return 0;
}

int main(int argc, char** argv) {
  if (argc > 3 && std::string(argv[1]) == "--seeded")
    return seededRound(argv[2], std::atoi(argv[3]));
  if (argc > 1) kFiles = std::max(1, std::atoi(argv[1]));
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const std::string dir = folder();
  platform::win32::Win32System real;
  std::vector<double> step, plain;
  for (int round = 0; round < rounds; ++round) {
    for (int side = 0; side < 2; ++side) {
      std::vector<std::string> paths = seed(dir);
      const auto t0 = std::chrono::steady_clock::now();
      if ((side + round) % 2 == 0) {
        const bool done = vorn::deleteFilesOlderThan(real.system().removal, real.system().clock, 1,
                                                     dir + "\\*.*");
        step.push_back(bench::seconds(std::chrono::steady_clock::now() - t0));
        if (!done) {
          std::printf("the step reported a failure\n");
          return 1;
        }
      } else {
        for (const std::string& p : paths) DeleteFileA(p.c_str());
        plain.push_back(bench::seconds(std::chrono::steady_clock::now() - t0));
      }
      if (remaining(dir) != 0) {
        std::printf("files were left behind\n");
        return 1;
      }
    }
  }
  RemoveDirectoryA(dir.c_str());
  const double ms = bench::median(step), mp = bench::median(plain);
  const double bs = *std::min_element(step.begin(), step.end());
  const double bp = *std::min_element(plain.begin(), plain.end());
  std::printf("temporary-folder step, %d files: median %.3f s, best %.3f s (runs %s)\n", kFiles, ms,
              bs, bench::timingsText(step).c_str());
  std::printf("plain DeleteFileA loop, same files: median %.3f s, best %.3f s (runs %s)\n", mp, bp,
              bench::timingsText(plain).c_str());
  std::printf("ratio step / plain: %.2f of the medians, %.2f of the best runs (%d rounds)\n",
              ms / mp, bs / bp, rounds);
  return 0;
}
