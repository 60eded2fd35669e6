// scoutry.exe over a drive C: whose tree holds links back to their own parents (planted
// by link_loop.sh): the search must end and record the file behind them once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/ini_text.h"
#include "tests/e2e/e2e_support.h"

TEST(ScoutryEndToEnd, SearchEndsOnLinksBackUpTheTreeAndRecordsOnce) {
  const std::string planted = "C:\\tervane-e2e-loop\\a\\Cookies\\index.dat";
  ASSERT_TRUE(e2e::exists(planted)) << "run through link_loop.sh";
  DWORD attributes = GetFileAttributesA("C:\\tervane-e2e-loop\\a\\up");
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT) << std::hex << attributes;

  e2e::Scratch s("scoutry-loop");
  const std::string prog = s.at("prog");
  e2e::copyFile(e2e::builtProgram(TERVANE_SCOUTRY_EXE), prog + "\\scoutry.exe");
  e2e::Process scoutry(prog + "\\scoutry.exe");
  ASSERT_TRUE(scoutry.started());
  HWND window = e2e::waitForWindow(scoutry.id(), "Search", 20000);
  ASSERT_NE(window, nullptr);
  PostMessageA(FindWindowExA(window, nullptr, "Button", "Start searching"), BM_CLICK, 0, 0);
  ASSERT_TRUE(scoutry.waitForExit(240000)) << "the search did not end";

  const std::string ini = e2e::readFile(prog + "\\index.ini");
  const int count = std::stoi(common::iniLookup(ini, "Path", "0").value_or("-1"));
  int times = 0;
  for (int k = 1; k <= count; ++k) {
    std::string path = common::iniLookup(ini, "Path", std::to_string(k)).value_or("");
    EXPECT_EQ(path.find("tervane-e2e-loop\\a\\up"), std::string::npos) << path;
    EXPECT_EQ(path.find("Cookies\\again"), std::string::npos) << path;
    if (path == planted) ++times;
  }
  EXPECT_EQ(times, 1) << ini;
}
