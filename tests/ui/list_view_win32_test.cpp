// The list view binding under Wine: the list view shows the model's columns, items,
// selection and view, and what the user does in it reaches the model through the
// binding's own frame, whatever window it sits in.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/form.h"
#include "ui/win32/list_view_binding.h"

using namespace ui;
using namespace ui::win32;

namespace {

std::string itemText(HWND list, int item, int column) {
  char buffer[64] = {};
  LVITEMA lv{};
  lv.iSubItem = column;
  lv.pszText = buffer;
  lv.cchTextMax = sizeof buffer;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
  return buffer;
}

bool highlighted(HWND list, int item) {
  return SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED) != 0;
}

// A notification as the list view (or another window) sends it to its parent.
void notifyFrame(HWND frame, HWND from, UINT code, int column) {
  NMLISTVIEW n{};
  n.hdr.hwndFrom = from;
  n.hdr.code = code;
  n.iItem = -1;
  n.iSubItem = column;
  SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
}

}  // namespace

TEST(ListViewBinding, ShowsTheModelAndForwardsTheUsersActionsThroughItsFrame) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  Form form;
  ASSERT_TRUE(form.create("List view test", 320, 200));
  ListView model("files");
  model.addColumn("Name", 120);
  model.addColumn("Size", 60);
  model.addItem({{"a.txt", "10"}, ""});
  model.addItem({{"b.txt", "20"}, ""});
  std::vector<int> columnsClicked;
  model.onColumnClick = [&](int column) { columnsClicked.push_back(column); };
  auto& view = form.add<ListViewBinding>(model, Rect{8, 8, 280, 120});
  HWND list = view.listView();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(GetParent(list), view.hwnd());
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(itemText(list, 1, 0), "b.txt");
  EXPECT_EQ(itemText(list, 1, 1), "20");

  // The model's selection shows, one item at a time.
  model.setSelectedIndex(1);
  EXPECT_TRUE(highlighted(list, 1));
  model.setSelectedIndex(0);
  EXPECT_TRUE(highlighted(list, 0));
  EXPECT_FALSE(highlighted(list, 1));

  // The user's highlight, and a header click; a notification from any other window is
  // not the list view's.
  LVITEMA state{};
  state.state = state.stateMask = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(model.selectedIndex(), 1);
  notifyFrame(view.hwnd(), list, LVN_COLUMNCLICK, 1);
  notifyFrame(view.hwnd(), form.hwnd(), LVN_COLUMNCLICK, 0);
  EXPECT_EQ(columnsClicked, std::vector<int>{1});

  model.setView(ListView::View::Report);
  EXPECT_EQ(GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  model.addItem({{"c.txt", "30"}, ""});
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(itemText(list, 2, 1), "30");

  // Disabling the frame disables the list view inside it.
  EnableWindow(view.hwnd(), FALSE);
  EXPECT_FALSE(IsWindowEnabled(list));
}
