// A settings file written by an earlier build loads with every box and folder where it was,
// and the program writes it back unchanged, byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "main/app/wiring.h"
#include "tests/main/app/app_fixture.h"
#include "tests/support/scripted_tray.h"
#include "ui/mnemonic.h"

namespace vorn {
namespace {

std::string readSample() {
  std::ifstream in(std::string(TERVANE_TEST_DATA_DIR) + "/mainten_round_trip.ini",
                   std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SettingsRoundTripTest : public ::testing::Test, public testing::AppFixture {
 protected:
  SettingsRoundTripTest() {
    fake.clock.set({2001, 4, 12, 10, 30, 0, 0});
    for (const char* f :
         {"C:\\WINDOWS\\History\\", "C:\\WINDOWS\\Temporary Internet Files\\Content.ie5\\",
          "C:\\WINDOWS\\Cookies\\", "C:\\Program Files\\Netscape\\Users\\ann\\Cache\\",
          "C:\\Program Files\\Netscape\\Users\\bob\\", "C:\\Program Files\\Opera\\Cache4\\",
          "C:\\WINDOWS\\Recent\\", "C:\\WINDOWS\\Temp\\",
          "C:\\WINDOWS\\Downloaded Program Files\\"})
      fake.files.addFolder(f);
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
  }

  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(SettingsRoundTripTest, AStoredFileLoadsAsItWasAndIsWrittenBackUnchanged) {
  const std::string stored = readSample();
  ASSERT_NE(stored.find("[Rensa]"), std::string::npos);
  fake.files.addFile(mainten(), stored);
  window->loadWindow();

  // Each box by its caption, with the value and enabled state the file gives it.
  struct Box {
    const char* caption;
    int value;
    bool enabled;
  };
  const Box boxes[] = {
      {"Internet Explorer Cache (Using Control Panel)", 0, true},
      {"Internet Explorer History (Using Control Panel)", 1, true},
      {"Internet Explorer Cookies", 1, true},
      {"Internet Explorer Address Bar", 0, true},
      {"Locked Files (will be cleaned the next time you restart windows)", 1, true},
      {"Netscape Cache", 0, true},
      {"Netscape History", 1, true},
      {"Netscape Cookies", 0, true},
      {"Netscape Address Bar", 1, true},
      {"Opera Cache", 1, true},
      {"Opera History", 0, true},
      {"Opera Cookies", 1, true},
      {"Opera Address Bar", 0, true},
      {"Windows Doc History", 0, true},
      {"Downloaded Program Files Directory", 1, true},
      {"Windows Temporary Files Directory", 1, true},
      {"Recycle Bin", 0, true},
      {"*.chk, Scandisc Files", 1, true},
      {"Windows Run History", 0, true},
      {"Windows Search History", 1, true},
      {"Additional Garbage", 0, true},
      {"Work", 1, true},
      {"User Defined 2", 0, false},
      {"Games", 1, true},
      {"User Defined 4", 0, false},
  };
  ASSERT_EQ(std::size(boxes), static_cast<std::size_t>(window->clean.optionTable.size()));
  for (int i = 0; i < window->clean.optionTable.size(); ++i) {
    const ui::CheckBox& box = window->clean.optionBox(i);
    EXPECT_EQ(ui::withoutMnemonic(box.caption()), boxes[i].caption) << "Value" << i + 1;
    EXPECT_EQ(box.value(), boxes[i].value) << boxes[i].caption;
    EXPECT_EQ(box.enabled(), boxes[i].enabled) << boxes[i].caption;
  }

  struct Folder {
    const ui::TextBox& box;
    const char* shown;
  };
  const PathsPage& p = window->paths;
  for (const Folder& f :
       {Folder{p.ieHistoryFolderBox, "C:\\WINDOWS\\History\\"},
        Folder{p.ieCacheFolderBox, "C:\\WINDOWS\\Temporary Internet Files\\"},
        Folder{p.ieCookiesFolderBox, "C:\\WINDOWS\\Cookies\\"},
        Folder{p.netscapeProfileFolderBox, "C:\\Program Files\\Netscape\\Users\\"},
        Folder{p.netscapeCacheFolderBox, "C:\\Program Files\\Netscape\\Users\\ann\\Cache\\"},
        Folder{p.operaUserFolderBox, "C:\\Program Files\\Opera\\"},
        Folder{p.operaCacheFolderBox, "C:\\Program Files\\Opera\\Cache4\\"},
        Folder{p.windowsDocHistoryFolderBox, "C:\\WINDOWS\\Recent\\"},
        Folder{p.windowsTempFolderBox, "C:\\WINDOWS\\Temp\\"},
        Folder{p.windowsDownloadedFolderBox, "C:\\WINDOWS\\Downloaded Program Files\\"}})
    EXPECT_EQ(f.box.text(), f.shown);
  EXPECT_EQ(p.netscapeUserBox.text(), "ann");
  EXPECT_EQ(session.paths.netscapeProfile, "C:\\Program Files\\Netscape\\Users\\ann");
  for (const ui::Label* missing :
       {&window->clean.ieMissingLabel, &window->clean.netscapeMissingLabel,
        &window->clean.operaMissingLabel, &window->clean.windowsPathsMissingLabel})
    EXPECT_FALSE(missing->visible()) << missing->caption();
  EXPECT_EQ(window->maintenance.autoDayBox.listIndex(), 6);
  EXPECT_EQ(window->maintenance.safetyLevelSlider.value(), 3);
  EXPECT_FALSE(window->clean.areaTabs.tabEnabled(kOpera));

  window->navigationToolbar.click(6);  // "Quit" saves everything the window holds
  EXPECT_FALSE(windows.isOpen(*window));
  EXPECT_EQ(fake.files.contents(mainten()), stored);
}

}  // namespace
}  // namespace vorn
