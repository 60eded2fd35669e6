// Analyze and the report of a cleaning, through the main window over a recording system.
#include <gtest/gtest.h>

#include <algorithm>

#include "main/clean/cleaning_report.h"
#include "main/clean/windows_cleaner.h"
#include "main/dialogs/analysis_progress_dialog.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "main/dialogs/clean_all_confirm_dialog.h"
#include "tests/main/app/analysis_fixture.h"

namespace vorn {
namespace {

constexpr platform::HKey kHKCU = platform::hkey::kCurrentUser;

class AnalysisTest : public testing::AnalysisFixture {
 protected:
  std::string analysisTextBefore;
  AnalysisTest() {
    p.docHistoryFolder = "C:\\WINDOWS\\Recent\\";
    p.windowsTempFolder = "C:\\WINDOWS\\Temp\\";
    p.downloadedProgramFilesFolder = "C:\\WINDOWS\\Downloaded Program Files\\";
    for (const std::string& f : {p.docHistoryFolder, p.windowsTempFolder, p.downloadedProgramFilesFolder}) fake.files.addFolder(f);
    fake.files.addFile(p.docHistoryFolder + "letter.lnk", std::string(700, 'l'));
    fake.files.addFile(p.docHistoryFolder + "report.lnk", std::string(300, 'r'));
    // A link in the recent documents to the user's own folder.
    fake.files.addFile("C:\\Mine\\thesis.doc", "mine");
    fake.files.addFolder(p.docHistoryFolder + "Mine");
    fake.files.setReparsePoint(p.docHistoryFolder + "Mine");
    fake.registry.setString(kHKCU, kRunMruKey, "a", "notepad");
    fake.registry.setString(kHKCU, kRunMruKey, "u", "kept");
    for (int i : {0, 5}) window->clean.windowsOptions[static_cast<std::size_t>(i)].setValue(1);
  }
};

TEST_F(AnalysisTest, AnalyzeChangesNothingShowsNoMessageAndListsWhatCleaningThenRemoves) {
  const std::string filesBefore = fake.files.dump();
  const std::string iniBefore = fake.files.contents(fake.process.folder + "\\mainten.ini");

  window->clean.analyzeButtons[kWindows].click();

  EXPECT_EQ(fake.files.dump(), filesBefore);
  EXPECT_EQ(fake.files.contents(fake.process.folder + "\\mainten.ini"), iniBefore);
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, kRunMruKey, "a"));
  EXPECT_TRUE(shown.shown.empty()) << shown.shown[0].text;
  EXPECT_FALSE(fake.files.exists(fake.process.folder + "\\" + kReportFile));
  EXPECT_NE(std::find(windows.events.begin(), windows.events.end(),
                      std::string("modal ") + AnalysisReportDialog::kCaption),
            windows.events.end());
  const std::string analysis = analysisText();
  EXPECT_NE(analysis.find("Would remove: 1000 bytes in 2 files, 1 registry value"),
            std::string::npos)
      << analysis;
  EXPECT_NE(analysis.find("letter.lnk  (700 bytes)"), std::string::npos) << analysis;
  EXPECT_LT(analysis.find("letter.lnk"), analysis.find("report.lnk"));
  // Grouped by the options that ticked them, named as their boxes are.
  EXPECT_LT(analysis.find("-- Windows Doc History --\r\nFiles (2"),
            analysis.find("-- Windows Run History --\r\nRegistry values (1)"))
      << analysis;
  EXPECT_EQ(analysis.find("thesis.doc"), std::string::npos) << analysis;
  EXPECT_FALSE(subsystems->running());

  // The done message's "Details" shows this run's report in the Analysis window.
  std::string detailed;
  windows.whileModal[DoneDialog::kCaption] = [this, &detailed](ui::WindowModel& m) {
    analysisTextBefore = analysisText();
    static_cast<DoneDialog&>(m).detailsButton.click();
    detailed = analysisText();
  };
  window->clean.cleanWindowsToolbar.click(0);

  EXPECT_FALSE(fake.files.exists(p.docHistoryFolder + "letter.lnk"));
  EXPECT_FALSE(fake.registry.hasValue(kHKCU, kRunMruKey, "a"));
  EXPECT_EQ(fake.files.contents("C:\\Mine\\thesis.doc"), "mine");
  EXPECT_TRUE(shown.shown.empty());
  ASSERT_EQ(doneMessages(), 1);  // the done message, shown again after the analysis
  EXPECT_NE(detailed, analysisTextBefore);
  EXPECT_NE(detailed.find("Removed: 1000 bytes in 2 files"), std::string::npos) << detailed;
  const std::string report = fake.files.contents(fake.process.folder + "\\" + kReportFile);
  EXPECT_NE(report.find("Removed: 1000 bytes in 2 files, 1 registry value"), std::string::npos)
      << report;
  // The same items in the same order, below the first line that names the run.
  auto items = [](const std::string& text) { return text.substr(text.find("\r\n== ")); };
  EXPECT_EQ(items(analysis), items(report));
}

TEST_F(AnalysisTest, AnalyzeAllRecordsNoDateNoStatisticsRowAndLeavesQuestionsUnasked) {
  const std::string ini = fake.process.folder + "\\mainten.ini";
  const std::string iniBefore = fake.files.contents(ini);
  window->clean.analyzeAllButton.click();
  EXPECT_EQ(fake.files.contents(ini), iniBefore);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_NE(analysisText().find("Analysis of all areas"), std::string::npos) << analysisText();
  EXPECT_TRUE(fake.files.exists(p.docHistoryFolder + "letter.lnk"));
  // "Clean All" first names what it will touch: Cancel does nothing, "Analyze first" only
  // analyses, "Clean" with "Do not ask again" cleans and is not asked again.
  std::string areas;
  auto answer = [&](ui::Button CleanAllConfirmDialog::*button, bool doNotAsk) {
    windows.whileModal[CleanAllConfirmDialog::kCaption] = [&areas, button,
                                                           doNotAsk](ui::WindowModel& m) {
      auto& dialog = static_cast<CleanAllConfirmDialog&>(m);
      areas = dialog.areasText.text();
      if (doNotAsk) dialog.doNotAskBox.setValue(1);
      (dialog.*button).click();
    };
  };
  answer(&CleanAllConfirmDialog::cancelButton, true);
  window->clean.cleanAllButton.click();
  EXPECT_NE(areas.find("Windows:\r\n    Windows Doc History\r\n"), std::string::npos) << areas;
  EXPECT_EQ(fake.files.contents(ini), iniBefore);
  answer(&CleanAllConfirmDialog::analyzeFirstButton, false);
  window->clean.analyzeAllButton.click();  // an older analysis, replaced by the next one
  const std::string older = analysisText();
  fake.clock.advanceSeconds(60);
  window->clean.cleanAllButton.click();
  EXPECT_NE(analysisText(), older);
  EXPECT_EQ(fake.files.contents(ini), iniBefore);
  // The cleaning itself writes its date and statistics row there.
  answer(&CleanAllConfirmDialog::cleanButton, true);
  window->clean.cleanAllButton.click();
  EXPECT_NE(fake.files.contents(ini).find("10:31:00"), std::string::npos);
  EXPECT_NE(fake.files.contents(ini).find("[Confirm]\r\nCleanAll=0"), std::string::npos);
  windows.whileModal.clear();
  areas.clear();
  window->clean.cleanAllButton.click();
  EXPECT_EQ(areas, "");
  EXPECT_EQ(doneMessages(), 2);  // a done message for each cleaning

  EXPECT_EQ(defaultAnswer(ui::mb::kYesNo | ui::mb::kDefaultButton2), ui::Answer::No);
  EXPECT_EQ(defaultAnswer(ui::mb::kYesNo), ui::Answer::Yes);
  EXPECT_EQ(defaultAnswer(ui::mb::kOkCancel | ui::mb::kDefaultButton2), ui::Answer::Cancel);
  EXPECT_EQ(defaultAnswer(ui::mb::kOk | ui::mb::kIconError), ui::Answer::Ok);
}

TEST_F(AnalysisTest, ALongAnalysisShowsProgressOverTheWindowAndCanBeCancelled) {
  for (int i = 0; i < 500; ++i)
    fake.files.addFile(p.downloadedProgramFilesFolder + "part" + std::to_string(i) + ".ocx", "x");
  window->clean.windowsOptions[1].setValue(1);
  const std::string filesBefore = fake.files.dump();
  AnalysisProgressDialog& progress = *subsystems->analysisProgress;
  std::string seen;
  // The user waits for the first count of the progress, then presses Cancel.
  std::function<void()> watch = [&] {
    if (progress.progressLabel.caption() == "Analyzing...") {
      screen.duringEvents = watch;
      return;
    }
    seen = progress.progressLabel.caption();
    screen.duringEvents = [&] { progress.cancelButton.click(); };
  };
  screen.duringEvents = watch;
  window->clean.analyzeButtons[kWindows].click();

  EXPECT_EQ(seen, "Analyzing Windows... 64 items read");
  EXPECT_GE(screen.pumps, 2);
  EXPECT_EQ(windows.events.front(),
            std::string("show ") + AnalysisProgressDialog::kCaption + " over " + window->caption());
  EXPECT_FALSE(windows.isOpen(progress));
  EXPECT_EQ(window->statusBar.simpleText(), kAnalysisCancelled);
  const std::string cancelled = analysisText();
  EXPECT_NE(cancelled.find("Cancelled: what follows is what was found until then."),
            std::string::npos)
      << cancelled;
  const auto listed = [](const std::string& text) {
    std::size_t n = 0;
    for (auto at = text.find(".ocx"); at != std::string::npos; at = text.find(".ocx", at + 1)) ++n;
    return n;
  };
  EXPECT_LT(listed(cancelled), 500u);
  EXPECT_EQ(fake.files.dump(), filesBefore);
  EXPECT_FALSE(subsystems->running());

  // Closing the window by its close box stops it too; an analysis left alone lists all.
  screen.duringEvents = [&] { windows.close(progress); };
  window->clean.analyzeButtons[kWindows].click();
  EXPECT_NE(analysisText().find("Cancelled:"), std::string::npos);
  window->clean.analyzeButtons[kWindows].click();
  EXPECT_EQ(analysisText().find("Cancelled:"), std::string::npos);
  EXPECT_EQ(listed(analysisText()), 500u);
  EXPECT_EQ(window->statusBar.simpleText(), kAnalysisDone);
  EXPECT_EQ(fake.files.dump(), filesBefore);
}

TEST_F(AnalysisTest, ACleaningShowsItsProgressCanBeCancelledAndSaysWhatItRemoved) {
  for (int i = 0; i < 500; ++i)
    fake.files.addFile(p.downloadedProgramFilesFolder + "part" + std::to_string(i) + ".ocx", "xx");
  window->clean.windowsOptions[1].setValue(1);
  AnalysisProgressDialog& progress = *subsystems->analysisProgress;
  std::string seen;
  // The user watches the count of removed items grow, then presses Cancel.
  std::function<void()> watch = [&] {
    if (subsystems->recorder->itemsRemoved() < 100) {
      screen.duringEvents = watch;
      return;
    }
    seen = progress.progressLabel.caption();
    screen.duringEvents = [&] { progress.cancelButton.click(); };
  };
  screen.duringEvents = watch;
  window->clean.cleanWindowsToolbar.click(0);

  EXPECT_EQ(seen.rfind("Cleaning Windows... ", 0), 0u) << seen;
  EXPECT_NE(seen.find(" items removed, "), std::string::npos) << seen;
  EXPECT_EQ(windows.events.front(), std::string("show ") +
                                        AnalysisProgressDialog::kCleaningCaption + " over " +
                                        window->caption());
  EXPECT_FALSE(windows.isOpen(progress));
  int left = 0;
  fake.files.find(p.downloadedProgramFilesFolder + "*.ocx", [&](const platform::FindData&) {
    ++left;
    return true;
  });
  EXPECT_GT(left, 0);
  EXPECT_LT(left, 500);
  // The report, the done message and the chart give the same total.
  const ReportTotals totals = runTotals(subsystems->recorder->changes());
  const std::string line = totalsLine(totals);
  EXPECT_NE(line.find(countText(500 - left + 2) + " files"), std::string::npos) << line;
  const std::string report = fake.files.contents(fake.process.folder + "\\" + kReportFile);
  EXPECT_NE(report.find("Cancelled: what follows is what was done until then.\r\nRemoved: " + line),
            std::string::npos)
      << report;
  ASSERT_EQ(doneMessages(), 1);
  EXPECT_EQ(doneText(), std::string(kDoneMessage) + "\r\nCancelled. Removed " + line + ".");
  const Statistics& statistics = *subsystems->statistics;
  const int slot = statistics.statisticsSlot();
  ASSERT_GE(slot, 2);
  EXPECT_EQ(statistics.rows()[slot - 2].value, std::to_string((totals.bytes + 1023) / 1024));
}

// "Last Cleaning Details" shows this session's run in the Analysis window, row for row as
// the analysis before it listed (only the outcome's words differ); an earlier session's
// report shows as its text. The shell is never asked to open the file.
TEST_F(AnalysisTest, LastCleaningDetailsShowsTheRunInTheProgramsOwnWindow) {
  AnalysisReportDialog& details = *subsystems->analysisReport;
  const std::string file = fake.process.folder + "\\" + kReportFile;
  window->statistics.cleaningDetailsButton.click();
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].text, "No cleaning has been recorded yet.");

  // The report of an earlier session, of which nothing is in memory.
  fake.files.addFile(file, "Cleaning of then\r\nRemoved: 3 bytes in 1 file\r\n");
  window->statistics.cleaningDetailsButton.click();
  EXPECT_EQ(windows.events.back(), std::string("close ") + AnalysisReportDialog::kDetailsCaption);
  EXPECT_FALSE(details.showsList());
  EXPECT_EQ(details.text(), "Cleaning of then\r\nRemoved: 3 bytes in 1 file\r\n");

  auto rows = [&details] {
    std::vector<std::string> all;
    for (int r = 0; r < details.rowCount(); ++r) {
      std::string row;
      for (int c :
           {AnalysisReportDialog::kArea, AnalysisReportDialog::kOption, AnalysisReportDialog::kKind,
            AnalysisReportDialog::kPath, AnalysisReportDialog::kSize})
        row += details.cell(r, c) + "|";
      all.push_back(row);
    }
    return all;
  };
  window->clean.analyzeButtons[kWindows].click();
  const std::vector<std::string> analysed = rows();
  EXPECT_EQ(analysed.size(), 3u);
  window->clean.cleanWindowsToolbar.click(0);
  window->statistics.cleaningDetailsButton.click();
  EXPECT_EQ(windows.events.back(), std::string("close ") + AnalysisReportDialog::kDetailsCaption);
  EXPECT_TRUE(details.showsList());
  EXPECT_EQ(rows(), analysed);
  EXPECT_EQ(details.cell(0, AnalysisReportDialog::kOutcome), "removed");
  EXPECT_EQ(details.text(), fake.files.contents(file));
  EXPECT_EQ(details.headingLabel.caption(), details.text().substr(0, details.text().find("\r\n")));
  EXPECT_TRUE(shellOpen.opened.empty());
}

}  // namespace
}  // namespace vorn
