// "View Cache" on the fake platform: what the list shows of a cache folder, the size and
// date texts, the shared icons, sorting and opening an entry.
#include "main/dialogs/file_list_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "main/app/wiring.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_viewer_services.h"
#include "platform/file_time.h"
#include "tests/main/app/app_fixture.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_tray.h"
#include "tests/support/scripted_window_host.h"

namespace vorn {
namespace {

using Mode = FileListWindow::Mode;

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

TEST(SizeText, ThousandsOfBytesPlusOneHalfWithTheSystemSeparatorAndTheWhole64Bits) {
  EXPECT_EQ(sizeText(1, ","), "1kb");
  EXPECT_EQ(sizeText(1'499'000, ","), "1,500kb");
  EXPECT_EQ(sizeText(1'499'000, "."), "1.500kb");
  EXPECT_EQ(sizeText(1'499'000, ""), "1500kb");
  EXPECT_EQ(sizeText(999'999'999, "\xA0"),
            "1\xA0"
            "000\xA0"
            "000kb");
  // Past 4 GB: the low 32 bits alone would show 2,147,484kb.
  EXPECT_EQ(sizeText(6'442'450'944ull, ","), "6,442,451kb");
  EXPECT_EQ(sizeText(18'446'744'073'709'551'615ull, ","), "18,446,744,073,709,552kb");
}

TEST(CreatedText, TheDateAsStoredOrEmptyWhenNoDate) {
  platform::fake::FakeLocale locale;
  // 23:30 on the 31st stays the 31st: no shift to local time.
  EXPECT_EQ(createdText(platform::fileTimeFromCalendar({2000, 12, 31, 23, 30, 0, 0}), locale),
            "31/12/2000");
  EXPECT_EQ(createdText(0x8000000000000000ull, locale), "");
}

class FileListWindowTest : public ::testing::Test {
 protected:
  FileListWindowTest() {
    fake.files.addFolder(cache);
    fake.files.addFile(fake.process.folder + "\\vesper.exe", "MZ");
  }

  std::vector<std::string> column(int c) const {
    std::vector<std::string> out;
    for (int i = 0; i < window.entries.listCount(); ++i) out.push_back(window.entries.text(i, c));
    return out;
  }
  void add(const std::string& name, std::uint64_t size,
           platform::LocalTime created = {2001, 4, 12}) {
    fake.files.addFile(cache + name, std::string(static_cast<std::size_t>(size), 'x'));
    const auto t = platform::fileTimeFromCalendar(created);
    fake.files.setTimes(cache + name, t, t);
  }
  // Opens the window; `whileOpen` acts as the user while it is up.
  void open(Mode mode, std::function<void()> whileOpen = {}) {
    windows.whileModal.clear();
    if (whileOpen)
      windows.whileModal["View Cache"] = [whileOpen](ui::WindowModel&) { whileOpen(); };
    window.open(mode, nullptr);
  }

  std::string cache = "C:\\WINDOWS\\Temporary Internet Files\\Content.IE5\\";
  platform::fake::FakeSystem fake;
  platform::fake::FakeLocale locale;
  platform::fake::FakeShellFileInfo shellInfo{fake.files};
  platform::fake::FakeShellOpen shellOpen;
  common::SessionLog logWriter{fake.files, fake.clock, [this] { return fake.process.folder; }};
  ui::ScriptedScreen screen;
  ui::ScriptedWindowHost windows;
  std::map<Mode, std::string> folders{{Mode::InternetExplorer, cache},
                                      {Mode::Netscape, "C:\\Netscape\\Cache\\"},
                                      {Mode::Opera, "C:\\Opera\\Cache4\\"}};
  FileListWindow window{{fake.files, locale, shellInfo, shellOpen, logWriter, screen, windows},
                        [this](Mode m) { return folders[m]; },
                        fake.process.folder};
};

TEST_F(FileListWindowTest, ListsTheFolderItselfWithFourColumnsAndRescanDisabled) {
  fake.files.addFolder(cache + "ABCD1234");
  fake.files.addFile(cache + "ABCD1234\\inner.gif", "x");
  add("index.dat", 1'499'000, {1999, 7, 4});
  add("page.htm", 1);

  open(Mode::InternetExplorer, [this] {
    EXPECT_EQ(window.entries.columns().size(), 4u);
    EXPECT_EQ(window.entries.columns()[3].title, "Created");
    std::vector<std::string> names = column(0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ABCD1234", "index.dat", "page.htm"}));
    for (int i = 0; i < window.entries.listCount(); ++i) {
      if (window.entries.text(i, 0) != "index.dat") continue;
      EXPECT_EQ(window.entries.text(i, 1), "1,500kb");
      EXPECT_EQ(window.entries.text(i, 2), "DAT File");
      EXPECT_EQ(window.entries.text(i, 3), "04/07/1999");
    }
    EXPECT_FALSE(window.rescanButton.enabled());
    EXPECT_EQ(window.filterBox.text(), "All Files and Folders (*.*)");
  });
  EXPECT_EQ(windows.events.front(), "modal View Cache");
  EXPECT_EQ(screen.mousePointer(), ui::Pointer::Default);
}

TEST_F(FileListWindowTest, EachModeListsItsOwnFolderAndAMissingOneListsNothing) {
  fake.files.addFile("C:\\Opera\\Cache4\\opr00001.htm", "x");
  open(Mode::Opera, [this] { EXPECT_EQ(column(0), std::vector<std::string>{"opr00001.htm"}); });
  open(Mode::Netscape, [this] { EXPECT_EQ(window.entries.listCount(), 0); });
  EXPECT_FALSE(window.rescanButton.enabled());
}

TEST_F(FileListWindowTest, EntriesOfOneTypeShareAPictureAndProgramsAndShortcutsHaveTheirOwn) {
  add("a.gif", 10);
  add("b.gif", 10);
  add("setup.exe", 10);
  add("old.exe", 10);
  add("c.lnk", 10);
  add("noext", 10);
  shellInfo.dosPrograms.push_back(lower(cache + "old.exe"));
  shellInfo.types[""] = "";  // no type name for files without an extension

  open(Mode::InternetExplorer, [this] {
    std::map<std::string, std::string> keyOf;
    for (const auto& item : window.entries.items()) keyOf[item.texts[0]] = item.iconKey;
    EXPECT_EQ(keyOf["a.gif"], "GIF Image");
    EXPECT_EQ(keyOf["b.gif"], "GIF Image");
    EXPECT_EQ(keyOf["setup.exe"], "setup.exe");
    EXPECT_EQ(keyOf["old.exe"], "DOSExeIcon");
    EXPECT_EQ(keyOf["c.lnk"], "c.lnk");
    // No type name: the application type name stands in.
    EXPECT_EQ(keyOf["noext"], "DOSExeIcon");
    std::vector<std::string> keys;
    for (const auto& image : window.entries.images()) keys.push_back(image.first);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"DOSExeIcon", "GIF Image", "c.lnk", "dummy", "setup.exe"}));
  });
}

TEST_F(FileListWindowTest, HeaderClickedTwiceSortsAscendingThenDescendingAsText) {
  add("b.htm", 2'000'000);  // "2,001kb"
  add("a.htm", 300'000);    // "301kb"
  add("c.htm", 10'000);     // "11kb"
  open(Mode::InternetExplorer, [this] {
    window.entries.userColumnClicked(1);
    EXPECT_EQ(column(1), (std::vector<std::string>{"11kb", "2,001kb", "301kb"}));
    EXPECT_TRUE(window.ascendingTicked());
    EXPECT_EQ(window.orderTicked(), 1);
    window.entries.userColumnClicked(1);
    EXPECT_EQ(column(1), (std::vector<std::string>{"301kb", "2,001kb", "11kb"}));
    EXPECT_TRUE(window.descendingTicked());
    // Another header sorts ascending again.
    window.entries.userColumnClicked(0);
    EXPECT_EQ(column(0), (std::vector<std::string>{"a.htm", "b.htm", "c.htm"}));
    window.menuSortZA();
    EXPECT_EQ(column(0), (std::vector<std::string>{"c.htm", "b.htm", "a.htm"}));
    window.menuOrder(1);
    EXPECT_EQ(column(1), (std::vector<std::string>{"11kb", "2,001kb", "301kb"}));
    EXPECT_TRUE(window.ascendingTicked());
    window.menuView(1);
    EXPECT_EQ(window.entries.view(), ui::ListView::View::Report);
    EXPECT_TRUE(window.reportViewTicked());
    EXPECT_TRUE(window.entries.sorted());
  });
}

TEST_F(FileListWindowTest, OpeningGivesTheShellTheSelectedEntryAndNothingWithoutSelection) {
  add("b.htm", 1);
  add("a.htm", 1);
  open(Mode::InternetExplorer, [this] {
    window.openSelectedButton.click();
    EXPECT_TRUE(shellOpen.opened.empty());
    // Name is the sort key from the start, so its header toggles to descending: b, a.
    window.entries.userColumnClicked(0);
    EXPECT_EQ(column(0), (std::vector<std::string>{"b.htm", "a.htm"}));
    window.entries.userSelected(1);
    window.entries.userDoubleClicked();
    window.openSelectedButton.click();
  });
  EXPECT_EQ(shellOpen.opened, (std::vector<std::string>{cache + "a.htm", cache + "a.htm"}));
}

TEST_F(FileListWindowTest, SelectFolderListsTheStartFolderAgainInTheChosenOrder) {
  add("b.htm", 1);
  add("a.htm", 1);
  open(Mode::InternetExplorer, [this] {
    window.entries.userColumnClicked(0);  // Name again: descending
    add("c.htm", 1);
    fake.files.deleteFile(cache + "a.htm");
    window.selectFolderButton.click();
    EXPECT_EQ(column(0), (std::vector<std::string>{"c.htm", "b.htm"}));
    EXPECT_EQ(window.listedFolder(), cache);
    EXPECT_FALSE(window.rescanButton.enabled());
  });
}

TEST_F(FileListWindowTest, SelectionFollowsItsItemWhenSorted) {
  add("b.htm", 1);
  add("a.htm", 1);
  add("c.htm", 1);
  open(Mode::InternetExplorer, [this] {
    window.entries.userColumnClicked(0);  // descending: c, b, a
    window.entries.userSelected(0);       // c.htm
    window.entries.userColumnClicked(0);  // ascending: a, b, c
    ASSERT_EQ(window.entries.selectedIndex(), 2);
    EXPECT_EQ(window.entries.text(2, 0), "c.htm");
  });
}

TEST_F(FileListWindowTest, TheListIsShownInBatchesOf25) {
  for (int i = 0; i < 60; ++i) add("f" + std::to_string(i) + ".htm", 1);
  struct Counter : ui::ControlView {
    void modelChanged(ui::Control&, ui::Change what) override {
      if (what == ui::Change::Value) ++redraws;
    }
    int redraws = 0;
  } counter;
  window.entries.bind(&counter);
  open(Mode::InternetExplorer, [this] { EXPECT_EQ(window.entries.listCount(), 60); });
  window.entries.bind(nullptr);
  EXPECT_EQ(counter.redraws, 3);  // after 25, after 50, and at the end
}

// The "Cache" buttons of the main window open the window in their browser's mode.
class CacheButtonsTest : public ::testing::Test, public testing::AppFixture {
 protected:
  CacheButtonsTest() {
    session.paths.ieCacheContentFolder = "C:\\IE\\Content.IE5\\";
    session.paths.operaCacheFolder = "C:\\Opera\\Cache4\\";
    session.paths.folderFound["ieCacheContentFolder"] = true;
    session.paths.folderFound["operaCacheFolder"] = true;
    fake.files.addFile(session.paths.operaCacheFolder + "opr1.htm", "x");
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
    wireFileListWindow(*window, services, *subsystems, viewer);
  }
  platform::fake::FakeLocale locale;
  platform::fake::FakeShellFileInfo shellInfo{fake.files};
  platform::fake::FakeShellOpen shellOpen;
  ViewerServices viewer{locale, shellInfo, shellOpen};
  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(CacheButtonsTest, EachCacheButtonOpensItsFolderAndAMissingOneOpensNothing) {
  std::vector<std::string> listed;
  windows.whileModal["View Cache"] = [&](ui::WindowModel&) {
    listed.push_back(subsystems->fileList->listedFolder());
  };
  window->clean.viewOperaCacheButton.click();
  window->clean.viewIECacheButton.click();
  window->clean.viewNetscapeCacheButton.click();  // its cache folder was not found
  EXPECT_EQ(listed, (std::vector<std::string>{"C:\\Opera\\Cache4\\", "C:\\IE\\Content.IE5\\"}));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Path could not be found");
}

}  // namespace
}  // namespace vorn
