// The Search window over the fake system: what the walk records, how index.ini looks,
// and how the window behaves around a search.
#include "scoutry/search_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "common/ini_text.h"
#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"

using platform::fake::FakeSystem;
using scoutry::SearchWindow;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kProgram = "C:\\Program Files\\Tervane";
const std::string kIndex = kProgram + "\\index.ini";
const std::string kTif = "C:\\WINDOWS\\Temporary Internet Files\\";

// A file system that refuses to list chosen folders, as NTFS does for folders the user
// may not read.
class RefusingFiles : public platform::fake::FakeFiles {
 public:
  using FakeFiles::FakeFiles;
  std::set<std::string> refused;  // patterns, exactly as the walk asks for them
  platform::ErrorCode find(const std::string& pattern,
                           const std::function<bool(const platform::FindData&)>& visit) override {
    if (refused.count(pattern)) return platform::err::kAccessDenied;
    return FakeFiles::find(pattern, visit);
  }
};

class SearchTest : public ::testing::Test {
 protected:
  SearchTest()
      : identity(files), system{files,          fake.registry, fake.clock,
                                fake.process,   identity,      fake.userSettings,
                                fake.processes, fake.disk,     fake.shell,
                                removal} {
    files.addFolder(kProgram);
  }
  std::unique_ptr<SearchWindow> open() {
    auto w = std::make_unique<SearchWindow>(system, prompter, screen);
    w->loadWindow();
    return w;
  }
  std::unique_ptr<SearchWindow> search() {
    auto w = open();
    EXPECT_TRUE(w->startButton.click());
    return w;
  }
  std::string key(const std::string& k) {
    return common::iniLookup(files.contents(kIndex), "Path", k).value_or("<missing>");
  }

  FakeSystem fake;  // clock, registry and process folder
  RefusingFiles files;
  platform::fake::FakeFileIdentity identity;
  platform::WalkingTreeRemoval removal{files};  // over these files, refusals included
  platform::System system;
  ui::ScriptedPrompter prompter;
  ui::ScriptedScreen screen;
};

}  // namespace

TEST_F(SearchTest, LoadFillsTheSearchRootAndName) {
  auto w = open();
  EXPECT_EQ(w->rootBox.text(), "C:");
  EXPECT_EQ(w->fileNameBox.text(), "index.dat");
  EXPECT_EQ(w->startButton.caption(), "Start searching");
  EXPECT_EQ(w->cancelButton.caption(), "Cancel");
  EXPECT_THAT(w->durationLabel.caption(), HasSubstr("Press the \"Start searching\" button"));
}

TEST_F(SearchTest, RecordsIndexFilesDirectlyInTheFourKindsOfFolder) {
  files.addFile(kTif + "Content.IE5\\index.dat", "1234",
                platform::attr::kHidden | platform::attr::kSystem);
  files.addFile(kTif + "Content.IE5\\AB12CD34\\index.dat");  // a cache sub-folder
  files.addFile("C:\\WINDOWS\\Cookies\\INDEX.DAT");
  files.addFile("C:\\WINDOWS\\History\\History.IE5\\index.dat");
  files.addFile("C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\UserData\\index.dat");
  files.addFile("C:\\Other\\index.dat");
  files.addFile("C:\\WINDOWS\\Cookies\\me@site.txt");
  files.addFile("D:\\Cookies\\index.dat");  // another drive
  auto w = search();
  // In walk order: folders in listing order, depth first.
  const std::vector<std::string> expected = {
      "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\UserData\\index.dat",
      "C:\\WINDOWS\\Cookies\\INDEX.DAT", "C:\\WINDOWS\\History\\History.IE5\\index.dat",
      kTif + "Content.IE5\\index.dat"};
  EXPECT_EQ(w->foundList.items(), expected);
  EXPECT_EQ(files.contents(kIndex), "[Path]\r\n1=" + expected[0] + "\r\n2=" + expected[1] +
                                        "\r\n3=" + expected[2] + "\r\n4=" + expected[3] +
                                        "\r\n0=4\r\n");
  EXPECT_TRUE(w->unloaded());
  EXPECT_THAT(screen.pointers, ElementsAre(ui::Pointer::Hourglass, ui::Pointer::Default));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(SearchTest, NoMatchWritesOnlyTheCountAndASecondSearchStartsAfresh) {
  files.addFile("C:\\WINDOWS\\Cookies\\index.dat");
  search();
  EXPECT_EQ(key("1"), "C:\\WINDOWS\\Cookies\\index.dat");
  files.deleteFile("C:\\WINDOWS\\Cookies\\index.dat");
  search();
  EXPECT_EQ(files.contents(kIndex), "[Path]\r\n0=0\r\n");
}

TEST_F(SearchTest, NeverEntersReparsePointsOrAFolderItHasSeen) {
  files.addFile("C:\\users\\me\\Cookies\\index.dat");
  files.addFile("C:\\users\\me\\Desktop\\Cookies\\index.dat");
  files.setReparsePoint("C:\\users\\me\\Desktop");  // a link to elsewhere
  files.addFile("C:\\users\\me\\Back\\Cookies\\index.dat");
  identity.sameAs("C:\\users\\me\\Back", "C:\\users\\me");  // an unmarked loop
  auto w = search();
  EXPECT_THAT(w->foundList.items(), ElementsAre("C:\\users\\me\\Cookies\\index.dat"));
  EXPECT_EQ(key("0"), "1");
}

TEST_F(SearchTest, PassesOverUnreadableFoldersWithoutAMessage) {
  files.addFile("C:\\Locked\\Cookies\\index.dat");
  files.addFile("C:\\Open\\Cookies\\index.dat");
  files.refused.insert("C:\\Locked\\*.*");
  auto w = search();
  EXPECT_THAT(w->foundList.items(), ElementsAre("C:\\Open\\Cookies\\index.dat"));
  EXPECT_EQ(w->skippedFolders(), 1);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(SearchTest, WriteFailuresShowUnexpectedErrorExceptForSysEntries) {
  files.addFile("C:\\WINDOWS\\Cookies\\index.dat");
  files.addFile("C:\\WINDOWS\\Cookies\\pagefile.sys");
  // index.ini cannot be written: a folder has its name.
  files.addFolder(kIndex);
  auto w = open();
  w->startButton.click();
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_EQ(prompter.shown[0].title, "Unexpected Error");
  EXPECT_EQ(prompter.shown[0].text, "Error: 70 - Permission denied");
  EXPECT_EQ(prompter.shown[0].style, ui::mb::kOk);
  const std::size_t boxes = prompter.shown.size();  // the entry and the count
  EXPECT_EQ(boxes, 2u);
  // Searching for "*.sys" meets the same failure on a .sys entry, silently.
  prompter.shown.clear();
  auto sys = open();
  sys->fileNameBox.setText("*.sys");
  sys->startButton.click();
  ASSERT_EQ(prompter.shown.size(), 1u);  // the count only
  EXPECT_EQ(sys->foundList.listCount(), 1);
}

TEST_F(SearchTest, CountsPastTheSixteenBitLimit) {
  const int folders = 32800;
  for (int i = 0; i < folders; ++i)
    files.addFile("C:\\Profiles\\u" + std::to_string(i) + "\\Cookies\\index.dat");
  auto w = search();
  EXPECT_EQ(w->foundCount, folders);
  EXPECT_EQ(key("0"), std::to_string(folders));
  EXPECT_EQ(key("32800").substr(0, 13), "C:\\Profiles\\u");
}

TEST_F(SearchTest, BusyIndicatorCyclesOneToTen) {
  for (int i = 0; i < 25; ++i) {
    std::string folder = "C:\\many\\f";
    files.addFolder(folder.append(std::to_string(i)));
  }
  auto w = open();
  struct Values : ui::ControlView {
    std::vector<int> seen;
    void modelChanged(ui::Control& c, ui::Change what) override {
      if (what == ui::Change::Value) seen.push_back(static_cast<ui::ProgressBar&>(c).value());
    }
  } view;
  w->progressBar.bind(&view);
  std::string path = "C:\\many";
  std::int32_t fileCount = 0, folderCount = 0;
  w->FindFiles(path, "index.dat", fileCount, folderCount);
  EXPECT_EQ(path, "C:\\many\\");
  EXPECT_EQ(folderCount, 25);
  // 25 folders listed, then 25 advances before each descent: 50 steps of one call.
  ASSERT_GE(view.seen.size(), 12u);
  EXPECT_THAT(std::vector<int>(view.seen.begin(), view.seen.begin() + 12),
              ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2));
  for (int v : view.seen) EXPECT_TRUE(v >= 1 && v <= 10) << v;
  w->progressBar.bind(nullptr);
}

TEST_F(SearchTest, FileCounterAndTotalKeepCountingAndSizesAddUp) {
  files.addFile("C:\\d\\index.dat", std::string(10, 'x'));
  files.addFile("C:\\d\\e\\index.dat", std::string(5, 'x'));
  auto w = open();
  std::string path = "C:\\d";
  std::int32_t fileCount = 40000, folderCount = 0;  // well past 16 bits already
  EXPECT_EQ(w->FindFiles(path, "index.dat", fileCount, folderCount), 15.0);
  EXPECT_EQ(fileCount, 40002);
  EXPECT_EQ(folderCount, 1);
}

TEST_F(SearchTest, CancelAsksAndEndsOnlyOnYes) {
  files.addFile(kIndex, "[Path]\r\n0=0\r\n");
  auto w = open();
  prompter.answers = {ui::Answer::No, ui::Answer::Yes};
  w->cancelButton.click();
  EXPECT_FALSE(w->unloaded());
  w->cancelButton.click();
  EXPECT_TRUE(w->unloaded());
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].title, "Cancel");
  EXPECT_EQ(prompter.shown[0].text,
            "Are you sure that you want to cancel? If you cancel some information may still be "
            "present on your system after a cleaning");
  EXPECT_EQ(prompter.shown[0].style, ui::mb::kYesNo | ui::mb::kIconError | ui::mb::kDefaultButton2);
  EXPECT_EQ(files.contents(kIndex), "[Path]\r\n0=0\r\n");  // untouched
}

TEST_F(SearchTest, WindowRepaintsDuringTheSearchButCannotBeCancelledOrClosed) {
  for (int i = 0; i < 40; ++i) files.addFolder("C:\\f" + std::to_string(i));
  files.addFile("C:\\f39\\Cookies\\index.dat");
  auto w = open();
  bool cancelRan = false, closeAllowed = true;
  screen.duringEvents = [&] {
    cancelRan = w->cancelButton.click();
    closeAllowed = w->queryUnload();
  };
  w->startButton.click();
  EXPECT_GT(screen.pumps, 1);
  EXPECT_FALSE(cancelRan);
  EXPECT_FALSE(closeAllowed);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(key("0"), "1");  // the search ran to its end
  EXPECT_TRUE(w->unloaded());
}
