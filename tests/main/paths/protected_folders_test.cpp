// Which folders the fixed cleaning areas refuse, whatever a path setting says.
#include "main/paths/protected_folders.h"

#include <gtest/gtest.h>

#include "common/run_error.h"
#include "platform/fake/fake_system.h"

using platform::fake::FakeSystem;

class ProtectedFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    // An NT-style layout: the Windows folder, its system folder, a profile.
    fake.shell.folders[platform::csidl::kWindows] = "C:\\WINNT";
    fake.shell.folders[platform::csidl::kSystem] = "C:\\WINNT\\system32";
    fake.shell.folders[platform::csidl::kProgramFiles] = "C:\\Program Files";
    fake.shell.folders[platform::csidl::kProfile] = "C:\\Documents and Settings\\Ann";
    for (const char* f :
         {"C:\\WINNT\\system32", "C:\\WINNT\\Temp", "C:\\WINNT\\Downloaded Program Files",
          "C:\\Program Files\\Opera", "C:\\Documents and Settings\\Ann\\Cookies", "D:\\Data"})
      fake.files.addFolder(f);
  }
  bool isProtected(const std::string& folder) {
    return vorn::isProtectedFolder(fake.system(), folder);
  }
  FakeSystem fake;
};

TEST_F(ProtectedFolders, DriveRootsAndTheSystemsFoldersInAnySpelling) {
  for (const char* folder :
       {"C:\\", "c:", "C:/", "D:\\", "C:\\\\", "C:\\WINNT\\..\\", "\\\\server\\share\\",
        "C:\\WINNT\\", "c:\\winnt", "C:/WinNT//", "C:\\WINNT\\.\\", "C:\\WINNT\\SYSTEM32\\",
        "C:\\Program Files\\", "C:\\PROGRAM FILES", "C:\\Documents and Settings\\Ann\\",
        "C:\\Program Files\\Opera\\..\\"})
    EXPECT_TRUE(isProtected(folder)) << folder;
}

TEST_F(ProtectedFolders, FoldersThatHoldOneOfThemAndPathsThatAreNoFullPath) {
  // Walking from these would walk into the profile or the Windows folder.
  EXPECT_TRUE(isProtected("C:\\Documents and Settings\\"));
  EXPECT_TRUE(isProtected("Temp\\"));
  EXPECT_TRUE(isProtected("\\WINNT\\Temp\\"));
  EXPECT_TRUE(isProtected("C:WINNT\\"));
}

TEST_F(ProtectedFolders, TheCleanersOwnFoldersInsideThemAreNot) {
  for (const char* folder :
       {"C:\\WINNT\\Temp\\", "C:\\WINNT\\Downloaded Program Files\\", "C:\\Program Files\\Opera\\",
        "C:\\Documents and Settings\\Ann\\Cookies\\", "C:\\WINNT2\\", "C:\\WINNT\\system\\",
        "D:\\Data\\", "\\\\server\\share\\cache\\"})
    EXPECT_FALSE(isProtected(folder)) << folder;
}

TEST_F(ProtectedFolders, AnotherPathToTheSameFolderIsRecognisedByItsIdentity) {
  fake.files.addFolder("C:\\PROGRA~1");
  fake.identity.sameAs("C:\\PROGRA~1", "C:\\Program Files");
  fake.files.addFolder("C:\\DOCUME~1");
  fake.identity.sameAs("C:\\DOCUME~1", "C:\\Documents and Settings");
  EXPECT_TRUE(isProtected("C:\\PROGRA~1\\"));
  EXPECT_TRUE(isProtected("C:\\DOCUME~1\\"));
  EXPECT_FALSE(isProtected("C:\\WINNT\\Temp\\"));
}

TEST_F(ProtectedFolders, AFolderTheSystemDoesNotHaveProtectsNothing) {
  fake.shell.folders.erase(platform::csidl::kProfile);
  EXPECT_FALSE(isProtected("C:\\Documents and Settings\\"));
  EXPECT_TRUE(isProtected("C:\\WINNT\\"));
}

TEST_F(ProtectedFolders, ACleaningStepIsRefusedWithTheReason) {
  try {
    vorn::requireCleanableFolder(fake.system(), "C:\\WINNT\\");
    FAIL() << "no error raised";
  } catch (const common::RunError& e) {
    EXPECT_EQ(e.number(), 75);
    EXPECT_EQ(e.description(), "C:\\WINNT\\ is a system folder and cannot be cleaned");
  }
  EXPECT_NO_THROW(vorn::requireCleanableFolder(fake.system(), "C:\\WINNT\\Temp\\"));
}
