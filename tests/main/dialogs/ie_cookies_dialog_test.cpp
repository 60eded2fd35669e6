#include "main/dialogs/ie_cookies_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_window_host.h"

using namespace vorn;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

class IECookiesTest : public ::testing::Test {
 protected:
  IECookiesTest() {
    fake.files.addFile(folder + "\\cookies1.000", "");
    fake.files.addFile(folder + "\\cookies1.lst", "me@kept[1].txt\r\n");
    for (const char* n : {"me@kept[1].txt", "me@site[1].txt", "me@other[2].txt"})
      fake.files.addFile(cookies + n, std::string("NAME\nvalue\n") + n + "\n");
    fake.files.addFile(cookies + "index.dat", "idx");
  }
  int pick(const std::string& name) {
    const auto& items = dialog.cookieFiles.items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == name) return static_cast<int>(i);
    ADD_FAILURE() << name;
    return -1;
  }
  std::string logText() { return fake.files.contents(folder + "\\vorn.log"); }

  platform::fake::FakeSystem fake;
  std::string folder = fake.process.folder;
  std::string cookies = "C:\\WINDOWS\\Cookies\\";
  common::SessionLog log{fake.files, fake.clock, [this] { return folder; }};
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows;
  int reloads = 0;
  IECookiesDialog dialog{
      fake.files,           fake.clock, log, prompter, windows, folder, [this] { return cookies; },
      [this] { ++reloads; }};
};

TEST_F(IECookiesTest, OpensWithTheCookieFilesAndTheStoredKeepList) {
  dialog.open(nullptr);
  EXPECT_THAT(dialog.cookieFiles.items(),
              ElementsAre("me@kept[1].txt", "me@other[2].txt", "me@site[1].txt"));
  EXPECT_THAT(dialog.keptCookiesList.items(), ElementsAre("me@kept[1].txt"));
  EXPECT_EQ(windows.events.front(), "modal Internet Explorer Cookies");
  dialog.cookieFiles.userSelected(pick("me@site[1].txt"));
  EXPECT_EQ(dialog.cookieInfoBox.text(), "NAME\r\nvalue\r\nme@site[1].txt\r\n");
}

TEST_F(IECookiesTest, AddKeepsOneEntryPerNameAndDeleteTakesTheSelectedOne) {
  dialog.load();
  dialog.cookieFiles.userSelected(pick("me@site[1].txt"));
  dialog.addButton.click();
  dialog.addToolbar.click(0);
  dialog.cookieFiles.userDoubleClicked();
  dialog.cookieFiles.userSelected(pick("me@kept[1].txt"));
  dialog.addButton.click();
  EXPECT_THAT(dialog.keptCookiesList.items(), ElementsAre("me@kept[1].txt", "me@site[1].txt"));
  // An entry stored with trailing blanks still counts as that name.
  dialog.keptCookiesList.clear();
  dialog.keptCookiesList.addItem("me@kept[1].txt  ");
  dialog.addButton.click();
  EXPECT_EQ(dialog.keptCookiesList.listCount(), 1);

  dialog.deleteButton.click();  // nothing selected: nothing goes
  EXPECT_EQ(dialog.keptCookiesList.listCount(), 1);
  dialog.keptCookiesList.userSelected(0);
  dialog.removeToolbar.click(0);
  EXPECT_THAT(dialog.keptCookiesList.items(), IsEmpty());
}

TEST_F(IECookiesTest, OkSavesTheListExactlyAndTheMainWindowReadsItAgain) {
  dialog.open(nullptr);
  dialog.cookieFiles.userSelected(pick("me@other[2].txt"));
  dialog.addButton.click();
  dialog.okButton.click();
  EXPECT_EQ(fake.files.contents(folder + "\\cookies1.lst"),
            "me@kept[1].txt\r\nme@other[2].txt\r\n");
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(windows.events.back(), "close Internet Explorer Cookies");
  EXPECT_THAT(prompter.shown, IsEmpty());
}

TEST_F(IECookiesTest, CancelWritesNothing) {
  dialog.open(nullptr);
  dialog.cookieFiles.userSelected(pick("me@site[1].txt"));
  dialog.addButton.click();
  dialog.cancelButton.click();
  EXPECT_EQ(fake.files.contents(folder + "\\cookies1.lst"), "me@kept[1].txt\r\n");
  EXPECT_EQ(reloads, 0);
  dialog.load();
  EXPECT_THAT(dialog.keptCookiesList.items(), ElementsAre("me@kept[1].txt"));
}

TEST_F(IECookiesTest, ASaveThatFailsIsToldTheDialogStaysOpenAndTheOldListStays) {
  // Each write of the save failing in turn: the new list, then its move over the old.
  for (int failing = 1; failing <= 2; ++failing) {
    int writes = 0;
    fake.files.writeFault = [&](const std::string&) {
      return ++writes == failing ? platform::err::kDiskFull : platform::err::kSuccess;
    };
    prompter.shown.clear();
    bool openAfterFailure = false, closedAfterSave = false;
    std::string listAfterFailure;
    windows.whileModal[dialog.caption()] = [&](ui::WindowModel&) {
      dialog.cookieFiles.userSelected(pick("me@site[1].txt"));
      dialog.addButton.click();
      dialog.okButton.click();
      openAfterFailure = windows.isOpen(dialog);
      listAfterFailure = fake.files.contents(folder + "\\cookies1.lst");
      // Once the disk has room, OK saves what the user sees and closes.
      fake.files.writeFault = nullptr;
      dialog.okButton.click();
      closedAfterSave = !windows.isOpen(dialog);
    };
    dialog.open(nullptr);
    EXPECT_TRUE(openAfterFailure) << failing;
    EXPECT_EQ(listAfterFailure, "me@kept[1].txt\r\n");
    EXPECT_TRUE(closedAfterSave) << failing;
    ASSERT_EQ(prompter.shown.size(), 1u) << failing;
    EXPECT_THAT(prompter.shown[0].text,
                HasSubstr("The keep list could not be saved: the disk is full.\r\n\r\n" + folder +
                          "\\cookies1.lst"));
    EXPECT_EQ(reloads, 1);  // only the saved list reached the cleaning
    EXPECT_EQ(fake.files.contents(folder + "\\cookies1.lst"),
              "me@kept[1].txt\r\nme@site[1].txt\r\n");
    fake.files.addFile(folder + "\\cookies1.lst", "me@kept[1].txt\r\n");
    reloads = 0;
  }
  EXPECT_THAT(logText(), HasSubstr("IECookies.Command3"));
  EXPECT_THAT(logText(), HasSubstr("cookies1.lst could not be saved: the disk is full (112)"));
}

TEST_F(IECookiesTest, AMissingTemplateIsToldByItsCodeAndTheEntriesAreSaved) {
  fake.files.deleteFile(folder + "\\cookies1.000");
  dialog.load();
  dialog.okButton.click();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "2");
  EXPECT_EQ(fake.files.contents(folder + "\\cookies1.lst"), "me@kept[1].txt\r\n");
}

TEST_F(IECookiesTest, AMissingCookieFolderIsExplainedAndTheKeepListStillShown) {
  cookies = "C:\\Nowhere\\";
  dialog.open(nullptr);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_THAT(prompter.shown[0].text,
              HasSubstr("Could not find Internet Explorer Cookies path.\r\nIf you use"));
  EXPECT_EQ(prompter.shown[0].title, "Info");
  EXPECT_THAT(logText(),
              HasSubstr("Could not find sIECookies in IECookies.Form.Load C:\\Nowhere\\"));
  EXPECT_THAT(dialog.keptCookiesList.items(), ElementsAre("me@kept[1].txt"));
  EXPECT_EQ(windows.events.front(), "modal Internet Explorer Cookies");
}

TEST_F(IECookiesTest, ACookieThatCannotBeReadLeavesTheInformationEmpty) {
  dialog.load();
  dialog.cookieFiles.userSelected(pick("me@site[1].txt"));
  fake.files.deleteFile(cookies + "me@site[1].txt");
  dialog.cookieFiles.userSelected(pick("me@site[1].txt"));
  EXPECT_EQ(dialog.cookieInfoBox.text(), "");
  EXPECT_THAT(logText(), HasSubstr("IECookies.File1"));
}

}  // namespace
