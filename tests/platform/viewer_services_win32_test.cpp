// The regional settings, the shell's file descriptions and the shell's "open" on the
// real system, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_viewer_services.h"

namespace {

std::string tempFolder() {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  return buffer;
}

std::string windowsFolder() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return buffer;
}

TEST(Win32Locale, WritesAShortDateAndNothingForYearsTheSystemCannotWrite) {
  auto locale = platform::win32::makeLocale();
  const std::string date = locale->shortDate({2000, 12, 31, 23, 59, 0, 0});
  EXPECT_NE(date.find("31"), std::string::npos) << date;
  EXPECT_NE(date.find("12"), std::string::npos) << date;
  EXPECT_EQ(date.find("59"), std::string::npos) << "no time of day: " << date;
  EXPECT_EQ(locale->shortDate({1500, 1, 1}), "");
  const std::string separator = locale->thousandsSeparator();
  EXPECT_LE(separator.size(), 3u);
  EXPECT_EQ(separator.find_first_of("0123456789"), std::string::npos);
}

TEST(Win32ShellFileInfo, DescribesFilesAndFoldersAndTellsWindowsProgramsApart) {
  auto info = platform::win32::makeShellFileInfo();
  platform::ShellFileDescription folder;
  ASSERT_TRUE(info->describe(windowsFolder(), folder));
  EXPECT_FALSE(folder.typeName.empty());
  EXPECT_GE(folder.smallIcon, 0);

  const std::string text = tempFolder() + "tervane_viewer_probe.txt";
  HANDLE h = CreateFileA(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  platform::ShellFileDescription file;
  EXPECT_TRUE(info->describe(text, file));
  EXPECT_FALSE(file.typeName.empty());
  EXPECT_NE(file.typeName, folder.typeName);
  EXPECT_FALSE(info->isWindowsExecutable(text));
  DeleteFileA(text.c_str());

  platform::ShellFileDescription missing;
  EXPECT_FALSE(info->describe(tempFolder() + "tervane_no_such_file.zzz", missing));
  EXPECT_TRUE(missing.typeName.empty());

  // A window program, and this test, which is a console program.
  EXPECT_TRUE(info->isWindowsExecutable(windowsFolder() + "\\notepad.exe"));
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_FALSE(info->isWindowsExecutable(self));
}

TEST(Win32ShellOpen, AMissingFileIsReportedAsNotFound) {
  auto open = platform::win32::makeShellOpen();
  const platform::ErrorCode e = open->open(0, tempFolder() + "tervane_no_such_file.txt");
  EXPECT_TRUE(e == platform::err::kFileNotFound || e == platform::err::kPathNotFound) << e;
}

}  // namespace
