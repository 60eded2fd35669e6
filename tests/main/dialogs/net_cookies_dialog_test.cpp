#include "main/dialogs/net_cookies_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "common/text_lines.h"
#include "main/dialogs/keep_list_file.h"
#include "platform/fake/failing_files.h"
#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_window_host.h"

using namespace vorn;
using platform::fake::FailingFiles;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kProfile = "C:\\Program Files\\Netscape\\Users\\ann";
const std::string kFirst = ".first.example\tTRUE\t/\tFALSE\t1000\tid\t1";
const std::string kSecond = ".second.example\tFALSE\t/x\tTRUE\t2000\tsession\tabc";

class NetCookies : public ::testing::Test {
 protected:
  NetCookies() {
    fake.files.addFile(folder() + "\\cookies2.000", "");
    fake.files.addFile(list(), "");
    fake.files.addFile(kProfile + "\\cookies.txt",
                       "# Netscape HTTP Cookie File\r\n# This is a generated file!\r\n\r\n" +
                           kFirst + "\r\n" + kSecond + "\n");
  }
  std::string folder() { return fake.process.folder; }
  std::string list() { return folder() + "\\cookies2.lst"; }
  std::string logText() { return fake.files.contents(folder() + "\\vorn.log"); }
  const std::vector<std::string>& all() { return dialog.allCookiesList.items(); }
  const std::vector<std::string>& kept() { return dialog.keptCookiesList.items(); }
  // Opens the dialog; `user` plays the user while it is up.
  void open(std::function<void()> user) {
    windows.whileModal[NetCookiesDialog::kCaption] = [user](ui::WindowModel&) { user(); };
    dialog.open(nullptr);
  }

  platform::fake::FakeSystem fake;
  common::SessionLog log{fake.files, fake.clock, [this] { return folder(); }};
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows;
  NetCookiesDialog dialog{
      fake.files, fake.clock, log, prompter, windows, folder(), [] { return kProfile; }};
};

TEST_F(NetCookies, OpeningListsTheRecordsWithoutCommentsOrBlankLines) {
  fake.files.addFile(list(), "#comment\r\n" + kSecond + "   \r\n\r\n");
  open([this] {
    EXPECT_THAT(all(), ElementsAre(kFirst, kSecond));
    EXPECT_THAT(kept(), ElementsAre(kSecond + "   "));
    // Shown in columns with a date; the lists keep the records the keep list is written from.
    EXPECT_EQ(dialog.allCookiesList.shownItem(0), ".first.example\t/\tid\t1\t01/01/1970 00:16:40");
  });
  EXPECT_EQ(windows.events.front(), "modal Netscape Cookies");
  EXPECT_EQ(logText(), "") << "the keep list and the cookie file were there";
}

TEST_F(NetCookies, MissingFilesReadAsEmptyListsAndAreLogged) {
  fake.files.deleteFile(kProfile + "\\cookies.txt");
  fake.files.deleteFile(list());
  open([this] {
    EXPECT_TRUE(all().empty());
    EXPECT_TRUE(kept().empty());
  });
  EXPECT_THAT(logText(), HasSubstr("NetCookies.Load at line 0 - File not found (53)"));
}

TEST_F(NetCookies, AddKeepsOneOfEachRecordByTheTrailingBlankRule) {
  fake.files.addFile(list(), kFirst + "  \r\n");
  open([this] {
    dialog.addButton.click();  // nothing selected: nothing added
    EXPECT_EQ(kept().size(), 1u);
    dialog.allCookiesList.userSelected(0);
    dialog.addButton.click();  // equals the kept entry without its blanks
    dialog.allCookiesList.userSelected(1);
    dialog.addToolbar.click(0);
    dialog.allCookiesList.userDoubleClicked();  // already there
    dialog.addButton.click();
    EXPECT_THAT(kept(), ElementsAre(kFirst + "  ", kSecond));
  });
  // Letter case counts; blanks on the candidate do not match a bare entry.
  EXPECT_FALSE(isListedEntry({"abc"}, "ABC"));
  EXPECT_FALSE(isListedEntry({"abc"}, "abc "));
  EXPECT_TRUE(isListedEntry({"abc \t "}, "abc \t"));
  EXPECT_FALSE(isListedEntry({"abc\t"}, "abc"));
}

TEST_F(NetCookies, DeleteRemovesTheSelectedEntryByButtonToolbarOrDoubleClick) {
  fake.files.addFile(list(), "a\r\nb\r\nc\r\nd\r\n");
  open([this] {
    dialog.deleteButton.click();  // nothing selected
    EXPECT_EQ(kept().size(), 4u);
    dialog.keptCookiesList.userSelected(1);
    dialog.deleteButton.click();
    dialog.keptCookiesList.userSelected(0);
    dialog.removeToolbar.click(0);
    dialog.keptCookiesList.userSelected(1);
    dialog.keptCookiesList.userDoubleClicked();
    EXPECT_THAT(kept(), ElementsAre("c"));
  });
}

TEST_F(NetCookies, OkWritesTheTemplateAndEachEntryWithCrLfAndCancelWritesNothing) {
  open([this] {
    dialog.allCookiesList.userSelected(1);
    dialog.addButton.click();
    dialog.allCookiesList.userSelected(0);
    dialog.addButton.click();
    dialog.okButton.click();
  });
  EXPECT_EQ(fake.files.contents(list()), kSecond + "\r\n" + kFirst + "\r\n");
  EXPECT_FALSE(windows.isOpen(dialog));

  open([this] {
    dialog.keptCookiesList.userSelected(0);
    dialog.deleteButton.click();
    dialog.cancelButton.click();
  });
  EXPECT_EQ(fake.files.contents(list()), kSecond + "\r\n" + kFirst + "\r\n");

  open([this] {
    while (!kept().empty()) {
      dialog.keptCookiesList.userSelected(0);
      dialog.deleteButton.click();
    }
    dialog.okButton.click();
  });
  EXPECT_TRUE(fake.files.exists(list()));
  EXPECT_EQ(fake.files.contents(list()), "");
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(logText(), "");
}

TEST_F(NetCookies, TheTemplateLeadsTheListAndAMissingOneIsToldByItsCode) {
  fake.files.addFile(folder() + "\\cookies2.000", "# kept cookies\r\n");
  open([this] {
    dialog.allCookiesList.userSelected(0);
    dialog.addButton.click();
    dialog.okButton.click();
  });
  EXPECT_EQ(fake.files.contents(list()), "# kept cookies\r\n" + kFirst + "\r\n");

  fake.files.deleteFile(folder() + "\\cookies2.000");
  open([this] { dialog.okButton.click(); });
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "2");
  EXPECT_EQ(fake.files.contents(list()), kFirst + "\r\n");
}

TEST_F(NetCookies, ASaveThatFailsAtAnyStepLeavesTheOldOrTheNewListWhole) {
  FailingFiles failing{fake.files};
  NetCookiesDialog onFailing{
      failing, fake.clock, log, prompter, windows, folder(), [] { return kProfile; }};
  const std::string before = "old1\r\nold2\r\n";
  const std::string after = "old1\r\nold2\r\n" + kFirst + "\r\n";
  auto saveOnce = [&] {
    fake.files.addFile(list(), before);
    onFailing.load();
    onFailing.allCookiesList.userSelected(0);
    onFailing.add();
    onFailing.save();
    const std::string now = fake.files.contents(list());
    EXPECT_TRUE(fake.files.exists(list()));
    EXPECT_TRUE(now == before || now == after) << now;
  };
  for (FailingFiles::Op op :
       {FailingFiles::Op::Write, FailingFiles::Op::Rename, FailingFiles::Op::Delete}) {
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(::testing::Message() << "op " << static_cast<int>(op) << " n " << n);
      failing.failNth(op, n);
      saveOnce();
    }
  }
  for (int k = 0; k <= 4; ++k) {
    SCOPED_TRACE(k);
    failing.stopAfter(k);
    saveOnce();
  }
  EXPECT_EQ(fake.files.contents(list()), after);  // with room for every change it went through
  EXPECT_THAT(logText(), HasSubstr("NetCookies.command3"));
}

// Reference reader written another way: one pass over the bytes.
std::vector<std::string> referenceRecords(const std::string& text) {
  std::vector<std::string> out;
  std::string line;
  auto end = [&] {
    if (!line.empty() && line[0] != '#') out.push_back(line);
    line.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      end();
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += text[i];
    }
  }
  end();
  return out;
}

int fuzzRuns() {
  const char* env = std::getenv("TERVANE_COOKIE_FUZZ_RUNS");
  return env ? std::atoi(env) : 1000000;
}

TEST(CookieRecordReader, TakesAnyBytesAndKeepsEveryRecord) {
  const std::string pieces[] = {"\r", "\n",       "\r\n", std::string(1, '\0'), "#", "\t",
                                " ",  "\xe4\xff", "TRUE", ".example.com"};
  std::mt19937 random(81207);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) + 1);
  std::uniform_int_distribution<int> length(0, 14);
  std::uniform_int_distribution<int> byte(0, 255);
  const int runs = fuzzRuns();
  long long records = 0;
  for (int run = 0; run < runs; ++run) {
    std::string text;
    for (int i = length(random); i > 0; --i) {
      const int p = pick(random);
      text += p < static_cast<int>(std::size(pieces))
                  ? pieces[p]
                  : std::string(1, static_cast<char>(byte(random)));
    }
    const std::vector<std::string> got = cookieRecords(text);
    if (got != referenceRecords(text)) {
      ADD_FAILURE() << "run " << run << ": " << text.size() << " bytes";
      return;
    }
    records += static_cast<long long>(got.size());
  }
  if (runs >= 1000) {
    EXPECT_GT(records, 0);
  }
}

// What the dialog saves it reads back: every entry a keep list can hold (no line end,
// not empty, not a comment) survives a save and the next opening, in order.
TEST(CookieRecordReader, SavedKeepListsReadBackEntryForEntry) {
  platform::fake::FakeSystem fake;
  const std::string folder = fake.process.folder;
  common::SessionLog log{fake.files, fake.clock, [&] { return folder; }};
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows;
  fake.files.addFile(folder + "\\cookies2.000", "");
  std::mt19937 random(4711);
  std::uniform_int_distribution<int> byte(0, 255), count(0, 6), length(1, 30);
  const int runs = std::min(fuzzRuns() / 100, 20000);
  for (int run = 0; run < runs; ++run) {
    std::string cookies;
    std::vector<std::string> entries;
    for (int e = count(random); e > 0; --e) {
      std::string entry;
      for (int i = length(random); i > 0; --i) {
        char c = static_cast<char>(byte(random));
        if (c == '\r' || c == '\n') c = '\t';
        entry += c;
      }
      if (entry[0] == '#') entry[0] = '.';
      entries.push_back(entry);
      cookies += entry + (e % 2 ? "\n" : "\r");
    }
    fake.files.addFile("C:\\P\\cookies.txt", cookies);
    fake.files.addFile(folder + "\\cookies2.lst", "");
    NetCookiesDialog dialog{
        fake.files, fake.clock, log, prompter, windows, folder, [] { return "C:\\P"; }};
    dialog.load();
    ASSERT_EQ(dialog.allCookiesList.items(), entries) << "run " << run;
    for (int i = 0; i < dialog.allCookiesList.listCount(); ++i) {
      dialog.allCookiesList.userSelected(i);
      dialog.add();
    }
    dialog.save();
    dialog.load();
    std::vector<std::string> distinct;
    for (const std::string& e : entries)
      if (!isListedEntry(distinct, e)) distinct.push_back(e);
    ASSERT_EQ(dialog.keptCookiesList.items(), distinct) << "run " << run;
  }
}

}  // namespace
