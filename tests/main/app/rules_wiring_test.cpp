// The cleaning rules plugged into the main window on the fake platform: winapp2.ini on
// the Plugins tab and in "Clean All", garbage.ini behind "Additional Garbage".
#include "main/app/rules_wiring.h"

#include <gtest/gtest.h>

#include "tests/main/app/app_fixture.h"
#include "tests/support/scripted_tray.h"

namespace vorn {
namespace {

class RulesWiringTest : public ::testing::Test, public testing::AppFixture {
 protected:
  RulesWiringTest() {
    installDeliveredSettings();
    for (const char* f : {"C:\\WINDOWS\\Recent\\", "C:\\WINDOWS\\Temp\\"}) fake.files.addFolder(f);
    // Each cleaning here meets a link to a folder outside what it cleans.
    fake.files.addFile("D:\\Outside\\keep.tmp", "outside");
    fake.files.addLink("C:\\Tool\\cache\\link.tmp", "D:\\Outside");
    fake.files.addLink("C:\\WINDOWS\\Help\\link.gid", "D:\\Outside");
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
  }
  std::string folder() { return fake.process.folder + "\\"; }

  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(RulesWiringTest, LoadListsTheRulesFoundAndCleanAllCarriesOutTheTickedOnes) {
  fake.registry.setString(platform::hkey::kCurrentUser, "Software\\Tool", "Last", "x");
  fake.files.addFile("C:\\Tool\\cache\\a.tmp");
  fake.files.addFile(folder() + "winapp2.ini",
                     "[Tool *]\r\nDetect=HKCU\\Software\\Tool\r\nFileKey1=C:\\Tool\\cache|*.tmp\r\n"
                     "RegKey1=HKCU\\Software\\Tool|Last\r\n"
                     "[Other *]\r\nDetect=HKCU\\Software\\Other\r\nFileKey1=C:\\Tool|*.*\r\n");
  window->loadWindow();
  ASSERT_EQ(window->clean.ruleList.items(), std::vector<std::string>{"Tool"});
  EXPECT_TRUE(window->clean.ruleList.checked(0));
  window->clean.cleanAllButton.click();
  EXPECT_FALSE(fake.files.exists("C:\\Tool\\cache\\a.tmp"));
  EXPECT_FALSE(fake.registry.hasValue(platform::hkey::kCurrentUser, "Software\\Tool", "Last"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\keep.tmp"), "outside");
}

TEST_F(RulesWiringTest, AdditionalGarbageCleansTheDeliveredRuleFileAlone) {
  fake.files.addFile(folder() + "garbage.ini", "[Help *]\r\nFileKey1=%WinDir%\\Help|*.gid\r\n");
  fake.files.addFile("C:\\WINDOWS\\Help\\a.gid");
  fake.files.addFile("C:\\WINDOWS\\Help\\a.hlp");
  window->loadWindow();
  window->clean.windowsOptions[7].setValue(1);
  window->clean.cleanWindowsToolbar.click(0);
  EXPECT_FALSE(fake.files.exists("C:\\WINDOWS\\Help\\a.gid"));
  EXPECT_TRUE(fake.files.exists("C:\\WINDOWS\\Help\\a.hlp"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\keep.tmp"), "outside");
}

}  // namespace
}  // namespace vorn
