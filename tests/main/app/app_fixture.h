#pragma once
// A cleaner on the fake platform: settings files in the fake program folder, scripted
// prompter, screen and windows, and operations that record their calls.
#include <memory>
#include <string>
#include <vector>

#include "main/app/main_window.h"
#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_window_host.h"

namespace vorn::testing {

class AppFixture {
 public:
  AppFixture();

  platform::fake::FakeSystem fake;
  Session session;
  common::SessionLog log{fake.files, fake.clock, [this] { return session.programFolder; }};
  common::Settings settings{fake.files, log};
  ui::ScriptedPrompter prompter;
  ui::ScriptedScreen screen;
  ui::ScriptedWindowHost windows;
  AppServices services{fake, log, settings, prompter, screen, windows, session};

  // Every recorded operation and process event, in order.
  std::vector<std::string> events;
  // Load steps and page commands that only record their names.
  Command recording(const char* name);
  MainWindow::LoadSteps recordingLoadSteps();
  void recordPageCommands(MainWindow& window);
  std::unique_ptr<MainWindow> mainWindow;
  void makeWindow() {
    mainWindow = std::make_unique<MainWindow>(services, recordingLoadSteps());
    recordPageCommands(*mainWindow);
  }

  std::string folder() const { return fake.process.folder; }
  std::string mainten() const { return folder() + "\\mainten.ini"; }
  // The delivered settings file, as a fresh installation has it.
  void installDeliveredSettings();
  std::string ini(const std::string& section, const std::string& key);
  void setIni(const std::string& section, const std::string& key, const std::string& value);
  void removeIniKey(const std::string& section, const std::string& key);
  // The log's records (message parts), oldest first.
  std::vector<std::string> logRecords();
};

}  // namespace vorn::testing
