#include "common/settings.h"

#include <gtest/gtest.h>

#include "common/run_error.h"
#include "platform/fake/fake_system.h"

using common::Settings;
using platform::fake::FakeSystem;

class SettingsTest : public ::testing::Test {
 protected:
  FakeSystem fake;
  std::string folder = "C:\\Program Files\\Tervane";
  std::string ini = folder + "\\mainten.ini";
  common::SessionLog log{fake.files, fake.clock, [this] { return folder; }};
  Settings settings{fake.files, log};
  std::string logText() { return fake.files.contents(folder + "\\vorn.log"); }
};

TEST_F(SettingsTest, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(settings.getini("Path", "IE1", ini), "");
  fake.files.addFile(ini, "[Path]\r\nIE1=C:\\h\\\r\n");
  EXPECT_EQ(settings.getini("Path", "IE2", ini), "");
  EXPECT_EQ(settings.getini("Inst", "IE1", ini), "");
  EXPECT_EQ(settings.getini("path", "ie1 ", ini), "C:\\h\\");
  EXPECT_EQ(logText(), "");
}

TEST_F(SettingsTest, LongValuesComeBackCutTo254) {
  fake.files.addFile(ini, "[s]\r\nk=" + std::string(300, 'v') + "\r\n");
  EXPECT_EQ(settings.getini("s", "k", ini), std::string(254, 'v'));
}

TEST_F(SettingsTest, FirstWriteCreatesTheFileAndLaterWritesKeepTheRest) {
  EXPECT_TRUE(settings.AddToini("UserDef", "UDvalue1", "1", ini));
  EXPECT_TRUE(settings.AddToini("Path", "Detect", "0", ini));
  EXPECT_TRUE(settings.AddToini("userdef", "udvalue1", "0", ini));
  EXPECT_EQ(fake.files.contents(ini), "[UserDef]\r\nUDvalue1=0\r\n[Path]\r\nDetect=0\r\n");
  EXPECT_EQ(settings.getini("UserDef", "UDvalue1 ", ini), "0");
  EXPECT_FALSE(fake.files.exists(ini + ".new")) << fake.files.dump();
}

TEST_F(SettingsTest, ReadOnlyOrUnreachableFilesRefuseWritesAndKeepTheirText) {
  fake.files.addFile(ini, "[s]\r\nk=1\r\n", platform::attr::kReadOnly);
  EXPECT_FALSE(settings.AddToini("s", "k", "2", ini));
  EXPECT_EQ(settings.getini("s", "k", ini), "1");
  EXPECT_FALSE(settings.AddToini("s", "k", "2", "C:\\missing folder\\x.ini"));
  EXPECT_EQ(fake.files.dump().find(".new"), std::string::npos) << fake.files.dump();
}

TEST_F(SettingsTest, AWriteThatCannotBeRenamedLeavesTheOldFileWhole) {
  fake.files.addFile(ini, "[s]\r\nk=1\r\n");
  fake.files.setOpen(ini, true);  // held by another program
  EXPECT_FALSE(settings.AddToini("s", "k", "2", ini));
  EXPECT_EQ(fake.files.contents(ini), "[s]\r\nk=1\r\n");
  EXPECT_FALSE(fake.files.exists(ini + ".new"));
}

TEST_F(SettingsTest, ExistenceTests) {
  fake.files.addFolder("C:\\Windows\\Temp");
  fake.files.addFile("C:\\Windows\\Temp\\a.tmp");
  fake.files.addFile("C:\\Windows\\Temp\\h.tmp", "", platform::attr::kHidden);
  EXPECT_FALSE(common::folderExists(fake.files, ""));
  EXPECT_TRUE(common::folderExists(fake.files, "C:\\Windows\\Temp"));
  EXPECT_TRUE(common::folderExists(fake.files, "C:\\Windows\\Temp\\"));
  EXPECT_TRUE(common::folderExists(fake.files, "c:\\windows\\temp\\"));
  EXPECT_FALSE(common::folderExists(fake.files, "C:\\Windows\\Nothing\\"));
  EXPECT_FALSE(common::folderExists(fake.files, "-"));
  EXPECT_FALSE(common::fileExists(fake.files, ""));
  EXPECT_TRUE(common::fileExists(fake.files, "C:\\Windows\\Temp\\a.tmp"));
  EXPECT_TRUE(common::fileExists(fake.files, "C:\\Windows\\Temp\\*.tmp"));
  EXPECT_FALSE(common::fileExists(fake.files, "C:\\Windows\\Temp\\h.tmp"));
  EXPECT_FALSE(common::fileExists(fake.files, "C:\\Windows\\Temp"));
  EXPECT_FALSE(common::fileExists(fake.files, "-*.dat"));
}

TEST_F(SettingsTest, ProgramFolderLosesOneTrailingSeparator) {
  fake.process.folder = "C:\\Tervane\\";
  EXPECT_EQ(common::programFolder(fake.process), "C:\\Tervane");
  fake.process.folder = "D:/apps/";
  EXPECT_EQ(common::programFolder(fake.process), "D:/apps");
}

TEST_F(SettingsTest, ManyValuesAreSavedInOneWriteOrNotAtAllAndAFailureIsLoggedWithItsFile) {
  fake.files.addFile(ini, "[s]\r\nk=1\r\n");
  const std::vector<Settings::Value> values{{"s", "k", "2"}, {"t", "u", "3"}};
  // Each write in turn fails: the writing of the new text, then its move over the old.
  for (int failing = 1; failing <= 2; ++failing) {
    int writes = 0;
    fake.files.writeFault = [&](const std::string&) {
      return ++writes == failing ? platform::err::kDiskFull : platform::err::kSuccess;
    };
    EXPECT_EQ(settings.AddAllToini(values, ini), platform::err::kDiskFull) << failing;
    EXPECT_EQ(fake.files.contents(ini), "[s]\r\nk=1\r\n") << failing;
    EXPECT_FALSE(fake.files.exists(ini + ".new")) << fake.files.dump();
  }
  fake.files.writeFault = nullptr;
  EXPECT_NE(logText().find(ini + " could not be saved: the disk is full (112)"), std::string::npos)
      << logText();
  EXPECT_EQ(settings.AddAllToini(values, ini), platform::err::kSuccess);
  EXPECT_EQ(settings.getini("s", "k", ini), "2");
  EXPECT_EQ(settings.getini("t", "u", ini), "3");
}
