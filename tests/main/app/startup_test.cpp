#include "main/app/startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/main/app/app_fixture.h"

namespace vorn::testing {
namespace {

class StartupTest : public ::testing::Test, public AppFixture {
 protected:
  void SetUp() override {
    installDeliveredSettings();
    fake.files.addFile(folder() + "\\scoutry.exe", "MZ");
    fake.files.addFile(folder() + "\\ShFolder.Exe", "MZ");
    fake.files.addFolder("C:\\WINDOWS\\Cookies");
    setIni("Path", "IE3", "C:\\WINDOWS\\Cookies\\");
    session.programFolder.clear();  // Main takes it
  }
  void start() {
    makeWindow();
    Main(services, *mainWindow, splash);
  }
  std::string tipsSetting() {
    return fake.userSettings.getSetting("vorn66", "Options", "Show Tips at Startup", "missing");
  }
  SplashWindow splash{windows};
};

TEST_F(StartupTest, AFirstStartRunsTheInstallerOnceAndTheSearchToolOnce) {
  start();
  EXPECT_EQ(session.programFolder, folder());
  EXPECT_EQ(tipsSetting(), "0");
  EXPECT_EQ(fake.processes.started.at(0).commandLine, "\"" + folder() + "\\ShFolder.Exe\"");
  EXPECT_EQ(fake.processes.started.at(1).commandLine, "\"" + folder() + "\\scoutry.exe\"");
  // The installer is not waited for; the search tool is.
  EXPECT_EQ(fake.processes.events.at(1), "start \"" + folder() + "\\scoutry.exe\"");
  EXPECT_EQ(fake.processes.events.at(2), "wait " + std::to_string(fake.processes.started[1].id));
  EXPECT_EQ(ini("Path", "Detect"), "1");
  EXPECT_EQ(ini("Inst", "Scoutry"), "0");
  EXPECT_THAT(windows.events, ::testing::ElementsAre("show ", "show Tervane 6.6", "modal Notice!",
                                                     "close Notice!", "close "));
  EXPECT_EQ(mainWindow->help.infoPicture.picture(), folder() + "\\377x159.jpg");

  // The next start skips both.
  windows.close(*mainWindow);
  std::size_t before = fake.processes.started.size();
  start();
  EXPECT_EQ(fake.processes.started.size(), before);
}

TEST_F(StartupTest, ABannerIsTheOnlyLineOfAStartWithoutErrors) {
  fake.userSettings.saveSetting("vorn66", "Options", "Show Tips at Startup", "0");
  setIni("Path", "Detect", "1");
  start();
  auto records = logRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0], "Session Started at line 0 -  VORN 6.6 (0)");
}

TEST_F(StartupTest, AMissingInstallerIsLoggedAndTheStartGoesOn) {
  fake.files.deleteFile(folder() + "\\ShFolder.Exe");
  start();
  EXPECT_EQ(tipsSetting(), "0");
  auto records = logRecords();
  ASSERT_GE(records.size(), 2u);
  EXPECT_EQ(records[1].rfind("Main ShFolder.Exe at line 3 - File not found (53)", 0), 0u);
  EXPECT_TRUE(windows.isOpen(*mainWindow));
}

TEST_F(StartupTest, AKeyOnTheSplashClosesItAndTheLoadGoesOn) {
  makeWindow();
  mainWindow->loadSteps().fixPlugins = [this] {
    EXPECT_TRUE(windows.isOpen(splash));
    splash.dismiss();
  };
  Main(services, *mainWindow, splash);
  EXPECT_FALSE(windows.isOpen(splash));
  EXPECT_EQ(std::count(windows.events.begin(), windows.events.end(), "close "), 1);
  EXPECT_EQ(ini("Inst", "Scoutry"), "0");
  EXPECT_TRUE(windows.isOpen(*mainWindow));
}

TEST_F(StartupTest, AProgramFolderThatCannotBeUsedIsSaidAndNothingStarts) {
  const std::string longFolder = "C:\\" + std::string(236, 'x');  // 239: one over the room
  const struct {
    std::string folder;
    std::function<void()> arrange;
    std::string said;
  } cases[] = {
      {"C:\\Programme\\Tervan? ?", [] {}, "characters outside this system's code page"},
      {"C:\\Gone", [] {}, "characters outside this system's code page"},
      {longFolder, [&] { fake.files.addFolder(longFolder); },
       "Its path is 239 characters long; Tervane needs one of at most 238 characters"},
      {"C:\\Locked",
       [&] {
         fake.files.addFolder("C:\\Locked");
         fake.files.writeFault = [](const std::string&) { return platform::err::kAccessDenied; };
       },
       "Tervane cannot write there: the file or its folder is read-only"},
  };
  for (const auto& c : cases) {
    fake.process.folder = c.folder;
    c.arrange();
    prompter.shown.clear();
    windows.events.clear();
    start();
    ASSERT_EQ(prompter.shown.size(), 1u) << c.folder;
    EXPECT_THAT(prompter.shown[0].text, ::testing::HasSubstr(c.folder)) << c.folder;
    EXPECT_THAT(prompter.shown[0].text, ::testing::HasSubstr(c.said)) << c.folder;
    EXPECT_THAT(prompter.shown[0].text,
                ::testing::HasSubstr("Nothing will be cleaned until then."));
    EXPECT_TRUE(windows.events.empty()) << c.folder;  // no splash, no main window
    EXPECT_TRUE(fake.processes.started.empty());
    fake.files.writeFault = nullptr;
  }
}

}  // namespace
}  // namespace vorn::testing
