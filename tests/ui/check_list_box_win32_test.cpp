// The tick list binding under Wine: the list view shows the model's items and ticks, and
// a tick or a highlight made in the list view reaches the model through the binding's
// own frame, whatever window it sits in.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <vector>

#include "ui/win32/check_list_box_binding.h"
#include "ui/win32/form.h"

using namespace ui;
using namespace ui::win32;

namespace {

bool ticked(HWND list, int i) {
  return ((SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK) >>
           12) -
          1) == 1;
}

void setState(HWND list, int i, UINT state, UINT mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

TEST(CheckListBoxBinding, ShowsTicksAndForwardsTheUsersTicksAndHighlight) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  Form form;
  ASSERT_TRUE(form.create("Tick list test", 300, 200));
  CheckListBox model("pluginList");
  model.addItem("First");
  model.addItem("Second");
  model.setChecked(1, true);
  std::vector<int> checks;
  model.onItemCheck = [&](int i) { checks.push_back(i); };
  auto& view = form.add<CheckListBoxBinding>(model, Rect{8, 8, 200, 100});
  HWND list = view.listView();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_FALSE(ticked(list, 0));
  EXPECT_TRUE(ticked(list, 1));

  // The model's own change shows, and is not echoed back as a user's tick.
  model.setChecked(0, true);
  EXPECT_TRUE(ticked(list, 0));
  EXPECT_EQ(checks, std::vector<int>{0});

  // The user's tick and highlight.
  setState(list, 1, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
  EXPECT_FALSE(model.checked(1));
  EXPECT_EQ(checks, (std::vector<int>{0, 1}));
  setState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(model.listIndex(), 1);

  model.addItem("Third");
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_TRUE(ticked(list, 0));
  EXPECT_FALSE(ticked(list, 2));
}
