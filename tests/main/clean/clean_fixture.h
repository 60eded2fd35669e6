#pragma once
// A cleaning session over the fake platform: the run frame with a recording view, the
// statistics, the option boxes, the registry access and a scripted prompter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/session_log.h"
#include "common/settings.h"
#include "main/clean/run_frame.h"
#include "main/platform/registry_access.h"
#include "main/stats/statistics.h"
#include "platform/fake/fake_system.h"
#include "tests/main/clean/plain_option_boxes.h"
#include "tests/support/scripted_prompter.h"

namespace clean_test {

// Records what the frame shows, in order, as short texts ("status Please Wait",
// "timer 1000", "max 2", "busy", "idle", "close").
class RecordingView : public vorn::RunView {
 public:
  void setStatusText(const std::string& text) override {
    status = text;
    events.push_back("status " + text);
  }
  float progressValue() override { return value; }
  void setProgressValue(float v) override { value = v; }
  void setProgressMax(float m) override {
    maximum = m;
    events.push_back("max " + std::to_string(static_cast<int>(m)));
  }
  void startAnimation(int ms) override {
    timerOn = true;
    events.push_back("timer " + std::to_string(ms));
  }
  void stopAnimation() override {
    timerOn = false;
    events.push_back("timer off");
  }
  void setBusyPointer(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
  bool closeAfterCleaning() override { return closeAfterCleaningBox; }
  void closeMainWindow() override { events.push_back("close"); }

  int count(const std::string& event) const {
    int n = 0;
    for (const std::string& e : events) n += e == event;
    return n;
  }

  std::vector<std::string> events;
  std::string status;
  float value = 0, maximum = 100;
  bool timerOn = false, closeAfterCleaningBox = false;
};

class CleanSession : public ::testing::Test {
 protected:
  std::string folder() { return fake.process.folder; }
  std::string ini() { return folder() + "\\mainten.ini"; }
  std::string logText() { return fake.files.contents(folder() + "\\vorn.log"); }

  platform::fake::FakeSystem fake;
  common::SessionLog log{fake.files, fake.clock, [this] { return folder(); }};
  common::Settings settings{fake.files, log};
  ui::ScriptedPrompter prompter;
  vorn::RegistryAccess registry{fake.registry, prompter};
  RecordingView view;
  vorn::PlainOptionBoxes boxes;
  double freeKB = 500000;  // what the free-space reading of "C:\" gives
  vorn::Statistics statistics{settings, log, ini(), [this] { return freeKB; }};
  vorn::RunFrame frame{view,      boxes,      prompter, settings,
                       log,       fake.clock, ini(),    [this] { return freeKB; },
                       statistics};
};

}  // namespace clean_test
