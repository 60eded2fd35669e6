#include "main/clean/ie_cleaner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/main/clean/clean_fixture.h"

using namespace vorn;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class IECleaning : public clean_test::CleanSession {
 protected:
  void SetUp() override {
    paths.ieHistoryFolder = "C:\\WINDOWS\\History\\";
    paths.ieCacheFolder = "C:\\WINDOWS\\Temporary Internet Files\\";
    paths.ieCookiesFolder = "C:\\WINDOWS\\Cookies\\";
    for (const std::string* p : {&paths.ieHistoryFolder, &paths.ieCacheFolder, &paths.ieCookiesFolder}) fake.files.addFolder(*p);
    settings.AddToini("Path", "IE1", paths.ieHistoryFolder, ini());
    settings.AddToini("Path", "IE2", paths.ieCacheFolder, ini());
    fake.files.addFile(folder() + "\\ow.chx", "0123456789");
    fake.files.addFile(folder() + "\\ow2.chx", "abcdefghij");
    // A folder outside every cleaned tree that links must never reach.
    fake.files.addFile("C:\\Outside\\precious.txt", "mine");
  }

  void clean() { cleaner.cleanIE(); }
  std::vector<std::string> statuses() {
    std::vector<std::string> s;
    for (const std::string& e : view.events)
      if (e.rfind("status Please wait...Security", 0) == 0 || e == "status Removing Cookie")
        s.push_back(e.substr(7));
    return s;
  }
  std::string runOnce(const char* key) {
    std::string v = fake.registry.value(platform::hkey::kLocalMachine, std::string(key).substr(19),
                                        kRunOnceValueName);
    return v.substr(0, v.find('\0'));
  }

  PathValues paths;
  std::string level = "1";
  std::vector<std::string> keep;
  ui::FileList cookieFiles{"cookieFiles", fake.files};
  std::vector<int> clearedModes;
  int overwrites = 0;
  SecureRemover remover{fake.files, fake.removal,       log,
                        folder(),   [] { return 0.1; }, [this] { ++overwrites; }};
  IECleaner cleaner{fake.system(),
                    registry,
                    log,
                    settings,
                    frame,
                    boxes,
                    paths,
                    remover,
                    IECleanerControls{keep, cookieFiles},
                    folder(),
                    [this] { return level; },
                    [this](int mode) {
                      clearedModes.push_back(mode);
                      if (mode != 0) frame.progressStep();
                      if (mode != 1) frame.progressStep();
                      return true;
                    }};
};

TEST_F(IECleaning, BoxesChooseTheBrowserModeAndTheProgressCountsEveryTickedBox) {
  boxes.check(area::kIE, {0, 1});
  clean();
  EXPECT_THAT(clearedModes, ElementsAre(2));
  EXPECT_EQ(view.maximum, 2);
  EXPECT_EQ(view.value, 2);

  boxes.check(area::kIE, {});
  boxes.box(area::kIE, 1).value = 0;
  clean();
  boxes.box(area::kIE, 0).value = 0;
  boxes.box(area::kIE, 1).value = 1;
  clean();
  // A box holding anything but 1 does not count for the dialog step.
  boxes.box(area::kIE, 1).value = 2;
  clean();
  EXPECT_THAT(clearedModes, ElementsAre(2, 1, 0));
  EXPECT_EQ(logText(), "");
}

TEST_F(IECleaning, AnAnalysisListsInsteadOfClearingAndStillTakesTheSteps) {
  boxes.check(area::kIE, {0, 1});
  std::vector<int> listed;
  frame.runAs(RunKind::Analysis, [&] { clean(); });
  // Without a listing the steps are taken and nothing is cleared.
  EXPECT_TRUE(clearedModes.empty());
  EXPECT_EQ(view.value, 2);
  cleaner.setBrowserListing([&](int mode) {
    listed.push_back(mode);
    return false;
  });
  frame.runAs(RunKind::Analysis, [&] { clean(); });
  clean();
  EXPECT_THAT(listed, ElementsAre(2));
  EXPECT_THAT(clearedModes, ElementsAre(2));
}

TEST_F(IECleaning, StepsRunInOrderEachWithItsProgressStep) {
  fake.registry.setString(platform::hkey::kCurrentUser, kTypedUrlsKey, "url1", "http://a/");
  fake.registry.setString(platform::hkey::kLocalMachine, std::string(kRunOnceKey).substr(19),
                          "Other", "x");
  fake.files.addFile(paths.ieCookiesFolder + "me@site[1].txt", "c");
  boxes.check(area::kIE, {0, 1, 2, 3, 4});
  clean();
  EXPECT_EQ(view.maximum, 5);
  EXPECT_EQ(view.value, 5);
  EXPECT_FALSE(fake.files.exists(paths.ieCookiesFolder + "me@site[1].txt"));
  EXPECT_FALSE(fake.registry.hasKey(platform::hkey::kCurrentUser, kTypedUrlsKey));
  EXPECT_EQ(runOnce(kRunOnceKey), folder() + "\\vesper.exe");
  EXPECT_FALSE(settings.getini("Senast", "Value1", ini()).empty());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cleaning System...Done");
}

TEST_F(IECleaning, KeptCookiesStayExactlyAsListedAndIndexFilesSurviveEveryLevel) {
  for (const char* n : {"me@kept[1].txt", "me@case[1].txt", "me@gone[2].txt", "index.dat"})
    fake.files.addFile(paths.ieCookiesFolder + n, std::string(40, 'c'));
  // A name differing in case, and one with a trailing blank, keep nothing.
  keep = {"me@kept[1].txt", "ME@CASE[1].TXT", "me@gone[2].txt "};
  boxes.check(area::kIE, {2});
  for (const char* l : {"1", "2", "3", "4", "5"}) {
    level = l;
    clean();
    EXPECT_EQ(fake.files.contents(paths.ieCookiesFolder + "me@kept[1].txt"), std::string(40, 'c')) << l;
    EXPECT_EQ(fake.files.contents(paths.ieCookiesFolder + "index.dat"), std::string(40, 'c')) << l;
  }
  EXPECT_FALSE(fake.files.exists(paths.ieCookiesFolder + "me@case[1].txt"));
  EXPECT_FALSE(fake.files.exists(paths.ieCookiesFolder + "me@gone[2].txt"));
  EXPECT_EQ(logText(), "");

  // The index file in another spelling is the same locked file.
  fake.files.deleteFile(paths.ieCookiesFolder + "index.dat");
  fake.files.addFile(paths.ieCookiesFolder + "Index.DAT", "idx");
  clean();
  EXPECT_EQ(fake.files.contents(paths.ieCookiesFolder + "Index.DAT"), "idx");
}

TEST_F(IECleaning, PassesAreCountedAcrossFilesAndEachFileIsOverwrittenBeforeItGoes) {
  fake.files.addFile(paths.ieCookiesFolder + "a@one[1].txt", std::string(30, 'x'));
  fake.files.addFile(paths.ieCookiesFolder + "b@two[1].txt", std::string(30, 'y'));
  std::vector<std::string> overwritten;
  fake.files.onOverwrite = [&](const std::string& path, const std::string& extent) {
    overwritten.push_back(path.substr(path.rfind('\\') + 1));
    EXPECT_EQ(extent.find_first_of("xy"), std::string::npos);
  };
  level = "3";
  boxes.check(area::kIE, {2});
  clean();
  const std::string p = "Please wait...Security level processing ";
  EXPECT_THAT(statuses(), ElementsAre(p + "1", p + "2", p + "3", "Removing Cookie", p + "4",
                                      p + "5", p + "6", "Removing Cookie"));
  EXPECT_THAT(overwritten, ElementsAre("a@one[1].txt", "a@one[1].txt", "a@one[1].txt",
                                       "b@two[1].txt", "b@two[1].txt", "b@two[1].txt"));
  EXPECT_FALSE(fake.files.exists(paths.ieCookiesFolder + "a@one[1].txt"));
  EXPECT_FALSE(fake.files.exists(paths.ieCookiesFolder + "b@two[1].txt"));
  EXPECT_TRUE(cookieFiles.items().empty());  // refreshed after the removal
}

TEST_F(IECleaning, IndexFilePassesAreCountedButNeverWritten) {
  fake.files.addFile(paths.ieCookiesFolder + "index.dat", "idx");
  level = "2";
  boxes.check(area::kIE, {2});
  clean();
  EXPECT_THAT(statuses(), ElementsAre("Please wait...Security level processing 1"));
  EXPECT_EQ(overwrites, 0);
  EXPECT_EQ(fake.files.contents(paths.ieCookiesFolder + "index.dat"), "idx");
}

TEST_F(IECleaning, ACookieThatIsALinkGoesAsALinkAndItsTargetIsNeverOverwritten) {
  fake.files.addLink(paths.ieCookiesFolder + "me@evil[1].txt", "C:\\Outside\\precious.txt");
  level = "5";
  boxes.check(area::kIE, {2});
  clean();
  EXPECT_EQ(fake.files.contents("C:\\Outside\\precious.txt"), "mine");
  EXPECT_FALSE(fake.files.exists(paths.ieCookiesFolder + "me@evil[1].txt"));
}

TEST_F(IECleaning, CacheFilesGoAtTheTopAndInContentSubFoldersButIndexAndViewSettingsStay) {
  for (const bool likeWine : {false, true}) {
    SCOPED_TRACE(likeWine ? "links as under Wine" : "links as on Windows");
    fake.files.setLinksLikeWine(likeWine);
    const std::string cache = paths.ieCacheFolder, content = cache + "Content.IE5\\",
                      sub = content + "AB12CD34\\";
    const std::vector<std::string> gone = {cache + "page.htm", sub + "left.htm",
                                           content + "ZX98YW76\\left.gif"};
    const std::vector<std::string> kept = {
        cache + "INDEX.DAT",     cache + "Desktop.ini", content + "index.dat",
        content + "desktop.ini", sub + "Index.Dat",     sub + "DESKTOP.INI",
        sub + "deeper\\x.htm",   content + "inner.htm"};  // only the sub-folders' own files go
    for (const std::string& f : gone) fake.files.addFile(f, "x");
    for (const std::string& f : kept) fake.files.addFile(f, "x");
    fake.files.addFile(sub + "readonly.htm", "x", platform::attr::kReadOnly);
    fake.files.addLink(content + "LINKED00", "C:\\Outside");
    fake.files.addLink(sub + "evil.htm", "C:\\Outside\\precious.txt");
    boxes.check(area::kIE, {0});
    clean();
    for (const std::string& f : gone) EXPECT_FALSE(fake.files.exists(f)) << f;
    for (const std::string& f : kept) EXPECT_TRUE(fake.files.exists(f)) << f;
    EXPECT_FALSE(fake.files.exists(sub + "readonly.htm"));
    EXPECT_TRUE(fake.files.isFolder(content + "ZX98YW76"));  // the browser expects them
    EXPECT_TRUE(fake.files.exists(content + "LINKED00"));
    EXPECT_EQ(fake.files.contents("C:\\Outside\\precious.txt"), "mine") << fake.files.dump();
    // Windows removes the link to a file; Wine cannot without its target, so it stays.
    EXPECT_EQ(fake.files.exists(sub + "evil.htm"), likeWine);
    EXPECT_EQ(logText().empty(), !likeWine) << logText();
  }
}

TEST_F(IECleaning, TheCacheFolderIsReadFromTheSettingsWhenTheStepRuns) {
  fake.files.addFile("C:\\Cache2\\late.htm", "x");
  fake.files.addFile(paths.ieCacheFolder + "stays.htm", "x");
  settings.AddToini("Path", "IE2", "C:\\Cache2\\", ini());
  boxes.check(area::kIE, {0});
  clean();
  EXPECT_FALSE(fake.files.exists("C:\\Cache2\\late.htm"));
  EXPECT_TRUE(fake.files.exists(paths.ieCacheFolder + "stays.htm"));
}

TEST_F(IECleaning, HistoryFoldersAreFoundByListingUnderLongAndNumberedNames) {
  const std::string h = paths.ieHistoryFolder + "History.IE5\\";
  const std::vector<std::string> gone = {"MSHist012026113020261207",
                                         "mshist012026120720261214",
                                         "mshist~1",
                                         "mshis~10",
                                         "mshi~999",
                                         "msh~1000"};
  for (const std::string& n : gone) fake.files.addFile(h + n + "\\index.dat", "x");
  fake.files.addFile(h + "mshis~10\\sub\\deep.dat", "x", platform::attr::kReadOnly);
  // A history folder that is a link to a folder outside is never entered.
  fake.files.addLink(h + "MSHist012026010120260108", "C:\\Outside");
  fake.files.addFile(h + "MSHist012026020120260208", "a file, not a folder");
  fake.files.addFile(h + "index.dat", "top");
  fake.files.addFile(h + "Other\\keep.dat", "x");
  boxes.check(area::kIE, {1});
  clean();
  for (const std::string& n : gone) EXPECT_FALSE(fake.files.exists(h + n)) << n;
  EXPECT_TRUE(fake.files.exists(h + "MSHist012026020120260208"));
  EXPECT_TRUE(fake.files.exists(h + "index.dat"));
  EXPECT_TRUE(fake.files.exists(h + "Other\\keep.dat"));
  EXPECT_TRUE(fake.files.exists(h + "MSHist012026010120260108"));
  EXPECT_EQ(fake.files.contents("C:\\Outside\\precious.txt"), "mine") << fake.files.dump();
  EXPECT_THAT(logText(), HasSubstr("MSHist012026010120260108: reached through a link"));
}

TEST_F(IECleaning, ASystemFolderAsPathIsRefusedAndLoggedAndTheOtherStepsGoOn) {
  settings.AddToini("Path", "IE2", "C:\\", ini());
  fake.files.addFile("C:\\boot.ini", "x");
  fake.registry.setString(platform::hkey::kCurrentUser, kTypedUrlsKey, "url1", "http://a/");
  boxes.check(area::kIE, {0, 3});
  clean();
  EXPECT_TRUE(fake.files.exists("C:\\boot.ini"));
  EXPECT_THAT(logText(), HasSubstr("system folder"));
  EXPECT_FALSE(fake.registry.hasKey(platform::hkey::kCurrentUser, kTypedUrlsKey));
  EXPECT_EQ(view.value, 2);
}

TEST_F(IECleaning, RunOnceValuesNameTheRemoverWhereTheKeysExistOnly) {
  fake.process.folder = "C:\\Program Files\\My Cleaner";
  IECleaner spaced{fake.system(),
                   registry,
                   log,
                   settings,
                   frame,
                   boxes,
                   paths,
                   remover,
                   IECleanerControls{keep, cookieFiles},
                   fake.process.folder,
                   [] { return "1"; },
                   {}};
  const std::string runOnceKey = std::string(kRunOnceKey).substr(19);
  fake.registry.setString(platform::hkey::kLocalMachine, runOnceKey, "Other", "x");
  spaced.scheduleIndexRemoval();
  EXPECT_EQ(runOnce(kRunOnceKey), "C:\\Program Files\\My Cleaner\\vesper.exe");
  EXPECT_FALSE(fake.registry.hasKey(platform::hkey::kLocalMachine,
                                    std::string(kRunServicesOnceKey).substr(19)));

  fake.registry.setString(platform::hkey::kLocalMachine,
                          std::string(kRunServicesOnceKey).substr(19), "Other", "x");
  spaced.scheduleIndexRemoval();
  EXPECT_EQ(runOnce(kRunServicesOnceKey), "C:\\Program Files\\My Cleaner\\vesper.exe");
  EXPECT_EQ(fake.registry.openHandles(), 0u);
}

}  // namespace
