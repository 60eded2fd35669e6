// The Analysis window's model: the rows it shows of a run, their sorting, the CSV and
// the saves.
#include "main/dialogs/analysis_report_dialog.h"

#include <gtest/gtest.h>

#include "common/save_failure.h"
#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_window_host.h"

namespace vorn {
namespace {

using Kind = platform::RecordedChange::Kind;
using Dialog = AnalysisReportDialog;

class AnalysisWindow : public ::testing::Test {
 protected:
  // Each row's columns joined by "|", in the order shown.
  std::vector<std::string> rows() const {
    std::vector<std::string> all;
    for (int r = 0; r < window.rowCount(); ++r) {
      std::string row;
      for (int c = 0; c < Dialog::kColumns; ++c) row += (c ? "|" : "") + window.itemList.text(r, c);
      all.push_back(row);
    }
    return all;
  }
  std::vector<std::string> column(int c) const {
    std::vector<std::string> all;
    for (int r = 0; r < window.rowCount(); ++r) all.push_back(window.cell(r, c));
    return all;
  }

  platform::fake::FakeSystem fake;
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows;
  Dialog window{{fake.files, prompter, windows}};
};

TEST_F(AnalysisWindow, EachReportItemIsOneRowWordedAsTheReportWordsIt) {
  const std::vector<platform::RecordedChange> changes{
      {Kind::FileOverwritten, "C:\\IE\\a@x.txt", 700, "IE", 0, "Cookies", ""},
      {Kind::FileDeleted, "C:\\IE\\a@x.txt", 4096, "IE", 0, "Cookies", ""},
      {Kind::FileDeleted, "C:\\W\\held.tmp", 2048, "Windows", 32, "Temporary Files", ""},
      {Kind::ValueDeleted, "HKEY_CURRENT_USER\\R\\a", 0, "Windows", 0, "Run History", ""},
      {Kind::RecycleBinEmptied, "", 0, "Windows", 0, "Recycle Bin", ""},
      {Kind::EntrySkipped, "temp\\*.*", 0, "User.def", platform::err::kInvalidName, "",
       "skipped: not a full path"},
      {Kind::FileDeleted, "C:\\lost.tmp", 5, "", 0, "", ""},
  };
  const std::vector<std::string> cleaned{
      "IE|Cookies|Files|C:\\IE\\a@x.txt|700 bytes|overwritten once, then removed",
      "Windows|Temporary Files|Files|C:\\W\\held.tmp|2.0 KB|in use by another program (32)",
      "Windows|Run History|Registry values|HKEY_CURRENT_USER\\R\\a||removed",
      "Windows|Recycle Bin|Recycle Bin emptied|every drive||emptied",
      "User.def||Entries skipped|temp\\*.*||skipped: not a full path",
      "Other||Files|C:\\lost.tmp|5 bytes|removed",
  };
  window.open(changes, "Cleaning of today", false, "report text", nullptr);
  EXPECT_EQ(rows(), cleaned);
  EXPECT_EQ(window.caption(), Dialog::kDetailsCaption);
  EXPECT_EQ(window.headingLabel.caption(), "Cleaning of today");
  EXPECT_EQ(window.totalsLabel.caption(),
            "Removed: 705 bytes in 2 files, 1 registry value, 1 shell removal    "
            "Could not be removed: 2");
  EXPECT_EQ(window.itemList.rowCount(), 6);
  EXPECT_EQ(window.text(), "report text");

  // The same run analysed: only the outcome of what would be done differs.
  window.open(changes, "Analysis of all areas", true, "", nullptr);
  EXPECT_EQ(window.caption(), Dialog::kCaption);
  EXPECT_EQ(column(Dialog::kOutcome),
            (std::vector<std::string>{"would be overwritten once, then removed",
                                      "in use by another program (32)", "would remove",
                                      "would empty", "skipped: not a full path", "would remove"}));
  EXPECT_EQ(window.totalsLabel.caption().rfind("Would remove: 705 bytes in 2 files", 0), 0u);
  EXPECT_EQ(windows.events,
            (std::vector<std::string>{"modal Last Cleaning Details", "close Last Cleaning Details",
                                      "modal Analysis", "close Analysis"}));
}

TEST_F(AnalysisWindow, SortsByAnyColumnSizesByTheirBytesEqualValuesInTheReportsOrder) {
  const std::vector<platform::RecordedChange> changes{
      {Kind::FileDeleted, "C:\\b.tmp", 2 * 1024 * 1024, "Windows", 0, "Temp", ""},
      {Kind::FileDeleted, "C:\\a.tmp", 900, "Windows", 0, "Temp", ""},
      {Kind::FileDeleted, "c:\\C.tmp", 10 * 1024, "Windows", 0, "Temp", ""},
      {Kind::FileDeleted, "C:\\d.tmp", 900, "Windows", 0, "Temp", ""},
      {Kind::ValueDeleted, "HKEY_CURRENT_USER\\R\\a", 0, "Windows", 0, "Run", ""},
  };
  window.open(changes, "Run", false, "", nullptr);
  // The report's order: largest first, then the registry value.
  const std::vector<std::string> reportOrder{"C:\\b.tmp", "c:\\C.tmp", "C:\\a.tmp", "C:\\d.tmp",
                                             "HKEY_CURRENT_USER\\R\\a"};
  EXPECT_EQ(column(Dialog::kPath), reportOrder);
  struct Case {
    int column;
    std::vector<std::string> paths;
    bool descending;
  };
  const Case cases[] = {
      // By bytes, not by text ("900 bytes" < "10.0 KB" < "2.0 MB"); the two of 900 bytes
      // keep their order in both directions, as does a value without size.
      {Dialog::kSize,
       {"HKEY_CURRENT_USER\\R\\a", "C:\\a.tmp", "C:\\d.tmp", "c:\\C.tmp", "C:\\b.tmp"},
       false},
      {Dialog::kSize,
       {"C:\\b.tmp", "c:\\C.tmp", "C:\\a.tmp", "C:\\d.tmp", "HKEY_CURRENT_USER\\R\\a"},
       true},
      // A new column starts ascending; case does not count.
      {Dialog::kPath,
       {"C:\\a.tmp", "C:\\b.tmp", "c:\\C.tmp", "C:\\d.tmp", "HKEY_CURRENT_USER\\R\\a"},
       false},
      {Dialog::kOption, reportOrder, true},  // "Temp" and "Run" descending: Temp first
      {Dialog::kOption,
       {"HKEY_CURRENT_USER\\R\\a", "C:\\b.tmp", "c:\\C.tmp", "C:\\a.tmp", "C:\\d.tmp"},
       false},
  };
  for (const Case& c : cases) {
    if (c.column == Dialog::kOption && !c.descending) {
      window.sortBy(c.column);
    } else if (c.column == Dialog::kOption) {
      window.sortBy(c.column);
      window.sortBy(c.column);
    } else {
      window.itemList.userColumnClicked(c.column);  // a header click
    }
    EXPECT_EQ(column(Dialog::kPath), c.paths) << "column " << c.column;
    EXPECT_EQ(window.sortColumn(), c.column);
    EXPECT_EQ(window.descending(), c.descending);
  }
}

TEST_F(AnalysisWindow, TheCsvQuotesWhatNeedsItAndGivesSizesInBytes) {
  const std::vector<platform::RecordedChange> changes{
      {Kind::FileDeleted, "C:\\a,b \"x\".tmp", 123456, "Windows", 0, "Temp, old", ""},
      {Kind::ValueDeleted, "HKEY_CURRENT_USER\\R\\line\r\nbreak", 0, "Windows", 0, "Run", ""},
      {Kind::FileDeleted, "C:\\plain.tmp", 0, "Windows", 5, "Temp, old", ""},  // no quotes
  };
  window.open(changes, "Run", true, "", nullptr);
  EXPECT_EQ(
      window.csvText(),
      "Area,Option,Kind,Path,Size,Outcome\r\n"
      "Windows,\"Temp, old\",Files,\"C:\\a,b \"\"x\"\".tmp\",123456,would remove\r\n"
      "Windows,\"Temp, old\",Files,C:\\plain.tmp,0,read-only or access denied (5)\r\n"
      "Windows,Run,Registry values,\"HKEY_CURRENT_USER\\R\\line\r\nbreak\",,would remove\r\n");
}

TEST_F(AnalysisWindow, SavesTheReportOrTheCsvWholeAndSaysWhyASaveFailed) {
  const std::vector<platform::RecordedChange> changes{
      {Kind::FileDeleted, "C:\\b.tmp", 10, "Windows", 0, "Temp", ""},
      {Kind::FileDeleted, "C:\\a.tmp", 20, "Windows", 0, "Temp", ""},
  };
  const std::string report = cleaningReportText(changes, "Analysis of Windows", true);
  window.open(changes, "Analysis of Windows", true, report, nullptr);
  window.sortBy(Dialog::kPath);
  fake.files.addFolder("C:\\Out");
  // The view asks where; the model writes.
  std::vector<Dialog::SaveChoice> asked{{"C:\\Out\\a.txt", Dialog::Format::Text},
                                        {"C:\\Out\\a.csv", Dialog::Format::Csv}};
  window.askSaveTarget = [&asked](bool csvOffered, Dialog::SaveChoice& choice) {
    EXPECT_TRUE(csvOffered);
    if (asked.empty()) return false;
    choice = asked.front();
    asked.erase(asked.begin());
    return true;
  };
  window.saveAsButton.click();
  window.saveAsButton.click();
  window.saveAsButton.click();  // cancelled: nothing more
  EXPECT_EQ(fake.files.contents("C:\\Out\\a.txt"), report);
  EXPECT_EQ(fake.files.contents("C:\\Out\\a.csv"), window.csvText());
  EXPECT_NE(window.csvText().find("C:\\a.tmp,20,would remove\r\nWindows,Temp,Files,C:\\b.tmp"),
            std::string::npos)
      << "in the order shown";
  EXPECT_TRUE(prompter.shown.empty());

  // A full disk: the old file stays whole and the user is told why.
  fake.files.writeFault = [](const std::string&) { return platform::err::kDiskFull; };
  EXPECT_EQ(window.saveTo("C:\\Out\\a.txt", Dialog::Format::Csv), platform::err::kDiskFull);
  EXPECT_EQ(fake.files.contents("C:\\Out\\a.txt"), report);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text,
            common::saveFailureMessage("The report", "C:\\Out\\a.txt", platform::err::kDiskFull));

  // A report of an earlier session has no rows: it is saved as its text, CSV or not.
  fake.files.writeFault = nullptr;
  window.openSaved("Cleaning of then\r\nRemoved: 1 byte in 1 file, 0 registry values\r\n", nullptr);
  EXPECT_FALSE(window.showsList());
  EXPECT_EQ(window.rowCount(), 0);
  EXPECT_EQ(window.headingLabel.caption(), "Cleaning of then");
  EXPECT_EQ(window.totalsLabel.caption(), "Removed: 1 byte in 1 file, 0 registry values");
  EXPECT_EQ(window.saveTo("C:\\Out\\b.csv", Dialog::Format::Csv), platform::err::kSuccess);
  EXPECT_EQ(fake.files.contents("C:\\Out\\b.csv"), window.text());
}

}  // namespace
}  // namespace vorn
