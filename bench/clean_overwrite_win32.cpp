// Secure removal at level 5 of a 10 MB cookie file (seven in-place passes with the
// delivered scratch files, then the deletion) against writing the same bytes with a
// plain WriteFile loop, flushed per pass, then deleting. Prints seconds and the ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "common/session_log.h"
#include "main/clean/secure_remove.h"
#include "platform/win32/win32_system.h"

namespace {

constexpr std::size_t kSize = 10u << 20;

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

// The same bytes as the seven passes: the scratch file repeated over 10 MB, then six
// times the scratch file alone, each pass flushed; then the deletion.
void plainLoop(const std::string& path, const std::string& scratch) {
  for (int pass = 0; pass < 7; ++pass) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const std::size_t length = pass == 0 ? kSize : scratch.size();
    DWORD wrote = 0;
    for (std::size_t done = 0; done < length; done += scratch.size())
      WriteFile(f, scratch.data(), static_cast<DWORD>(std::min(scratch.size(), length - done)),
                &wrote, nullptr);
    FlushFileBuffers(f);
    if (pass == 0) {
      SetFilePointer(f, static_cast<LONG>(scratch.size()), nullptr, FILE_BEGIN);
      SetEndOfFile(f);
    }
    CloseHandle(f);
  }
  DeleteFileA(path.c_str());
}

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main() {
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
  for (int round = 0; round < 3; ++round) {
    makeCookie(cookie);
    auto t0 = std::chrono::steady_clock::now();
    remover.secureRemove(cookie, "5", [&] { remover.overwritePass(cookie, "bench"); });
    secure.push_back(seconds(std::chrono::steady_clock::now() - t0));
    if (GetFileAttributesA(cookie.c_str()) != INVALID_FILE_ATTRIBUTES) return 1;

    makeCookie(cookie);
    t0 = std::chrono::steady_clock::now();
    plainLoop(cookie, scratch);
    plain.push_back(seconds(std::chrono::steady_clock::now() - t0));
  }
  for (const char* n : {"\\ow.chx", "\\ow2.chx", "\\vorn.log"}) DeleteFileA((dir + n).c_str());
  RemoveDirectoryA(dir.c_str());
  std::sort(secure.begin(), secure.end());
  std::sort(plain.begin(), plain.end());
  const double mb = kSize / 1048576.0;
  std::printf("level 5 secure removal, 10 MB: median %.3f s (%.0f MB/s; runs %.3f %.3f %.3f)\n",
              secure[1], mb / secure[1], secure[0], secure[1], secure[2]);
  std::printf("plain WriteFile loop, same bytes: median %.3f s (%.0f MB/s; runs %.3f %.3f %.3f)\n",
              plain[1], mb / plain[1], plain[0], plain[1], plain[2]);
  std::printf("ratio secure / plain: %.2f of the medians, %.2f of the fastest runs\n",
              secure[1] / plain[1], secure[0] / plain[0]);
  return 0;
}
