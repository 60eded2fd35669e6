#include "main/clean/cleaning_report.h"

#include <gtest/gtest.h>

#include "main/clean/plugin_cleaner.h"
#include "tests/main/clean/clean_fixture.h"

namespace {

using Kind = platform::RecordedChange::Kind;
using vorn::countText;
using vorn::sizeText;

TEST(ReportNumbers, SizesAndCountsReadAsAPersonWritesThem) {
  EXPECT_EQ(sizeText(0), "0 bytes");
  EXPECT_EQ(sizeText(1), "1 byte");
  EXPECT_EQ(sizeText(1023), "1023 bytes");
  EXPECT_EQ(sizeText(1024), "1.0 KB");
  EXPECT_EQ(sizeText(1536), "1.5 KB");
  EXPECT_EQ(sizeText(24536678), "23.4 MB");
  EXPECT_EQ(sizeText(6442450944ULL), "6.0 GB");
  EXPECT_EQ(countText(0), "0");
  EXPECT_EQ(countText(999), "999");
  EXPECT_EQ(countText(1000), "1,000");
  EXPECT_EQ(countText(1204), "1,204");
  EXPECT_EQ(countText(1234567), "1,234,567");
}

TEST(ReportText, TotalsFirstThenEachAreaLargestFirstAndFailuresApart) {
  std::vector<platform::RecordedChange> changes{
      {Kind::FileDeleted, "C:\\W\\small.tmp", 10, "Windows", 0, "Temporary Files", ""},
      {Kind::FileDeleted, "C:\\W\\big.tmp", 2048, "Windows", 0, "Temporary Files", ""},
      {Kind::FileDeleted, "C:\\W\\held.tmp", 99999, "Windows", 32, "Temporary Files", ""},
      {Kind::ValueDeleted, "HKEY_CURRENT_USER\\Software\\RunMRU\\a", 8, "Windows", 0, "Run History",
       ""},
      {Kind::FileDeleted, "C:\\W\\late.tmp", 5, "Windows", 0, "Temporary Files", ""},
      {Kind::KeyDeleted, "HKEY_CURRENT_USER\\Software\\P", 0, "Plugins", 0, "player.cp1", ""},
      {Kind::LinkRemoved, "C:\\W\\home", 0, "Plugins", platform::err::kNotSupported, "", ""},
  };
  const std::string text = vorn::cleaningReportText(changes, "Cleaning of today", false);
  EXPECT_EQ(text.rfind("Cleaning of today\r\n", 0), 0u) << text;
  // The file that stayed counts in neither the files nor the bytes.
  EXPECT_NE(text.find("Removed: 2.0 KB in 3 files, 1 registry value, 1 registry key\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Could not be removed: 2\r\n"), std::string::npos) << text;
  EXPECT_NE(
      text.find("C:\\W\\home  (Links (the link only, never its target), a link, left in place)"),
      std::string::npos)
      << text;
  const auto big = text.find("C:\\W\\big.tmp"), small = text.find("C:\\W\\small.tmp");
  ASSERT_NE(big, std::string::npos);
  EXPECT_LT(big, small);
  EXPECT_LT(text.find("== Windows =="), text.find("== Plugins =="));
  EXPECT_NE(
      text.find("Not removed (1)\r\n  C:\\W\\held.tmp  (Files, in use by another program (32))"),
      std::string::npos)
      << text;
  // Each option under its area, in the order they ran; a later item of an option joins
  // it, and its failures stay with it.
  EXPECT_NE(text.find("== Windows ==\r\n-- Temporary Files --\r\nFiles (3, 2.0 KB)\r\n"
                      "  C:\\W\\big.tmp  (2.0 KB)\r\n  C:\\W\\small.tmp  (10 bytes)\r\n"
                      "  C:\\W\\late.tmp  (5 bytes)\r\nNot removed (1)\r\n"),
            std::string::npos)
      << text;
  EXPECT_LT(text.find("-- Temporary Files --"), text.find("-- Run History --"));
  EXPECT_LT(text.find("-- Run History --"), text.find("== Plugins =="));
  // What ran outside any option comes first, under no option's heading.
  EXPECT_NE(text.find("== Plugins ==\r\nNot removed (1)\r\n  C:\\W\\home  (Links"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("left in place)\r\n-- player.cp1 --\r\nRegistry keys (1)\r\n"
                      "  HKEY_CURRENT_USER\\Software\\P\r\n"),
            std::string::npos)
      << text;
}

// A cookie file's passes and its removal are one item at the size it had before the
// first pass, whichever scratch file each pass drew: an analysis and the cleaning after
// it list the same.
TEST(ReportText, OverwritePassesAndTheRemovalAreOneItemAtThePresentSize) {
  auto cookie = [](std::uint64_t scratch) {
    std::vector<platform::RecordedChange> changes;
    for (std::uint64_t before : {std::uint64_t{700}, scratch, scratch}) {
      changes.push_back({Kind::FileOverwritten, "C:\\IE\\a@x.txt", before, "IE", 0, "Cookies", ""});
      changes.push_back({Kind::FileCut, "C:\\IE\\a@x.txt", before, "IE", 0, "Cookies", ""});
    }
    changes.push_back({Kind::FileDeleted, "C:\\IE\\A@X.TXT", scratch, "IE", 0, "Cookies", ""});
    changes.push_back({Kind::FileOverwritten, "C:\\IE\\held.txt", 90, "IE", 0, "Cookies", ""});
    changes.push_back({Kind::FileDeleted, "C:\\IE\\held.txt", 40, "IE", 32, "Cookies", ""});
    return changes;
  };
  const std::string text = vorn::cleaningReportText(cookie(4096), "Run", false);
  EXPECT_EQ(text, vorn::cleaningReportText(cookie(2000), "Run", false));
  // The done message and the chart repeat the report's totals, not the passes'.
  EXPECT_EQ(vorn::totalsLine(vorn::runTotals(cookie(4096))),
            "700 bytes in 1 file, 0 registry values");
  EXPECT_EQ(vorn::runTotals(cookie(4096)).failed, 1u);
  EXPECT_NE(text.find("Removed: 700 bytes in 1 file, 0 registry values\r\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("Files (1, 700 bytes)\r\n  C:\\IE\\A@X.TXT  (700 bytes, overwritten 3 "
                      "times, then removed)\r\nNot removed (1)\r\n  C:\\IE\\held.txt  (Files, "
                      "overwritten once, in use by another program (32))"),
            std::string::npos)
      << text;
}

// The bins of every drive are emptied in one call without a path: the item names them
// rather than standing as an empty line; one drive's bin keeps its root.
TEST(ReportText, AnEmptiedRecycleBinIsNamedByItsDrives) {
  std::vector<platform::RecordedChange> changes{
      {Kind::RecycleBinEmptied, "", 0, "Windows", 0, "Recycle Bin", ""},
      {Kind::RecycleBinEmptied, "D:\\", 0, "Windows", 0, "Recycle Bin", ""},
  };
  const std::string text = vorn::cleaningReportText(changes, "Cleaning of today", false);
  EXPECT_NE(text.find("Recycle Bin emptied (2)\r\n  every drive\r\n  D:\\\r\n"), std::string::npos)
      << text;
}

class ReportOfARun : public clean_test::CleanSession {
 protected:
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording{fake, recorder};
};

TEST_F(ReportOfARun, TheFrameStartsOneRecordingPerRunAndEndsItBeforeTheDoneMessage) {
  std::vector<std::string> events;
  frame.onRunStart = [&] { events.push_back("start"); };
  frame.onAreaStart = [&](const std::string& area) { events.push_back("area " + area); };
  frame.onRunEnd = [&] {
    events.push_back("end, messages shown: " + std::to_string(prompter.shown.size()));
  };
  vorn::RunFrame::Engines engines;
  engines.windows = [&] { frame.runEngine(vorn::frames::kWindows, [](common::ErrorTrap*) {}); };
  engines.plugins = [&] { frame.runEngine(vorn::frames::kPlugins, [](common::ErrorTrap*) {}); };
  frame.cleanAll(engines, {});
  EXPECT_EQ(events, (std::vector<std::string>{"start", "area " + vorn::frames::kWindows.area,
                                              "area " + vorn::frames::kPlugins.area,
                                              "end, messages shown: 0"}));
  events.clear();
  frame.runEngine(vorn::frames::kWindows, [](common::ErrorTrap*) {});
  EXPECT_EQ(events, (std::vector<std::string>{"start", "area " + vorn::frames::kWindows.area,
                                              "end, messages shown: 1"}));
}

TEST_F(ReportOfARun, APluginAnalysedListsExactlyWhatItsCleaningRemovesAndChangesNothing) {
  fake.files.addFile(folder() + "\\p.cp1",
                     "HKEY_CURRENT_USER\\Software\\V+Recent\r\nHKEY_CURRENT_USER\\Software\\K-\r\n"
                     "C:\\Cache\\*.thb\r\n");
  fake.registry.setString(platform::hkey::kCurrentUser, "Software\\V", "Recent", "x");
  fake.registry.setString(platform::hkey::kCurrentUser, "Software\\V", "Kept", "y");
  fake.registry.setString(platform::hkey::kCurrentUser, "Software\\K", "s", "z");
  fake.files.addFile("C:\\Cache\\a.thb", "aaaa");
  fake.files.addFile("C:\\Cache\\b.thb", "bb");
  fake.files.addFolder("C:\\Outside");
  fake.files.addFile("C:\\Outside\\c.thb", "mine");
  fake.files.addFolder("C:\\Cache\\link.thb");
  fake.files.setReparsePoint("C:\\Cache\\link.thb");
  recorder.ignoreFolder(folder());
  platform::System& s = recording.system();
  vorn::RegistryAccess access(s.registry, prompter);
  vorn::PluginCleaner cleaner(s.files, access, log, frame, folder(), {}, s.removal);

  const std::string filesBefore = fake.files.dump();
  recorder.start(true);
  cleaner.pluginCleanFiles("p.cp1");
  const auto analysed = recorder.changes();
  EXPECT_EQ(fake.files.dump(), filesBefore);
  EXPECT_TRUE(fake.registry.hasValue(platform::hkey::kCurrentUser, "Software\\V", "Recent"));
  EXPECT_TRUE(fake.registry.hasKey(platform::hkey::kCurrentUser, "Software\\K"));

  recorder.start(false);
  cleaner.pluginCleanFiles("p.cp1");
  const auto cleaned = recorder.changes();
  EXPECT_FALSE(fake.registry.hasValue(platform::hkey::kCurrentUser, "Software\\V", "Recent"));
  EXPECT_FALSE(fake.files.exists("C:\\Cache\\a.thb"));
  EXPECT_EQ(fake.files.contents("C:\\Outside\\c.thb"), "mine");

  ASSERT_EQ(analysed.size(), cleaned.size());
  for (std::size_t i = 0; i < cleaned.size(); ++i) {
    EXPECT_EQ(analysed[i].kind, cleaned[i].kind) << i;
    EXPECT_EQ(analysed[i].target, cleaned[i].target) << i;
    EXPECT_EQ(analysed[i].size, cleaned[i].size) << i;
  }
  const std::string text = vorn::cleaningReportText(cleaned, "Cleaning", false);
  EXPECT_NE(text.find("Removed: 6 bytes in 2 files, 1 registry value, 1 registry key"),
            std::string::npos)
      << text;
}

// An empty bin is nothing removed; a full one counts what it held; one the shell cannot
// count is still reported, without a size, since emptying it may have removed something.
TEST_F(ReportOfARun, TheRecycleBinIsReportedByWhatItHeld) {
  struct Case {
    std::vector<std::string> recycled;
    bool countable;
    std::size_t recorded;
    std::uint64_t size;
  };
  for (const Case& c : {Case{{}, true, 0, 0}, Case{{"C:\\a.txt", "C:\\b.txt"}, true, 1, 200},
                        Case{{"C:\\a.txt"}, false, 1, 0}}) {
    for (bool analysing : {true, false}) {
      fake.shell.recycled.clear();
      if (!c.recycled.empty()) fake.shell.recycled["C:\\"] = c.recycled;
      fake.shell.recycleBinCountable = c.countable;
      recorder.start(analysing);
      recording.system().shell.emptyRecycleBin(0, "");
      const auto changes = recorder.changes();
      ASSERT_EQ(changes.size(), c.recorded) << c.recycled.size();
      if (c.recorded) {
        EXPECT_EQ(changes[0].size, c.size);
      }
      EXPECT_EQ(fake.shell.recycled.empty(), c.recycled.empty() || !analysing);
      const std::string text = vorn::cleaningReportText(changes, "Cleaning", analysing);
      EXPECT_EQ(text.find("Recycle Bin") != std::string::npos, c.recorded > 0) << text;
    }
  }
}

}  // namespace
