// The user's winapp2.ini on the Plugins tab: which entries are listed, their ticks and
// warnings, and their cleaning inside the plugins' run.
#include "main/plugins/rule_list.h"

#include <gtest/gtest.h>

#include "tests/main/plugins/plugin_test_support.h"

namespace {

using ui::Answer;

class RuleListTest : public plugin_test::PluginSession {
 protected:
  RuleListTest() {
    fake.registry.setString(kHKCU, "Software\\Tool", "Last", "x");
    fake.files.addFile("C:\\Tool\\cache\\a.tmp");
    fake.files.addFile(path("winapp2.ini"),
                       "[Tool Cache *]\r\nDetect=HKCU\\Software\\Tool\r\n"
                       "FileKey1=C:\\Tool\\cache|*.tmp\r\n"
                       "[Absent *]\r\nDetectFile=C:\\Absent\r\nFileKey1=C:\\Absent|*.*\r\n"
                       "[Tool Settings *]\r\nDetect=HKCU\\Software\\Tool\r\n"
                       "Warning=Your settings go too.\r\nRegKey1=HKCU\\Software\\Tool|Last\r\n"
                       "[Broken *]\r\nFileKey1=C:\\Tool\r\n");
  }
  std::string ticks() { return fake.files.contents(path("winapp2-ticks.ini")); }

  vorn::RuleCleaner rules{fake.system(), registry, log, "winapp2.ini"};
  ui::CheckListBox ruleList{"ruleList"};
  vorn::RuleList list{fake.files, log, prompter, ruleList, rules, folder()};
};

TEST_F(RuleListTest, ListsTheEntriesFoundHereAndAWarningStartsUnticked) {
  list.load();
  EXPECT_EQ(ruleList.items(), (std::vector<std::string>{"Tool Cache", "Tool Settings"}));
  EXPECT_TRUE(ruleList.checked(0));
  EXPECT_FALSE(ruleList.checked(1));
  EXPECT_EQ(ticks(), "");  // loading writes nothing
  EXPECT_NE(logText().find("winapp2.ini at line 0 - line 11: entry [Broken] skipped: line 12"),
            std::string::npos)
      << logText();
}

TEST_F(RuleListTest, TickingAWarningEntryShowsItAndTicksAreSavedTogether) {
  list.load();
  prompter.answers = {Answer::Cancel, Answer::Ok};
  ruleList.userChecked(1, true);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Warning");
  EXPECT_EQ(prompter.shown[0].text.rfind("Your settings go too.", 0), 0u);
  EXPECT_FALSE(ruleList.checked(1));
  EXPECT_EQ(ticks(), "");
  ruleList.userChecked(1, true);
  EXPECT_TRUE(ruleList.checked(1));
  EXPECT_EQ(ticks(), "[Ticks]\r\nTool Cache=True\r\nTool Settings=True\r\n");
  ruleList.userChecked(0, false);
  EXPECT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(ticks(), "[Ticks]\r\nTool Cache=False\r\nTool Settings=True\r\n");
  // The saved ticks come back at the next start.
  list.load();
  EXPECT_FALSE(ruleList.checked(0));
  EXPECT_TRUE(ruleList.checked(1));
}

TEST_F(RuleListTest, TheTickedEntriesAreCleanedInThePluginRunUnderTheirNames) {
  fake.files.addFile("D:\\Outside\\b.tmp", "outside");
  fake.files.addLink("C:\\Tool\\cache\\link.tmp", "D:\\Outside\\b.tmp");
  list.load();
  std::vector<std::string> options;
  frame.onOptionStart = [&](const std::string& option) { options.push_back(option); };
  cleaner.afterPlugins = [&](common::ErrorTrap* trap) {
    vorn::cleanRulesInFrame(frame, trap, rules, list.ticked());
  };
  cleaner.cleanPlugins();
  EXPECT_EQ(options, std::vector<std::string>{"Tool Cache"});
  EXPECT_FALSE(fake.files.exists("C:\\Tool\\cache\\a.tmp"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\b.tmp"), "outside");
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, "Software\\Tool", "Last"));  // not ticked
}

}  // namespace
