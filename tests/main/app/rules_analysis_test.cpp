// Analyze over the cleaning rules: winapp2.ini entries and "Additional Garbage" are
// listed under their names and nothing is removed until the cleaning.
#include <gtest/gtest.h>

#include "tests/main/app/analysis_fixture.h"

namespace vorn {
namespace {

class RulesAnalysisTest : public testing::AnalysisFixture {};

TEST_F(RulesAnalysisTest, AnalyzeListsTheRulesUnderTheirNamesAndRemovesNothing) {
  const std::string folder = fake.process.folder + "\\";
  fake.files.addFile(folder + "winapp2.ini", "[Tool *]\r\nFileKey1=C:\\Tool|*.tmp\r\n");
  fake.files.addFile(folder + "garbage.ini", "[Help *]\r\nFileKey1=%WinDir%\\Help|*.gid\r\n");
  fake.files.addFile("C:\\Tool\\a.tmp");
  fake.files.addFile("C:\\WINDOWS\\Help\\a.gid");
  fake.files.addFile("D:\\Outside\\keep.tmp", "outside");
  fake.files.addLink("C:\\Tool\\link.tmp", "D:\\Outside\\keep.tmp");
  runCommand(window->loadSteps().fixPlugins);
  window->clean.windowsOptions[7].setValue(1);
  const std::string before = fake.files.dump();

  window->clean.analyzeButtons[kPlugins].click();
  EXPECT_NE(analysisText().find("-- Tool --"), std::string::npos) << analysisText();
  EXPECT_NE(analysisText().find("C:\\Tool\\a.tmp"), std::string::npos) << analysisText();
  window->clean.analyzeButtons[kWindows].click();
  EXPECT_NE(analysisText().find("-- Additional Garbage --"), std::string::npos) << analysisText();
  EXPECT_NE(analysisText().find("C:\\WINDOWS\\Help\\a.gid"), std::string::npos) << analysisText();
  EXPECT_EQ(fake.files.dump(), before);

  window->clean.cleanPluginsToolbar.click(0);
  EXPECT_FALSE(fake.files.exists("C:\\Tool\\a.tmp"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\keep.tmp"), "outside");
}

}  // namespace
}  // namespace vorn
