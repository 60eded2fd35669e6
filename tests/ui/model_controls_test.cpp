// The controls the main window adds to the model: check boxes that run their click
// handler when code changes them, lists, sliders, toolbars, tab strips, file lists,
// timers, and the scripted window host.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/run_error.h"
#include "platform/fake/fake_system.h"
#include "tests/support/scripted_window_host.h"
#include "ui/chart.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/file_list.h"
#include "ui/slider.h"
#include "ui/tab_strip.h"
#include "ui/timer.h"
#include "ui/toolbar.h"

using namespace ui;
using ::testing::ElementsAre;

namespace {

struct RecordingView : ControlView {
  void modelChanged(Control&, Change what) override { changes.push_back(what); }
  std::vector<Change> changes;
};

int errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const common::RunError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace

TEST(CheckBox, SettingAValueFromCodeClicksOnlyWhenItChanges) {
  CheckBox box("ieOptions", "Internet Explorer Cookies");
  RecordingView view;
  box.bind(&view);
  std::vector<int> seen;
  box.onClick = [&] { seen.push_back(box.value()); };
  box.setValue(0);  // as it was: no click
  box.setValue(1);
  box.setValue(1);
  box.setValue(2);
  box.setValue(0);
  EXPECT_THAT(seen, ElementsAre(1, 2, 0));
  EXPECT_THAT(view.changes, ElementsAre(Change::Value, Change::Value, Change::Value));
  EXPECT_EQ(errorOf([&] { box.setValue(3); }), 380);
  EXPECT_EQ(errorOf([&] { box.setValue(-1); }), 380);
  EXPECT_EQ(box.value(), 0);

  box.userClicked();
  EXPECT_EQ(box.value(), 1);
  box.userClicked();
  EXPECT_EQ(box.value(), 0);
  box.setEnabled(false);
  box.userClicked();  // a disabled box takes no clicks
  EXPECT_EQ(box.value(), 0);
  box.setValue(1);  // but code still sets it, with its handler
  EXPECT_THAT(seen, ElementsAre(1, 2, 0, 1, 0, 1));
}

TEST(CheckBox, AHandlerThatSetsItsOwnBoxDoesNotLoop) {
  CheckBox box("operaTabBox");
  int clicks = 0;
  box.onClick = [&] {
    ++clicks;
    box.setValue(box.value());  // as checkActiveTabs does through the tab state
  };
  box.setValue(1);
  EXPECT_EQ(clicks, 1);
}

TEST(ComboBox, ListPositionsFollowTheItemsAndRefuseWhatIsNotThere) {
  ComboBox combo("autoMinuteBox");
  int clicks = 0;
  combo.onClick = [&] { ++clicks; };
  for (const char* m : {"0", "2", "15", "30", "45"}) combo.addItem(m);
  combo.setListIndex(2);
  EXPECT_EQ(combo.text(), "15");
  EXPECT_EQ(errorOf([&] { combo.setListIndex(5); }), 380);
  EXPECT_EQ(combo.listIndex(), 2);
  combo.userSelected(4);
  EXPECT_EQ(combo.text(), "45");
  combo.userSelected(9);  // ignored
  EXPECT_EQ(clicks, 2);
  combo.userEdited("Someone");
  EXPECT_EQ(combo.text(), "Someone");
  combo.clear();
  EXPECT_EQ(combo.listIndex(), -1);
  EXPECT_EQ(combo.text(), "");
}

TEST(Slider, PositionsOutsideTheRangeAreRefusedFromCodeAndHeldFromTheUser) {
  Slider slider("safetyLevelSlider");
  slider.setRange(1, 5);
  int changes = 0;
  slider.onChange = [&] { ++changes; };
  slider.setValue(3);
  EXPECT_EQ(errorOf([&] { slider.setValue(6); }), 380);
  EXPECT_EQ(slider.value(), 3);
  slider.userMoved(9);
  EXPECT_EQ(slider.value(), 5);
  EXPECT_EQ(changes, 2);
}

TEST(Toolbar, ClicksReachTheHandlerOnlyThroughEnabledButtons) {
  Toolbar bar("navigationToolbar");
  bar.addButton("1a", "Clean", 1);
  bar.addButton("2a", "Path", 2);
  std::vector<int> clicked;
  bar.onButtonClick = [&](int i) { clicked.push_back(i); };
  EXPECT_TRUE(bar.click(1));
  EXPECT_FALSE(bar.click(2));
  bar.setButtonEnabled(0, false);
  EXPECT_FALSE(bar.click(0));
  bar.setEnabled(false);
  EXPECT_FALSE(bar.click(1));
  EXPECT_THAT(clicked, ElementsAre(1));
  bar.setImage(1, 10);
  EXPECT_EQ(bar.button(1).image, 10);
}

TEST(TabStrip, DisabledTabsRefuseTheUserButNotTheCode) {
  TabStrip strip("areaTabs");
  for (const char* t : {"Internet Explorer", "Netscape", "Opera"}) strip.addTab(t);
  RecordingView view;
  strip.bind(&view);
  strip.setTabEnabled(2, false);
  EXPECT_FALSE(strip.userSelected(2));
  EXPECT_EQ(strip.tab(), 0);
  // The view is told to show the tab that stays.
  EXPECT_EQ(view.changes.back(), Change::Selection);
  EXPECT_TRUE(strip.userSelected(1));
  strip.setTab(2);
  EXPECT_EQ(strip.tab(), 2);
  EXPECT_EQ(errorOf([&] { strip.setTab(3); }), 380);
}

TEST(FileList, ListsTheOrdinaryFilesOfAFolder) {
  platform::fake::FakeSystem fake;
  fake.files.addFile("C:\\Cookies\\b@site[1].txt", "x");
  fake.files.addFile("C:\\Cookies\\a@site[1].txt", "x");
  fake.files.addFile("C:\\Cookies\\index.dat", "x");
  fake.files.setAttributes("C:\\Cookies\\index.dat", platform::attr::kHidden);
  fake.files.addFolder("C:\\Cookies\\sub");
  FileList list("ieCookieFiles", fake.files);
  list.setPath("C:\\Cookies\\");
  EXPECT_EQ(list.path(), "C:\\Cookies");
  EXPECT_THAT(list.items(), ElementsAre("a@site[1].txt", "b@site[1].txt"));
  list.setPattern("b*.txt");
  EXPECT_THAT(list.items(), ElementsAre("b@site[1].txt"));
  EXPECT_EQ(errorOf([&] { list.setPath("C:\\Nowhere"); }), 76);
  EXPECT_EQ(list.path(), "C:\\Cookies");
}

TEST(Timer, TicksOnlyWhileEnabledWithAnInterval) {
  Timer timer("automaticCleaningTimer");
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  EXPECT_FALSE(timer.tick());
  timer.setEnabled(true);
  EXPECT_FALSE(timer.tick());  // no interval yet
  timer.setInterval(60000);
  EXPECT_TRUE(timer.tick());
  timer.setEnabled(false);
  EXPECT_FALSE(timer.tick());
  EXPECT_EQ(ticks, 1);
}

TEST(Chart, RowsAreNumberedFromOne) {
  Chart chart("recoveredSpaceChart", "Recovered Hard-Drive Space (KB)", 4);
  chart.setRow(4, "07.12.2026 10:00:00", "2048");
  EXPECT_EQ(chart.row(4).value, "2048");
  EXPECT_EQ(chart.row(1).label, "");
  EXPECT_THROW(chart.setRow(5, "", ""), std::out_of_range);
}

TEST(Chart, ShowsValuesInGroupsOfThreeAndTheTimeUnderTheDate) {
  const std::pair<const char*, const char*> values[] = {
      {"0", "0"},
      {"999", "999"},
      {"1000", "1,000"},
      {"98919", "98,919"},
      {"1234567", "1,234,567"},
      {"", ""},
      {"-5", "-5"},
      {"12a", "12a"},
      {"9999999999999999999", "9,999,999,999,999,999,999"},
      {"12345678901234567890", "12345678901234567890"}};
  for (const auto& [stored, shown] : values) EXPECT_EQ(groupedDigits(stored), shown) << stored;
  EXPECT_EQ(stackedLabel("07.12.2026 10:00:00"), "07.12.2026\n10:00:00");
  EXPECT_EQ(stackedLabel("12/7/2026 10:00:00 AM"), "12/7/2026\n10:00:00 AM");
  EXPECT_EQ(stackedLabel(""), "");
}

TEST(ScriptedWindowHost, RunsTheScriptWhileAModalWindowIsUpAndUnloadsOnClose) {
  ScriptedWindowHost host;
  WindowModel main("Tervane 6.6"), notice("Notice!");
  std::vector<std::string> unloaded;
  main.onUnload = [&] { unloaded.push_back("main"); };
  notice.onUnload = [&] { unloaded.push_back("notice"); };
  host.show(main);
  host.whileModal["Notice!"] = [&](WindowModel& w) {
    EXPECT_TRUE(host.isOpen(w));
    EXPECT_EQ(host.openWindows().size(), 2u);
  };
  host.showModal(notice, &main);
  EXPECT_FALSE(host.isOpen(notice));
  host.close(main);
  host.close(main);
  EXPECT_THAT(unloaded, ElementsAre("notice", "main"));
}
