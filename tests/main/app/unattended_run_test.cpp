// /auto and /analyze over the fake platform: the cleaner loaded from its settings with no
// window, "Clean All" or its analysis, the report, the lock and the exit codes.
#include "main/app/unattended_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "main/app/unattended.h"
#include "main/clean/analysis.h"
#include "main/clean/cleaning_report.h"
#include "main/clean/windows_cleaner.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "platform/change_recorder.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_run_lock.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_viewer_services.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_tray.h"

namespace vorn {
namespace {

constexpr platform::HKey kHKCU = platform::hkey::kCurrentUser;
const std::string kRecent = "C:\\WINDOWS\\Recent\\";

class UnattendedRunTest : public ::testing::Test {
 protected:
  UnattendedRunTest() {
    // As the program does: only the engines act through the recorder.
    services.engineSystem = &recording.system();
    fake.clock.set({2001, 4, 12, 10, 30, 0, 0});
    std::ifstream in(std::string(TERVANE_DATA_DIR) + "/mainten.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    fake.files.addFile(ini, text.str());
    // Only the Windows area's document and run history; the path search tool and the
    // notice are due, and must not be started or shown.
    for (int k = 1; k <= 25; ++k) setIni("Rensa", "Value" + std::to_string(k), "0");
    setIni("Rensa", "Value14", "1");
    setIni("Rensa", "Value19", "1");
    setIni("Path", "Detect", "1");
    setIni("Path", "Win1", kRecent);
    fake.files.addFolder(kRecent);
    fake.files.addFile(kRecent + "letter.lnk", std::string(700, 'l'));
    // A link in the cleaned folder to the user's own folder, which must stay whole.
    fake.files.addFile("C:\\Mine\\thesis.doc", "mine");
    fake.files.addFolder(kRecent + "Mine");
    fake.files.setReparsePoint(kRecent + "Mine");
    fake.registry.setString(kHKCU, kRunMruKey, "a", "notepad");
    fake.files.addFolder("C:\\Reports");
    services.runLock = &lock;
    services.unattended = &prompter;
    services.internetProperties = &applet;
    services.topWindows = &desktop;
    services.keySender = &keys;
    services.urlCache = &cache;
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
    wireCleaningReport(*window, services, *subsystems, recorder, shellOpen);
  }

  void setIni(const std::string& section, const std::string& key, const std::string& value) {
    settings.AddToini(section, key, value, ini);
  }
  std::string getIni(const std::string& section, const std::string& key) {
    return settings.getini(section, key, ini);
  }
  int run(const char* line) {
    return runUnattended(parseCommandLine(line), services, *window, *subsystems);
  }
  std::string log() { return fake.files.contents(folder + "\\vorn.log"); }

  platform::fake::FakeSystem fake;
  const std::string folder = fake.process.folder;
  const std::string ini = folder + "\\mainten.ini";
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording{fake, recorder};
  Session session;
  common::SessionLog logFile{fake.files, fake.clock, [this] { return session.programFolder; }};
  common::Settings settings{fake.files, logFile};
  ui::ScriptedPrompter shown;
  AnalysisPrompter analysisPrompter{shown, recorder};
  UnattendedPrompter prompter{analysisPrompter, logFile};
  ui::ScriptedScreen screen;
  HiddenWindowHost windows;
  AppServices services{fake, logFile, settings, prompter, screen, windows, session};
  platform::fake::FakeRunLock lock;
  platform::fake::FakeInternetProperties applet;
  platform::fake::FakeTopWindows desktop;
  platform::fake::FakeKeySender keys{desktop};
  platform::fake::FakeUrlCache cache;
  platform::fake::FakeShellOpen shellOpen;
  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(UnattendedRunTest, AutoCleansWhatCleanAllCleansAsksNobodyAndSavesReportAndStatistics) {
  EXPECT_EQ(run("/auto /report:C:\\Reports\\run.txt"), exitcode::kDone);

  EXPECT_FALSE(fake.files.exists(kRecent + "letter.lnk"));
  EXPECT_FALSE(fake.registry.hasValue(kHKCU, kRunMruKey, "a"));
  EXPECT_EQ(fake.files.contents("C:\\Mine\\thesis.doc"), "mine");
  EXPECT_TRUE(shown.shown.empty()) << shown.shown[0].text;
  EXPECT_TRUE(fake.processes.started.empty());  // no path search tool
  EXPECT_TRUE(windows.openWindows().empty());   // the main window closed, saving
  EXPECT_EQ(lock.takes, 0);
  const std::string report = fake.files.contents(folder + "\\" + kReportFile);
  EXPECT_NE(report.find("letter.lnk"), std::string::npos) << report;
  EXPECT_EQ(fake.files.contents("C:\\Reports\\run.txt"), report);
  EXPECT_FALSE(fake.files.exists("C:\\Reports\\run.txt.new~"));
  EXPECT_EQ(getIni("Senast", "Value1"), "12/04/2001 10:30:00");
  EXPECT_EQ(getIni("Statistics", "Date1"), "12/04/2001 10:30:00");
}

TEST_F(UnattendedRunTest, AnalyzeChangesNothingAndWritesTheAnalysisOfTheChosenAreas) {
  const std::string files = fake.files.snapshot(), registry = fake.registry.snapshot();
  EXPECT_EQ(run("-ANALYZE \"/report:C:\\Reports\\a b.txt\" /areas:windows"), exitcode::kDone);
  const std::string analysis = fake.files.contents("C:\\Reports\\a b.txt");
  EXPECT_EQ(fake.files.contents(folder + "\\" + kAnalysisFile), analysis);
  fake.files.deleteFile(folder + "\\" + kAnalysisFile);
  // Besides the analysis in both places, only the log is new.
  fake.files.deleteFile("C:\\Reports\\a b.txt");
  fake.files.deleteFile(folder + "\\vorn.log");
  EXPECT_EQ(fake.files.snapshot(), files);
  EXPECT_EQ(fake.registry.snapshot(), registry);
  EXPECT_NE(analysis.find("Analysis of Windows, "), std::string::npos) << analysis;
  EXPECT_NE(analysis.find("letter.lnk  (700 bytes)"), std::string::npos) << analysis;
  EXPECT_TRUE(shown.shown.empty());
}

TEST_F(UnattendedRunTest, InternetExplorersCacheGoesThroughTheCacheInterfaceNeverTheDialog) {
  const std::string folders[] = {"C:\\WINDOWS\\History\\",
                                 "C:\\WINDOWS\\Temporary Internet Files\\",
                                 "C:\\WINDOWS\\Cookies\\"};
  for (int i = 0; i < 3; ++i) {
    fake.files.addFolder(folders[i]);
    setIni("Path", "IE" + std::to_string(i + 1), folders[i]);
  }
  setIni("Path", "IE4", folders[1]);
  setIni("Rensa", "Value1", "1");  // cache
  setIni("Rensa", "Value2", "1");  // history
  cache.add("http://site/page.htm");
  cache.add("Visited: me@http://site/", platform::cacheentry::kUrlHistory);
  cache.add("Cookie:me@site/", platform::cacheentry::kCookie);
  cache.add("http://site/busy.gif");
  cache.refusing = {"http://site/busy.gif"};

  EXPECT_EQ(run("/auto /areas:ie"), exitcode::kNotAllRemoved);

  EXPECT_EQ(applet.starts, 0);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_FALSE(cache.has("http://site/page.htm"));
  EXPECT_FALSE(cache.has("Visited: me@http://site/"));
  EXPECT_TRUE(cache.has("Cookie:me@site/"));
  const std::string report = fake.files.contents(folder + "\\" + kReportFile);
  EXPECT_NE(report.find("  http://site/page.htm\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  Visited: me@http://site/\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("Could not be removed: 1"), std::string::npos) << report;
  EXPECT_EQ(report.find("Cookie:"), std::string::npos) << report;
  EXPECT_TRUE(fake.files.exists(kRecent + "letter.lnk"));  // only the chosen area
}

TEST_F(UnattendedRunTest, RefusalsChangeNothingAndSayWhyInTheLog) {
  const struct {
    const char* line;
    int code;
    const char* logged;
  } cases[] = {
      {"/bogus", exitcode::kBadCommandLine, "unknown switch \"/bogus\"; nothing was done"},
      {"/auto /areas:chrome", exitcode::kBadCommandLine, "unknown area"},
      {"/auto /report:C:\\Missing\\r.txt", exitcode::kBadCommandLine,
       "the report's folder C:\\Missing does not exist"},
      {"/auto /report:C:\\Reports", exitcode::kBadCommandLine, "is a folder"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.line), c.code) << c.line;
    EXPECT_NE(log().find(c.logged), std::string::npos) << c.line << "\n" << log();
  }
  // A program folder that cannot be written: its settings would not be the user's.
  fake.files.writeFault = [](const std::string& path) {
    return path.find("vorn66.probe~") != std::string::npos ? platform::err::kAccessDenied
                                                           : platform::err::kSuccess;
  };
  EXPECT_EQ(run("/auto"), exitcode::kBadCommandLine);
  EXPECT_NE(log().find("Tervane cannot write there"), std::string::npos) << log();
  fake.files.writeFault = nullptr;
  lock.heldElsewhere = true;
  EXPECT_EQ(run("/auto"), exitcode::kBusy);
  EXPECT_NE(log().find(kBusyMessage), std::string::npos) << log();
  EXPECT_TRUE(fake.files.exists(kRecent + "letter.lnk"));
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, kRunMruKey, "a"));
  EXPECT_EQ(getIni("Senast", "Value1"), "Never");
  EXPECT_TRUE(shown.shown.empty());
}

TEST_F(UnattendedRunTest, AnItemThatStaysGivesOneAndTheReportNamesIt) {
  fake.files.setOpen(kRecent + "letter.lnk", true);
  EXPECT_EQ(run("/auto"), exitcode::kNotAllRemoved);
  const std::string report = fake.files.contents(folder + "\\" + kReportFile);
  EXPECT_NE(report.find("letter.lnk"), std::string::npos) << report;
  EXPECT_NE(report.find("Could not be removed"), std::string::npos) << report;
}

TEST_F(UnattendedRunTest, TheWindowsRunsAreRefusedWithABoxWhileAnotherProcessHoldsTheLock) {
  session.programFolder = folder;  // as the start-up does
  window->loadWindow();
  lock.heldElsewhere = true;
  settings.AddToini("Confirm", "CleanAll", "0", ini);  // a user who is not asked first
  window->clean.cleanAllButton.click();
  window->clean.analyzeAllButton.click();
  ASSERT_EQ(shown.shown.size(), 2u);
  EXPECT_EQ(shown.shown[0].text, kBusyMessage);
  EXPECT_EQ(shown.shown[1].text, kBusyMessage);
  EXPECT_TRUE(fake.files.exists(kRecent + "letter.lnk"));
  EXPECT_EQ(getIni("Senast", "Value1"), "Never");
  EXPECT_EQ(subsystems->analysisReport->reportText.text(), "");

  lock.heldElsewhere = false;
  window->clean.cleanAllButton.click();
  EXPECT_FALSE(fake.files.exists(kRecent + "letter.lnk"));
  EXPECT_EQ(lock.takes, 0);
}

TEST(UnattendedPrompter, HoldsMessagesOnlyWhileQuietAndLogsThem) {
  platform::fake::FakeSystem fake;
  common::SessionLog log(fake.files, fake.clock, [&fake] { return fake.process.folder; });
  ui::ScriptedPrompter shown;
  UnattendedPrompter prompter(shown, log);
  EXPECT_EQ(prompter.messageBox("shown", "Info", ui::mb::kOk), ui::Answer::Ok);
  {
    QuietScope quiet(&prompter);
    QuietScope nested(&prompter);
    EXPECT_EQ(
        prompter.messageBox("Sure?\r\nReally", "Ask", ui::mb::kYesNo | ui::mb::kDefaultButton2),
        ui::Answer::No);
  }
  EXPECT_FALSE(prompter.quiet());
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(prompter.messages(), std::vector<std::string>{"Ask: Sure?  Really"});
  EXPECT_NE(fake.files.contents(log.path()).find("not shown: Ask: Sure?  Really"),
            std::string::npos);
  EXPECT_EQ(messagesSection(prompter.messages()),
            "\r\nMessages not shown, since nobody was asked (1):\r\n  Ask: Sure?  Really\r\n");
  EXPECT_EQ(messagesSection({}), "");
}

}  // namespace
}  // namespace vorn
