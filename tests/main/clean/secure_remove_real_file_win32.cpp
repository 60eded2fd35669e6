// Secure removal on real files under Wine, with the delivered scratch files. A second
// hard link to the cookie file is a witness: it names the same data as the cookie, so
// it shows what the passes did to the file's own bytes, and it outlives the deletion.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/session_log.h"
#include "main/clean/secure_remove.h"
#include "platform/win32/win32_system.h"

namespace {

std::string readAll(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<missing>";
  std::string data(GetFileSize(f, nullptr), '\0');
  DWORD got = 0;
  ReadFile(f, data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
  CloseHandle(f);
  data.resize(got);
  return data;
}

void writeAll(const std::string& path, const std::string& data) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &wrote, nullptr);
  CloseHandle(f);
}

// The delivered data folder as Wine sees the source tree (drive Z: is the Unix root).
std::string dataFile(const char* name) {
  std::string path = std::string("Z:") + TERVANE_SOURCE_DIR + "/data/" + name;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

class RealSecureRemoval : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tervane-secure-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(dataFile("ow.chx").c_str(), (dir + "\\ow.chx").c_str(), FALSE))
        << dataFile("ow.chx");
    ASSERT_TRUE(CopyFileA(dataFile("ow2.chx").c_str(), (dir + "\\ow2.chx").c_str(), FALSE));
    scratch1 = readAll(dir + "\\ow.chx");
    scratch2 = readAll(dir + "\\ow2.chx");
    cookie = dir + "\\cookies\\user@example[1].txt";
    witness = dir + "\\witness.txt";
    CreateDirectoryA((dir + "\\cookies").c_str(), nullptr);
    writeAll(cookie, old);
    ASSERT_TRUE(CreateHardLinkA(witness.c_str(), cookie.c_str(), nullptr));
    paths.ieCookiesFolder = dir + "\\cookies\\";
  }
  void TearDown() override {
    for (const char* n :
         {"\\ow.chx", "\\ow2.chx", "\\witness.txt", "\\cookies\\user@example[1].txt"})
      DeleteFileA((dir + n).c_str());
    RemoveDirectoryA((dir + "\\cookies").c_str());
    RemoveDirectoryA(dir.c_str());
  }
  bool holdsOldBytes(const std::string& data) { return data.find("SECRET") != std::string::npos; }

  platform::win32::Win32System real;
  common::SessionLog log{real.system().files, real.system().clock, [this] { return dir; }};
  std::string dir, cookie, witness, scratch1, scratch2;
  std::string old = [] {
    std::string s;
    while (s.size() < 300000) s += "SECRET-cookie-value;";
    return s;
  }();
  vorn::PathValues paths;
};

TEST_F(RealSecureRemoval, DeliveredScratchFilesAreThere) {
  EXPECT_GE(scratch1.size(), 2048u);
  EXPECT_GE(scratch2.size(), 2048u);
  EXPECT_NE(scratch1, scratch2);
}

TEST_F(RealSecureRemoval, TheOverwriteCoversTheWholeOldExtentInPlace) {
  ASSERT_EQ(real.system().files.overwriteInPlace(cookie, scratch1), platform::err::kSuccess);
  const std::string seen = readAll(witness);
  EXPECT_EQ(seen.size(), old.size());
  EXPECT_FALSE(holdsOldBytes(seen));
  EXPECT_EQ(seen.substr(0, scratch1.size()), scratch1);
  EXPECT_EQ(seen.substr(scratch1.size(), scratch1.size()), scratch1);
}

TEST_F(RealSecureRemoval, APassLeavesExactlyTheScratchBytesInTheSameFile) {
  vorn::SecureRemover remover(real.system().files, real.system().removal, log, dir,
                              [] { return 0.75; });
  remover.overWriteFileIE(paths, "user@example[1].txt");
  EXPECT_EQ(readAll(cookie), scratch2);
  EXPECT_EQ(readAll(witness), scratch2);  // written where it was, not replaced
  EXPECT_EQ(readAll(dir + "\\vorn.log"), "<missing>");
}

TEST_F(RealSecureRemoval, LevelFiveOverwritesThenDeletesLeavingNoOldByte) {
  vorn::SecureRemover remover(real.system().files, real.system().removal, log, dir);
  int passes = 0;
  remover.secureRemove(cookie, "5", [&] {
    ++passes;
    remover.overWriteFileIE(paths, "user@example[1].txt");
  });
  EXPECT_EQ(passes, 7);
  EXPECT_EQ(GetFileAttributesA(cookie.c_str()), INVALID_FILE_ATTRIBUTES);
  const std::string left = readAll(witness);
  EXPECT_TRUE(left == scratch1 || left == scratch2);
  EXPECT_FALSE(holdsOldBytes(left));
}

TEST_F(RealSecureRemoval, ACookieHeldOpenIsLoggedAndLeftAsItWas) {
  HANDLE held = CreateFileA(cookie.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  vorn::SecureRemover remover(real.system().files, real.system().removal, log, dir,
                              [] { return 0.1; });
  remover.overWriteFileIE(paths, "user@example[1].txt");
  CloseHandle(held);
  EXPECT_EQ(readAll(cookie), old);
  EXPECT_NE(readAll(dir + "\\vorn.log").find("Module2.overWriteFileIE at line 0"),
            std::string::npos);
}

}  // namespace
