#pragma once
// The main window wired over a recording system on fakes, with the browser's desktop
// services, for tests that analyse a seeded profile and then clean it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "main/app/wiring.h"
#include "main/clean/analysis.h"
#include "main/dialogs/analysis_progress_dialog.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "main/dialogs/done_dialog.h"
#include "platform/change_recorder.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_viewer_services.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_tray.h"
#include "tests/support/scripted_window_host.h"

namespace vorn::testing {

class AnalysisFixture : public ::testing::Test {
 protected:
  AnalysisFixture() {
    // As the program does: only the engines act through the recorder.
    services.engineSystem = &recording.system();
    session.programFolder = fake.process.folder;
    fake.clock.set({2001, 4, 12, 10, 30, 0, 0});
    services.internetProperties = &applet;
    services.topWindows = &desktop;
    services.keySender = &keys;
    services.urlCache = &cache;
    cache.files = &fake.files;
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
    wireCleaningReport(*window, services, *subsystems, recorder, shellOpen);
  }

  std::string analysisText() { return subsystems->analysisReport->reportText.text(); }
  // How often the done message was shown, and the text it showed last.
  long doneMessages() {
    return std::count(windows.events.begin(), windows.events.end(),
                      std::string("modal ") + DoneDialog::kCaption);
  }
  std::string doneText() { return subsystems->doneDialog->messageLabel.caption(); }

  // Each recorded change as "kind target (size)", in the order it happened; failures
  // carry their code.
  std::vector<std::string> recordedItems() const {
    std::vector<std::string> items;
    for (const platform::RecordedChange& c : recorder.changes())
      items.push_back(std::to_string(static_cast<int>(c.kind)) + " " + c.target + " (" +
                      std::to_string(c.size) + ")" +
                      (c.result ? " error " + std::to_string(c.result) : ""));
    return items;
  }

  // Runs an area's Analyze button and checks that it touched nothing on the fake disk or
  // in the registry, showed nothing and typed nothing. Returns what it listed.
  std::vector<std::string> analyzeUnchanged(int tab) {
    analyzeAndCheck(tab);
    return recordedItems();
  }
  void analyzeAndCheck(int tab) {
    const std::string files = fake.files.snapshot(), registry = fake.registry.snapshot();
    const std::vector<platform::UrlCacheEntry> entries = cache.all;
    const std::size_t events = windows.events.size();
    window->clean.analyzeButtons[static_cast<std::size_t>(tab)].click();
    EXPECT_EQ(fake.files.snapshot(), files);
    EXPECT_EQ(fake.registry.snapshot(), registry);
    EXPECT_EQ(cache.all.size(), entries.size());
    EXPECT_TRUE(shown.shown.empty()) << shown.shown[0].text;
    EXPECT_TRUE(keys.sent.empty());
    EXPECT_EQ(applet.starts, 0);
    EXPECT_EQ(desktop.events, std::vector<std::string>{});
    // Only the progress window, closed before the report window, which is the last.
    const std::string progress = AnalysisProgressDialog::kCaption;
    EXPECT_EQ(std::vector<std::string>(windows.events.begin() + static_cast<std::ptrdiff_t>(events),
                                       windows.events.end()),
              (std::vector<std::string>{"show " + progress + " over " + window->caption(),
                                        "close " + progress,
                                        std::string("modal ") + AnalysisReportDialog::kCaption,
                                        std::string("close ") + AnalysisReportDialog::kCaption}));
    EXPECT_FALSE(subsystems->running());
  }

  platform::fake::FakeSystem fake;
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording{fake, recorder};
  Session session;
  common::SessionLog log{fake.files, fake.clock, [this] { return session.programFolder; }};
  common::Settings settings{fake.files, log};
  ui::ScriptedPrompter shown;
  AnalysisPrompter prompter{shown, recorder};
  ui::ScriptedScreen screen;
  ui::ScriptedWindowHost windows;
  AppServices services{fake, log, settings, prompter, screen, windows, session};
  platform::fake::FakeInternetProperties applet;
  platform::fake::FakeTopWindows desktop;
  platform::fake::FakeKeySender keys{desktop};
  platform::fake::FakeUrlCache cache;
  platform::fake::FakeShellOpen shellOpen;
  ui::ScriptedTray tray;
  PathValues& p = session.paths;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

}  // namespace vorn::testing
