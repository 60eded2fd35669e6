// The history viewer and the document history on the fake platform: what is listed from
// each store, and that a removal takes exactly the chosen entry out of it.
#include "main/dialogs/history_viewer.h"

#include <gtest/gtest.h>

#include "common/file_replace.h"
#include "main/app/wiring.h"
#include "main/clean/windows_cleaner.h"
#include "main/dialogs/doc_history_dialog.h"
#include "platform/fake/fake_system.h"
#include "tests/main/app/app_fixture.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_tray.h"
#include "tests/support/scripted_window_host.h"

namespace vorn {
namespace {

using platform::hkey::kCurrentUser;

const std::string kProfile = "C:\\Program Files\\Netscape\\Users\\ann";
const std::string kPrefs = kProfile + "\\prefs.js";

std::string historyLine(int n, const std::string& address) {
  return std::string(kNetscapeHistoryMarker) + "_" + std::to_string(n) + "\", \"" + address +
         "\");";
}

class HistoryViewerTest : public ::testing::Test {
 protected:
  HistoryViewerTest() { fake.files.addFolder(kProfile); }

  std::vector<std::string> shown() const { return viewer.urlList.items(); }
  std::string log() const { return fake.files.contents(fake.process.folder + "\\vorn.log"); }
  // Opens the viewer; `whileOpen` acts as the user while it is up.
  void open(HistoryViewer::Mode mode, std::function<void()> whileOpen = {}) {
    windows.whileModal.clear();
    if (whileOpen) {
      auto act = std::move(whileOpen);
      windows.whileModal["View URLs"] = [act](ui::WindowModel&) { act(); };
      windows.whileModal["View Run History"] = [act](ui::WindowModel&) { act(); };
      windows.whileModal["View Search History"] = [act](ui::WindowModel&) { act(); };
    }
    viewer.open(mode, nullptr);
  }

  platform::fake::FakeSystem fake;
  common::SessionLog logWriter{fake.files, fake.clock, [this] { return fake.process.folder; }};
  ui::ScriptedPrompter prompter;
  ui::ScriptedScreen screen;
  ui::ScriptedWindowHost windows;
  RegistryAccess registry{fake.registry, prompter};
  HistoryViewer viewer{{fake.files, registry, logWriter, screen, windows}, [] { return kProfile; }};
};

TEST_F(HistoryViewerTest, TypedUrlsSkipAGapAndRemoveTheValueBehindTheSelectedEntry) {
  for (int n : {1, 2, 4, 5})
    fake.registry.setString(kCurrentUser, kTypedUrlsKey, "url" + std::to_string(n),
                            "http://site" + std::to_string(n) + "/");
  fake.registry.setString(kCurrentUser, kTypedUrlsKey, "url21", "http://beyond/");
  fake.registry.setString(kCurrentUser, kTypedUrlsKey, "url0", "http://before/");

  open(HistoryViewer::Mode::TypedUrls, [this] {
    EXPECT_EQ(shown(), (std::vector<std::string>{"http://site1/", "http://site2/", "http://site4/",
                                                 "http://site5/"}));
    viewer.urlList.userSelected(3);
    viewer.removeButton.click();
    EXPECT_EQ(shown(),
              (std::vector<std::string>{"http://site1/", "http://site2/", "http://site4/"}));
    EXPECT_EQ(viewer.keys(), (std::vector<std::string>{"url1", "url2", "url4"}));
  });

  EXPECT_EQ(windows.events.front(), "modal View URLs");
  EXPECT_FALSE(fake.registry.hasValue(kCurrentUser, kTypedUrlsKey, "url5"));
  for (const char* kept : {"url1", "url2", "url4", "url21", "url0"})
    EXPECT_TRUE(fake.registry.hasValue(kCurrentUser, kTypedUrlsKey, kept)) << kept;
}

TEST_F(HistoryViewerTest, RunHistoryListsAToTAndRemovingLeavesTheRestOfTheKey) {
  fake.registry.setString(kCurrentUser, kRunMruKey, "a", "notepad\\1");
  fake.registry.setString(kCurrentUser, kRunMruKey, "c", "regedit\\1");
  fake.registry.setString(kCurrentUser, kRunMruKey, "t", "calc\\1");
  fake.registry.setString(kCurrentUser, kRunMruKey, "u", "beyond\\1");
  fake.registry.setString(kCurrentUser, kRunMruKey, "MRUList", "act");

  open(HistoryViewer::Mode::RunHistory, [this] {
    EXPECT_EQ(viewer.caption(), "View Run History");
    // The commands without the Run box's own marker.
    EXPECT_EQ(shown(), (std::vector<std::string>{"notepad", "regedit", "calc"}));
    // Nothing highlighted, nothing to remove.
    EXPECT_FALSE(viewer.removeButton.enabled());
    viewer.urlList.userSelected(1);
    EXPECT_TRUE(viewer.removeButton.enabled());
    viewer.removeButton.click();
    EXPECT_FALSE(viewer.removeButton.enabled());
  });

  EXPECT_FALSE(fake.registry.hasValue(kCurrentUser, kRunMruKey, "c"));
  EXPECT_EQ(fake.registry.value(kCurrentUser, kRunMruKey, "a").substr(0, 9), "notepad\\1");
  EXPECT_EQ(fake.registry.value(kCurrentUser, kRunMruKey, "MRUList").substr(0, 3), "act");
  EXPECT_TRUE(fake.registry.hasValue(kCurrentUser, kRunMruKey, "t"));
  EXPECT_TRUE(fake.registry.hasValue(kCurrentUser, kRunMruKey, "u"));
}

TEST_F(HistoryViewerTest, SearchHistoryHasItsOwnCaptionAndKeyAndTheNextOpeningStartsAfresh) {
  fake.registry.setString(kCurrentUser, kFindMruKey, "b", "*.doc");
  fake.registry.setString(kCurrentUser, kRunMruKey, "a", "notepad\\1");
  open(HistoryViewer::Mode::SearchHistory,
       [this] { EXPECT_EQ(shown(), std::vector<std::string>{"*.doc"}); });
  EXPECT_EQ(windows.events.front(), "modal View Search History");

  fake.registry.setString(kCurrentUser, kTypedUrlsKey, "url1", "http://a/");
  open(HistoryViewer::Mode::TypedUrls, [this] {
    EXPECT_EQ(viewer.caption(), "View URLs");
    EXPECT_EQ(shown(), std::vector<std::string>{"http://a/"});
  });
}

TEST_F(HistoryViewerTest, RemoveWithNothingSelectedChangesNoStore) {
  fake.registry.setString(kCurrentUser, kTypedUrlsKey, "url1", "http://a/");
  open(HistoryViewer::Mode::TypedUrls, [this] { viewer.removeButton.click(); });
  EXPECT_TRUE(fake.registry.hasValue(kCurrentUser, kTypedUrlsKey, "url1"));

  const std::string prefs = historyLine(1, "http://a/") + "\r\n";
  fake.files.addFile(kPrefs, prefs);
  open(HistoryViewer::Mode::NetscapeUrls, [this] {
    ASSERT_EQ(shown().size(), 1u);
    viewer.removeButton.click();
  });
  EXPECT_EQ(fake.files.contents(kPrefs), prefs);
  EXPECT_TRUE(screen.pointers.empty());
}

TEST_F(HistoryViewerTest, NetscapeRemovalKeepsEveryOtherLineInOrderAndTakesATwoDigitLineExactly) {
  std::vector<std::string> lines = {"// Netscape User Preferences",
                                    "",
                                    "user_pref(\"browser.cache.disk_cache_size\", 7680);",
                                    historyLine(1, "http://one/"),
                                    "",
                                    historyLine(10, "http://ten/"),
                                    "/* comment */",
                                    historyLine(2, "http://two/")};
  std::string text;
  for (const auto& l : lines) text += l + "\n";  // LF endings as the file may have
  fake.files.addFile(kPrefs, text);

  open(HistoryViewer::Mode::NetscapeUrls, [this] {
    // Numbers 10 and up push the address one character on: a quote leads it.
    EXPECT_EQ(shown(), (std::vector<std::string>{"http://one/", "\"http://ten/", "http://two/"}));
    viewer.urlList.userSelected(1);
    viewer.removeButton.click();
    EXPECT_EQ(shown(), (std::vector<std::string>{"http://one/", "http://two/"}));
  });

  lines.erase(lines.begin() + 5);
  std::string expected;
  for (const auto& l : lines) expected += l + "\r\n";
  EXPECT_EQ(fake.files.contents(kPrefs), expected);
  EXPECT_FALSE(fake.files.exists(common::replacementPath(kPrefs)));
  EXPECT_EQ(screen.pointers,
            (std::vector<ui::Pointer>{ui::Pointer::Hourglass, ui::Pointer::Default}));
}

TEST_F(HistoryViewerTest, RemovingTheFirstEntryDoesNotTakeLinesThatMerelyStartTheSame) {
  // "_1" is a prefix of "_10" only within the marker; the key is the whole line.
  fake.files.addFile(kPrefs,
                     historyLine(1, "http://a/") + "\r\n" + historyLine(10, "http://a/") + "\r\n");
  open(HistoryViewer::Mode::NetscapeUrls, [this] {
    viewer.urlList.userSelected(0);
    viewer.removeButton.click();
  });
  EXPECT_EQ(fake.files.contents(kPrefs), historyLine(10, "http://a/") + "\r\n");
}

TEST_F(HistoryViewerTest, PrefsThatCannotBeReplacedStayWholeAndTheFailureIsLogged) {
  const std::string text = "// prefs\r\n" + historyLine(1, "http://a/") + "\r\n";
  fake.files.addFile(kPrefs, text);
  open(HistoryViewer::Mode::NetscapeUrls, [this] {
    fake.files.setOpen(kPrefs, true);  // Netscape holds it
    viewer.urlList.userSelected(0);
    viewer.removeButton.click();
    EXPECT_EQ(shown(), std::vector<std::string>{"http://a/"});
  });
  EXPECT_EQ(fake.files.contents(kPrefs), text);
  EXPECT_FALSE(fake.files.exists(common::replacementPath(kPrefs)));
  EXPECT_NE(log().find("Form2.removeNetscapeURL"), std::string::npos) << log();
  EXPECT_EQ(screen.mousePointer(), ui::Pointer::Default);
}

TEST_F(HistoryViewerTest, MissingPrefsListsNothingAndIsLogged) {
  open(HistoryViewer::Mode::NetscapeUrls, [this] { EXPECT_TRUE(shown().empty()); });
  EXPECT_NE(log().find("Form2.getNetscapeURL"), std::string::npos) << log();
}

TEST(NetscapeHistoryAddress, TakesThe41stCharacterOnWithoutTheLastThree) {
  EXPECT_EQ(netscapeHistoryAddress(historyLine(3, "http://x.org/a b")), "http://x.org/a b");
  const std::string shortLine = std::string(kNetscapeHistoryMarker) + "_1\", \"x\"";
  ASSERT_LT(shortLine.size(), 43u);
  EXPECT_EQ(netscapeHistoryAddress(shortLine), shortLine);
  EXPECT_EQ(netscapeHistoryAddress(std::string(43, 'a')), "");
}

class DocHistoryTest : public HistoryViewerTest {
 protected:
  DocHistoryTest() { fake.files.addFolder(recent); }
  std::string recent = "C:\\WINDOWS\\Recent\\";
  DocHistoryDialog docs{fake.files, logWriter, prompter, windows, [this] { return recent; }};
};

TEST_F(DocHistoryTest, ListsTheFolderAndDeletesOnlyTheSelectedFile) {
  fake.files.addFile(recent + "a.lnk", "x");
  fake.files.addFile(recent + "b.lnk", "x");
  fake.files.addFolder(recent + "sub");
  windows.whileModal["View Doc History"] = [this](ui::WindowModel&) {
    EXPECT_EQ(docs.docFiles.items(), (std::vector<std::string>{"a.lnk", "b.lnk"}));
    docs.removeButton.click();  // nothing selected
    EXPECT_EQ(docs.docFiles.listCount(), 2);
    docs.docFiles.userSelected(1);
    docs.removeButton.click();
    EXPECT_EQ(docs.docFiles.items(), std::vector<std::string>{"a.lnk"});
    EXPECT_EQ(docs.docFiles.listIndex(), -1);
    docs.doneButton.click();
  };
  docs.open(nullptr);
  EXPECT_TRUE(fake.files.exists(recent + "a.lnk"));
  EXPECT_FALSE(fake.files.exists(recent + "b.lnk"));
  EXPECT_TRUE(fake.files.isFolder(recent + "sub"));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DocHistoryTest, AFileThatRefusesIsLoggedAndStaysListed) {
  fake.files.addFile(recent + "a.lnk", "x");
  windows.whileModal["View Doc History"] = [this](ui::WindowModel&) {
    fake.files.setOpen(recent + "a.lnk", true);
    docs.docFiles.userSelected(0);
    docs.removeButton.click();
    EXPECT_EQ(docs.docFiles.items(), std::vector<std::string>{"a.lnk"});
  };
  docs.open(nullptr);
  EXPECT_NE(log().find("Form3.Command2"), std::string::npos) << log();
}

TEST_F(DocHistoryTest, AMissingFolderIsReportedInsteadOfTheDialog) {
  recent = "C:\\WINDOWS\\Gone\\";
  docs.open(nullptr);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "The path could not be found");
  EXPECT_TRUE(windows.events.empty());
}

// The View buttons of the main window open these windows.
class ViewButtonsTest : public ::testing::Test, public testing::AppFixture {
 protected:
  ViewButtonsTest() {
    session.paths.docHistoryFolder = "C:\\WINDOWS\\Recent\\";
    fake.files.addFolder(session.paths.docHistoryFolder);
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
  }
  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(ViewButtonsTest, EachButtonOpensItsWindowOverTheMainWindow) {
  fake.registry.setString(kCurrentUser, kRunMruKey, "a", "notepad\\1");
  window->services().session.paths.ieAvailable = true;
  window->clean.viewIEUrlsButton.click();
  window->clean.viewRunHistoryButton.click();
  window->clean.viewSearchHistoryButton.click();
  window->clean.viewDocHistoryButton.click();
  EXPECT_EQ(windows.events,
            (std::vector<std::string>{"modal View URLs", "close View URLs",
                                      "modal View Run History", "close View Run History",
                                      "modal View Search History", "close View Search History",
                                      "modal View Doc History", "close View Doc History"}));

  // A browser whose paths are missing opens nothing.
  windows.events.clear();
  window->services().session.paths.netscapeAvailable = false;
  window->clean.viewNetscapeUrlsButton.click();
  EXPECT_TRUE(windows.events.empty());
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_EQ(prompter.shown.back().text, "Path could not be found");
}

}  // namespace
}  // namespace vorn
