// The model controls on their own: what a change pushes to a bound view, and when
// handlers run for code and for user actions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scripted_screen.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/progress_bar.h"
#include "ui/text_box.h"

using namespace ui;
using ::testing::ElementsAre;

namespace {

struct RecordingView : ControlView {
  void modelChanged(Control& control, Change what) override { changes.push_back(what); }
  std::vector<Change> changes;
};

}  // namespace

TEST(Control, PushesOnlyRealChangesToTheBoundView) {
  Label label("titleLabel", "Search");
  RecordingView view;
  label.bind(&view);
  label.setCaption("Search");  // same text: nothing to show
  label.setCaption("Found");
  label.setEnabled(true);
  label.setEnabled(false);
  label.setVisible(false);
  EXPECT_THAT(view.changes, ElementsAre(Change::Caption, Change::Enabled, Change::Visible));
  EXPECT_EQ(label.caption(), "Found");
  label.bind(nullptr);
  label.setCaption("again");  // unbound: no view to reach
  EXPECT_EQ(view.changes.size(), 3u);
}

TEST(Button, ClickRunsTheHandlerOnlyWhileEnabledAndVisible) {
  Button button("startButton", "Start searching");
  int clicks = 0;
  EXPECT_FALSE(button.click());  // no handler yet
  button.onClick = [&] { ++clicks; };
  EXPECT_TRUE(button.click());
  button.setEnabled(false);
  EXPECT_FALSE(button.click());
  button.setEnabled(true);
  button.setVisible(false);
  EXPECT_FALSE(button.click());
  EXPECT_EQ(clicks, 1);
}

TEST(TextBox, CodeAndUserEditsRunTheChangeHandlerButOnlyCodeIsPushedBack) {
  TextBox box("rootBox");
  RecordingView view;
  box.bind(&view);
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.setText("C:");
  box.setText("C:");
  box.userEdited("D:");
  box.userEdited("D:");
  EXPECT_EQ(box.text(), "D:");
  EXPECT_EQ(changes, 2);
  EXPECT_THAT(view.changes, ElementsAre(Change::Caption));
}

TEST(ListBox, ItemsAndSelectionFollowEditsAndNotifyTheView) {
  ListBox list("foundList");
  RecordingView view;
  list.bind(&view);
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  list.addItem("a");
  list.addItem("b");
  list.addItem("c");
  list.setListIndex(2);
  list.setListIndex(7);  // outside: ignored
  EXPECT_EQ(list.listIndex(), 2);
  list.removeItem(0);  // the selected item moves up with the rest
  EXPECT_EQ(list.listIndex(), 1);
  EXPECT_EQ(list.item(1), "c");
  list.userSelected(0);
  EXPECT_EQ(clicks, 2);
  list.clear();
  EXPECT_EQ(list.listCount(), 0);
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(clicks, 3);  // losing the selection is a selection change
  EXPECT_THAT(view.changes, ElementsAre(Change::ItemAdded, Change::ItemAdded, Change::ItemAdded,
                                        Change::Selection, Change::Items, Change::Items));
}

TEST(ProgressBar, ValueStaysInsideTheRange) {
  ProgressBar bar("progressBar");
  bar.setRange(0, 10);
  bar.setValue(11);
  EXPECT_EQ(bar.value(), 10);
  bar.setValue(-1);
  EXPECT_EQ(bar.value(), 0);
  bar.setValue(7);
  bar.setRange(0, 5);  // shrinking pulls the value in
  EXPECT_EQ(bar.value(), 5);
  bar.setRange(3, 1);
  EXPECT_EQ(bar.max(), 3);
  EXPECT_EQ(bar.value(), 3);
}

TEST(ScriptedScreen, RecordsPointersAndRunsTheScriptedActionOnce) {
  ScriptedScreen screen;
  int ran = 0;
  screen.duringEvents = [&] { ++ran; };
  screen.setMousePointer(Pointer::Hourglass);
  screen.doEvents();
  screen.doEvents();
  screen.setMousePointer(Pointer::Default);
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(screen.pumps, 2);
  EXPECT_THAT(screen.pointers, ElementsAre(Pointer::Hourglass, Pointer::Default));
}
