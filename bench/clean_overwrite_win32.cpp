// Secure removal at level 5 of a 100 MB cookie file (seven in-place passes with the
// delivered scratch files, then the deletion) against writing the same bytes with a
// plain WriteFile loop in 1 MB writes, flushed per pass, then deleting. Rounds alternate
// the two; prints the seconds, the throughput and the ratio.
//
//   bench_clean_overwrite [rounds]   (3 by default)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "common/session_log.h"
#include "main/clean/secure_remove.h"
#include "platform/win32/win32_system.h"

namespace {

constexpr std::size_t kSize = 100u << 20;

std::string readAll(const std::string& path) {
  HANDLE f =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::string data(GetFileSize(f, nullptr), '\0');
  DWORD got = 0;
  ReadFile(f, data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
  CloseHandle(f);
  return data;
}

void makeCookie(const std::string& path) {
  std::string block(1 << 20, 'c');
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  for (std::size_t done = 0; done < kSize; done += block.size())
    WriteFile(f, block.data(), static_cast<DWORD>(block.size()), &wrote, nullptr);
  FlushFileBuffers(f);
  CloseHandle(f);
}

// The same bytes as the seven passes: the scratch file repeated over the whole file, then
// six times the scratch file alone, each pass flushed; then the deletion. The writes are
// 1 MB of whole copies of the scratch file each, as large as a plain copy loop's.
void plainLoop(const std::string& path, const std::string& scratch) {
  std::string block;
  while (block.size() + scratch.size() <= (1u << 20)) block += scratch;
  for (int pass = 0; pass < 7; ++pass) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const std::size_t length = pass == 0 ? kSize : scratch.size();
    DWORD wrote = 0;
    for (std::size_t done = 0; done < length; done += block.size())
      WriteFile(f, block.data(), static_cast<DWORD>(std::min(block.size(), length - done)), &wrote,
                nullptr);
    FlushFileBuffers(f);
    if (pass == 0) {
      SetFilePointer(f, static_cast<LONG>(scratch.size()), nullptr, FILE_BEGIN);
      SetEndOfFile(f);
    }
    CloseHandle(f);
  }
  DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string dir = std::string(temp) + "tervane-bench-overwrite";
  CreateDirectoryA(dir.c_str(), nullptr);
  std::string data = std::string("Z:") + TERVANE_SOURCE_DIR + "\\data\\";
  std::replace(data.begin(), data.end(), '/', '\\');
  for (const char* n : {"ow.chx", "ow2.chx"})
    if (!CopyFileA((data + n).c_str(), (dir + "\\" + n).c_str(), FALSE)) {
      std::printf("no scratch file at %s%s\n", data.c_str(), n);
      return 1;
    }
  const std::string scratch = readAll(dir + "\\ow.chx");
  const std::string cookie = dir + "\\cookies.txt";

  platform::win32::Win32System real;
  common::SessionLog log(real.system().files, real.system().clock, [&] { return dir; });
  // Always ow.chx, so both sides write exactly the same bytes.
  vorn::SecureRemover remover(real.system().files, real.system().removal, log, dir,
                              [] { return 0.0; });
  std::vector<double> secure, plain;
  for (int round = 0; round < rounds; ++round) {
    // The order alternates, so that neither side always meets the other's dirty pages.
    for (int side = 0; side < 2; ++side) {
      makeCookie(cookie);
      const auto t0 = std::chrono::steady_clock::now();
      if ((side + round) % 2 == 0) {
        remover.secureRemove(cookie, "5", [&] { remover.overwritePass(cookie, "bench"); });
        secure.push_back(bench::seconds(std::chrono::steady_clock::now() - t0));
        if (GetFileAttributesA(cookie.c_str()) != INVALID_FILE_ATTRIBUTES) {
          std::printf("the secure removal left %s\n", cookie.c_str());
          return 1;
        }
      } else {
        plainLoop(cookie, scratch);
        plain.push_back(bench::seconds(std::chrono::steady_clock::now() - t0));
      }
    }
  }
  for (const char* n : {"\\ow.chx", "\\ow2.chx", "\\vorn.log"}) DeleteFileA((dir + n).c_str());
  RemoveDirectoryA(dir.c_str());
  const double mb = kSize / 1048576.0;
  const double ms = bench::median(secure), mp = bench::median(plain);
  const double bs = *std::min_element(secure.begin(), secure.end());
  const double bp = *std::min_element(plain.begin(), plain.end());
  std::printf("level 5 secure removal, %.0f MB: median %.3f s (%.0f MB/s), best %.3f s (runs %s)\n",
              mb, ms, mb / ms, bs, bench::timingsText(secure).c_str());
  std::printf(
      "plain WriteFile loop, same bytes: median %.3f s (%.0f MB/s), best %.3f s (runs %s)\n", mp,
      mb / mp, bp, bench::timingsText(plain).c_str());
  std::printf("speed secure / plain: %.2f of the medians, %.2f of the best runs (%d rounds)\n",
              mp / ms, bp / bs, rounds);
  return 0;
}
