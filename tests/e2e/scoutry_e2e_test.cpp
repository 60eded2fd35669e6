// scoutry.exe under Wine and Xvfb: the window is found by its title, its buttons by
// their captions, and pressed with window messages, as a user or UI automation would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/ini_text.h"
#include "tests/e2e/e2e_support.h"

using ::testing::Contains;
using ::testing::Not;

namespace {

HWND child(HWND window, const char* cls, const char* caption) {
  return FindWindowExA(window, nullptr, cls, caption);
}

}  // namespace

TEST(ScoutryEndToEnd, StartSearchingRecordsThePlantedIndexFilesOfDriveC) {
  e2e::Scratch s("scoutry");
  const std::string prog = s.at("prog");
  e2e::copyFile(e2e::builtProgram(TERVANE_SCOUTRY_EXE), prog + "\\scoutry.exe");
  const std::string cookie = s.at("Profile\\Cookies\\index.dat");
  const std::string cache = s.at("Profile\\Temporary Internet Files\\Content.IE5\\index.dat");
  const std::string userData =
      s.at("Profile\\Application Data\\Microsoft\\Internet Explorer\\UserData\\index.dat");
  const std::string subFolder =
      s.at("Profile\\Temporary Internet Files\\Content.IE5\\AB12CD34\\index.dat");
  const std::string elsewhere = s.at("Other\\index.dat");
  e2e::writeFile(cookie, "x");
  e2e::writeFile(cache, "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  e2e::writeFile(userData, "x");
  e2e::writeFile(subFolder, "x");
  e2e::writeFile(elsewhere, "x");
  e2e::writeFile(prog + "\\index.ini", "[Path]\r\n1=C:\\stale\\Cookies\\index.dat\r\n0=1\r\n");

  e2e::Process scoutry(prog + "\\scoutry.exe");
  ASSERT_TRUE(scoutry.started());
  HWND window = e2e::waitForWindow(scoutry.id(), "Search", 20000);
  ASSERT_NE(window, nullptr);
  HWND start = child(window, "Button", "Start searching");
  ASSERT_NE(start, nullptr);
  ASSERT_NE(child(window, "Button", "Cancel"), nullptr);
  std::vector<std::string> fields;
  for (HWND edit = child(window, "Edit", nullptr); edit;
       edit = FindWindowExA(window, edit, "Edit", nullptr)) {
    char text[64] = {};
    SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    fields.push_back(text);
  }
  EXPECT_THAT(fields, ::testing::ElementsAre("C:", "index.dat"));
  PostMessageA(start, BM_CLICK, 0, 0);
  ASSERT_TRUE(scoutry.waitForExit(240000)) << "the search did not end";

  const std::string ini = e2e::readFile(prog + "\\index.ini");
  auto value = [&](int key) { return common::iniLookup(ini, "Path", std::to_string(key)); };
  ASSERT_TRUE(value(0).has_value()) << ini;
  const int count = std::stoi(*value(0));
  std::vector<std::string> found;
  for (int k = 1; k <= count; ++k) {
    ASSERT_TRUE(value(k).has_value()) << "key " << k << " missing in\n" << ini;
    found.push_back(*value(k));
  }
  EXPECT_FALSE(value(count + 1).has_value());
  EXPECT_THAT(found, Contains(cookie));
  EXPECT_THAT(found, Contains(cache));
  EXPECT_THAT(found, Contains(userData));
  EXPECT_THAT(found, Not(Contains(subFolder)));
  EXPECT_THAT(found, Not(Contains(elsewhere)));
  EXPECT_THAT(found, Not(Contains("C:\\stale\\Cookies\\index.dat")));
}

TEST(ScoutryEndToEnd, CancelAsksAndYesEndsWithoutTouchingTheList) {
  e2e::Scratch s("scoutry-cancel");
  const std::string prog = s.at("prog");
  e2e::copyFile(e2e::builtProgram(TERVANE_SCOUTRY_EXE), prog + "\\scoutry.exe");
  const std::string before = "[Path]\r\n0=0\r\n";
  e2e::writeFile(prog + "\\index.ini", before);

  e2e::Process scoutry(prog + "\\scoutry.exe");
  ASSERT_TRUE(scoutry.started());
  HWND window = e2e::waitForWindow(scoutry.id(), "Search", 20000);
  ASSERT_NE(window, nullptr);
  PostMessageA(child(window, "Button", "Cancel"), BM_CLICK, 0, 0);
  HWND box = e2e::waitForWindow(scoutry.id(), "Cancel", 20000, "#32770");
  ASSERT_NE(box, nullptr);
  // No first: the box goes, the window stays.
  PostMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  EXPECT_FALSE(scoutry.waitForExit(1500));
  EXPECT_TRUE(IsWindow(window));
  PostMessageA(child(window, "Button", "Cancel"), BM_CLICK, 0, 0);
  box = e2e::waitForWindow(scoutry.id(), "Cancel", 20000, "#32770");
  ASSERT_NE(box, nullptr);
  PostMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
  ASSERT_TRUE(scoutry.waitForExit(20000));
  EXPECT_EQ(e2e::readFile(prog + "\\index.ini"), before);
}
