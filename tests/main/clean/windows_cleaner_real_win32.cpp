// The Windows engine on the real platform under Wine: files on disk, values in the
// registry, the shell's own file operation. It touches drive C: and HKEY_CURRENT_USER,
// so it runs only in the project's own Wine prefix.
#include <windows.h>
// After windows.h, which it builds on.
#include <gtest/gtest.h>
#include <shellapi.h>

#include "main/clean/windows_cleaner.h"
#include "platform/win32/win32_system.h"
#include "tests/main/clean/clean_fixture.h"
#include "tests/support/contract_env.h"

namespace {

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void put(const std::string& path, int daysOld = 0, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(f, "trace", 5, &wrote, nullptr);
  if (daysOld) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= static_cast<ULONGLONG>(daysOld) * 86400ULL * 10000000ULL;
    FILETIME then{t.LowPart, t.HighPart};
    SetFileTime(f, nullptr, nullptr, &then);
  }
  CloseHandle(f);
  SetFileAttributesA(path.c_str(), attributes);
}

class RealWindowsCleaning : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::inProjectWinePrefix())
      GTEST_SKIP() << "touches drive C: and the registry: only in the project's Wine prefix";
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tervane-win-" + std::to_string(GetCurrentProcessId());
    for (const char* sub : {"", "\\Recent", "\\TEMP", "\\DPF", "\\DPF\\CONFLICT.1"})
      CreateDirectoryA((dir + sub).c_str(), nullptr);
    paths.docHistoryFolder = dir + "\\Recent\\";
    paths.windowsTempFolder = dir + "\\TEMP\\";
    paths.downloadedProgramFilesFolder = dir + "\\DPF\\";
    chk = "C:\\tervane-" + std::to_string(GetCurrentProcessId()) + ".chk";
  }
  void TearDown() override {
    if (dir.empty()) return;
    std::string from = dir + std::string(2, '\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    for (const char* p : {"\\TEMP\\today.tmp", "\\TEMP\\ro.tmp"})
      SetFileAttributesA((dir + p).c_str(), FILE_ATTRIBUTE_NORMAL);
    SHFileOperationA(&op);
    DeleteFileA(chk.c_str());
  }

  platform::win32::Win32System real;
  std::string dir, chk;
  vorn::PathValues paths;
};

TEST_F(RealWindowsCleaning, CleansFilesFoldersAndHistoriesForReal) {
  put(paths.docHistoryFolder + "letter.doc.lnk");
  put(paths.windowsTempFolder + "old.tmp", 3);
  put(paths.windowsTempFolder + "ro.tmp", 5, FILE_ATTRIBUTE_READONLY);
  put(paths.windowsTempFolder + "today.tmp");
  put(paths.downloadedProgramFilesFolder + "ctl.ocx");
  put(paths.downloadedProgramFilesFolder + "CONFLICT.1\\old.ocx");
  put(chk);
  HKEY run;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, vorn::kRunMruKey, &run), ERROR_SUCCESS);
  for (char c = 'a'; c <= 'z'; ++c)
    RegSetValueExA(run, std::string(1, c).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("x"),
                   2);
  RegSetValueExA(run, "MRUList", 0, REG_SZ, reinterpret_cast<const BYTE*>("ab"), 3);

  platform::System& sys = real.system();
  common::SessionLog log(sys.files, sys.clock, [this] { return dir; });
  common::Settings settings(sys.files, log);
  ui::ScriptedPrompter prompter;
  vorn::RegistryAccess registry(sys.registry, prompter);
  clean_test::RecordingView view;
  vorn::PlainOptionBoxes boxes;
  boxes.check(vorn::area::kWindows, {0, 1, 2, 4, 5, 7});
  const std::string ini = dir + "\\mainten.ini";
  vorn::Statistics statistics(settings, log, ini, [] { return 1000.0; });
  vorn::RunFrame frame(
      view, boxes, prompter, settings, log, sys.clock, ini, [] { return 1000.0; }, statistics);
  vorn::WindowsCleaner cleaner(sys, registry, log, frame, boxes, paths);
  cleaner.cleanWindows();

  EXPECT_FALSE(exists(paths.docHistoryFolder + "letter.doc.lnk"));
  EXPECT_FALSE(exists(paths.windowsTempFolder + "old.tmp"));
  EXPECT_FALSE(exists(paths.windowsTempFolder + "ro.tmp"));
  EXPECT_TRUE(exists(paths.windowsTempFolder + "today.tmp"));
  EXPECT_FALSE(exists(paths.downloadedProgramFilesFolder + "ctl.ocx"));
  EXPECT_FALSE(exists(paths.downloadedProgramFilesFolder + "CONFLICT.1"));
  EXPECT_TRUE(exists(paths.downloadedProgramFilesFolder));
  EXPECT_FALSE(exists(chk));
  for (char c = 'a'; c <= 'z'; ++c)
    EXPECT_EQ(RegQueryValueExA(run, std::string(1, c).c_str(), nullptr, nullptr, nullptr,
                               nullptr) == ERROR_SUCCESS,
              c > 't')
        << c;
  EXPECT_EQ(RegQueryValueExA(run, "MRUList", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  RegCloseKey(run);
  EXPECT_EQ(view.value, 6);
  EXPECT_EQ(view.maximum, 6);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cleaning System...Done");
  EXPECT_FALSE(settings.getini("Senast", "Value1", ini).empty());
  EXPECT_FALSE(exists(dir + "\\vorn.log"));
}

}  // namespace
