// The tick list model: ticks set from code count as clicks, out-of-range positions are
// ignored, the highlight is separate from the ticks.
#include "ui/check_list_box.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CheckListBox, TickChangesRunTheHandlerOnceAndOnlyWhenTheTickChanges) {
  ui::CheckListBox list("List2");
  std::vector<int> checks;
  int clicks = 0;
  list.onItemCheck = [&](int i) { checks.push_back(i); };
  list.onClick = [&] { ++clicks; };
  list.addItem("a");
  list.addItem("b");
  list.setChecked(1, true);
  list.setChecked(1, true);
  list.userChecked(0, false);  // already unticked
  list.userChecked(0, true);
  list.setChecked(5, true);
  list.setChecked(-1, true);
  EXPECT_EQ(checks, (std::vector<int>{1, 0}));
  EXPECT_TRUE(list.checked(0));
  EXPECT_TRUE(list.checked(1));
  EXPECT_FALSE(list.checked(2));
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(clicks, 0);

  list.userSelected(1);
  list.setListIndex(7);
  EXPECT_EQ(list.listIndex(), 1);
  EXPECT_EQ(clicks, 1);
  list.clear();
  EXPECT_EQ(list.listCount(), 0);
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_FALSE(list.checked(0));
  EXPECT_EQ(clicks, 2);
}
