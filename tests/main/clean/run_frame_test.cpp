#include "main/clean/run_frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/main/clean/clean_fixture.h"

using namespace vorn;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class RunFrameTest : public clean_test::CleanSession {
 protected:
  // An engine that takes one progress step per ticked IE box, like the real ones.
  void runIE() {
    frame.runEngine(frames::kIE, [&](common::ErrorTrap* trap) {
      for (int i = 0; i < 5; ++i)
        if (boxes.checked(area::kIE, i)) frame.optionStep(trap, [] {});
    });
  }
};

TEST_F(RunFrameTest, FixCheckboxesCountsTickedEnabledBoxesAndClearsDisabledOnes) {
  boxes.check(area::kIE, {0, 2});
  view.value = 3;
  frame.fixCheckboxes(area::kIE);
  EXPECT_EQ(view.value, 0);
  EXPECT_EQ(view.maximum, 2);

  boxes.check(area::kNetscape, {0, 1});
  boxes.box(area::kNetscape, 1).enabled = false;
  boxes.check(area::kWindows, {1, 7});
  boxes.box(area::kUserDefined, 3).value = 2;  // greyed: not cleared, not counted
  frame.fixCheckboxes(area::kAll);
  EXPECT_EQ(view.maximum, 5);  // IE 0, 2; Netscape 0; Windows 1, 7
  EXPECT_EQ(boxes.value(area::kNetscape, 1), 0);
  EXPECT_EQ(boxes.value(area::kUserDefined, 3), 2);

  // With nothing ticked the maximum stays where it was.
  PlainOptionBoxes none;
  RunFrame other{view,       none,  prompter,           settings,  log,
                 fake.clock, ini(), [] { return 0.0; }, statistics};
  view.maximum = 17;
  other.fixCheckboxes(area::kOpera);
  EXPECT_EQ(view.maximum, 17);
}

TEST_F(RunFrameTest, AnEngineRunsInsideItsFrameInTheBindingOrder) {
  boxes.check(area::kIE, {0, 2});
  freeKB = 1000;
  std::vector<std::string> during;
  frame.runEngine(frames::kIE, [&](common::ErrorTrap* trap) {
    during = view.events;
    EXPECT_EQ(frame.state.currentArea, "Internet Explorer");
    EXPECT_EQ(frame.state.freeSpaceBefore, 1000);
    freeKB = 3048;  // the run frees 2048 KB
    frame.optionStep(trap, [] {});
    frame.optionStep(trap, [] {});
  });
  EXPECT_THAT(during, ElementsAre("status Please Wait", "timer 2000", "busy", "max 2"));
  EXPECT_EQ(view.value, 2);
  EXPECT_EQ(view.maximum, 2);
  const std::string date = fake.clock.generalDate(fake.clock.now());
  EXPECT_THAT(std::vector<std::string>(view.events.begin() + 4, view.events.end()),
              ElementsAre("timer off", "status This computer was last cleaned: " + date, "idle"));
  EXPECT_EQ(settings.getini("Senast", "Value1", ini()), date);
  EXPECT_EQ(frame.state.lastCleanedText, date);
  EXPECT_EQ(frame.state.currentArea, "");
  EXPECT_EQ(statistics.rows()[0].value, "2048");
  EXPECT_EQ(statistics.rows()[0].label, date);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cleaning System...Done");
  EXPECT_EQ(prompter.shown[0].title, "Info");
  EXPECT_EQ(prompter.shown[0].style, ui::mb::kOk | ui::mb::kIconInformation);
}

TEST_F(RunFrameTest, WithNoOptionTheRunStillRecordsTheDate) {
  runIE();
  EXPECT_EQ(view.status,
            "This computer was last cleaned: " + fake.clock.generalDate(fake.clock.now()));
  EXPECT_FALSE(settings.getini("Senast", "Value1", ini()).empty());
  EXPECT_EQ(statistics.statisticsSlot(), 2);
}

TEST_F(RunFrameTest, CloseAfterCleaningClosesInsteadOfTheMessage) {
  view.closeAfterCleaningBox = true;
  runIE();
  EXPECT_EQ(view.count("close"), 1);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RunFrameTest, AutomaticCleaningShowsNoMessage) {
  frame.state.showDoneMessage = false;
  runIE();
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(view.count("close"), 0);
}

TEST_F(RunFrameTest, AFailingStepIsLoggedUnderTheEngineAndTheRunGoesOn) {
  boxes.check(area::kIE, {0, 1});
  frame.runEngine(frames::kIE, [&](common::ErrorTrap* trap) {
    frame.optionStep(trap, [] { common::raise(common::errnum::kPermissionDenied); });
    frame.optionStep(trap, [] {});
  });
  EXPECT_THAT(logText(), HasSubstr("cmdCleanIE at line 0 - Permission denied (70)"));
  EXPECT_EQ(view.value, 2);  // the failed step still moves the bar
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(RunFrameTest, CleanAllNestsTheEnginesInOneFrame) {
  boxes.check(area::kIE, {0});
  boxes.check(area::kWindows, {0, 2});
  boxes.box(area::kOpera, 0) = {1, false};  // an unavailable browser's box
  PathValues paths;
  paths.ieAvailable = true;
  std::vector<std::string> order;
  auto engine = [&](const EngineFrame& f, int areaCode, const char* name) {
    return [&, f, areaCode, name] {
      order.push_back(name);
      frame.runEngine(f, [&](common::ErrorTrap* trap) {
        for (int i = 0; i < optionCount(areaCode); ++i)
          if (boxes.checked(areaCode, i)) frame.optionStep(trap, [] {});
      });
    };
  };
  RunFrame::Engines engines;
  engines.ie = engine(frames::kIE, area::kIE, "ie");
  engines.opera = engine(frames::kOpera, area::kOpera, "opera");
  engines.windows = engine(frames::kWindows, area::kWindows, "windows");
  engines.plugins = [&] {
    order.push_back("plugins");
    frame.runEngine(frames::kPlugins, [](common::ErrorTrap*) {});
  };
  freeKB = 10000;
  frame.cleanAll(engines, paths);

  EXPECT_THAT(order, ElementsAre("ie", "windows", "plugins"));
  EXPECT_EQ(view.maximum, 3);
  EXPECT_EQ(view.value, 3);
  EXPECT_EQ(boxes.value(area::kOpera, 0), 0);
  EXPECT_EQ(view.count("timer 10"), 1);
  EXPECT_EQ(view.count("timer off"), 1);  // no engine touched the timer
  EXPECT_EQ(view.count("busy"), 1);
  EXPECT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(statistics.statisticsSlot(), 2);  // one row for the whole run
  EXPECT_FALSE(frame.state.cleanAllRunning);
  EXPECT_THAT(view.status, HasSubstr("This computer was last cleaned: "));
  EXPECT_EQ(view.events.back(), "idle");
}

TEST_F(RunFrameTest, CleanAllLeavesItsModeEvenWhenAnEngineFails) {
  RunFrame::Engines engines;
  engines.userDefined = [] { common::raise(common::errnum::kPathNotFound); };
  EXPECT_THROW(frame.cleanAll(engines, PathValues{}), common::RunError);
  EXPECT_FALSE(frame.state.cleanAllRunning);
  EXPECT_FALSE(view.timerOn);
  // A later single-area run has its own frame again.
  runIE();
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(RunFrameTest, StatusAnimationAlternatesItsTwoTexts) {
  frame.state.currentArea = "Windows";
  frame.animateStatus();
  EXPECT_EQ(view.status, "Please Wait...");
  frame.animateStatus();
  EXPECT_EQ(view.status, "Cleaning... Windows");
  frame.animateStatus();
  EXPECT_EQ(view.status, "Please Wait...");
  // An analysis says so: it cleans nothing.
  frame.state.kind = RunKind::Analysis;
  frame.animateStatus();
  EXPECT_EQ(view.status, "Analyzing... Windows");
}

TEST_F(RunFrameTest, TheWindowsFrameSaysWhatItCleans) {
  frame.runEngine(frames::kWindows, [&](common::ErrorTrap*) {
    EXPECT_THAT(view.events, ElementsAre("status Please Wait", "status Cleaning Windows Files",
                                         "timer 1000", "busy"));
  });
}
