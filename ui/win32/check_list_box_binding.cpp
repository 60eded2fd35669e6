#include "ui/win32/check_list_box_binding.h"

namespace ui::win32 {
namespace {

UINT tickState(bool checked) {
  return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
}

}  // namespace

CheckListBoxBinding::CheckListBoxBinding(CheckListBox& model, HWND parent, int id, Rect place)
    : ListViewFrame(model, parent, id, place, "TervaneCheckList", WS_CLIPCHILDREN,
                    LVS_REPORT | LVS_NOCOLUMNHEADER, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
      model_(model) {
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = place.width - GetSystemMetrics(SM_CXVSCROLL) - 6;
  SendMessageA(listView(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  fill();
}

void CheckListBoxBinding::notified(const NMHDR& header, LPARAM lParam) {
  if (header.code == LVN_ITEMCHANGED) itemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
}

void CheckListBoxBinding::itemChanged(const NMLISTVIEW& change) {
  if (pushing_ || !(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
  const UINT oldTick = change.uOldState & LVIS_STATEIMAGEMASK;
  const UINT newTick = change.uNewState & LVIS_STATEIMAGEMASK;
  // A state image of 0 is the item before the list view gave it a box: no user's tick.
  if (oldTick != newTick && oldTick != 0 && newTick != 0)
    model_.userChecked(change.iItem, newTick == tickState(true));
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
    model_.userSelected(change.iItem);
}

void CheckListBoxBinding::fill() {
  pushing_ = true;
  beginRefill();
  for (int i = 0; i < model_.listCount(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>(model_.item(i).c_str());
    SendMessageA(listView(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  pushing_ = false;
  pushTicks();
  pushSelection();
  endRefill();
}

void CheckListBoxBinding::pushTicks() {
  pushing_ = true;
  for (int i = 0; i < model_.listCount(); ++i) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = tickState(model_.checked(i));
    SendMessageA(listView(), LVM_SETITEMSTATE, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&item));
  }
  pushing_ = false;
}

void CheckListBoxBinding::update(Change what) {
  switch (what) {
    case Change::Items:
    case Change::ItemAdded:
      fill();
      break;
    case Change::Value:
      pushTicks();
      break;
    case Change::Selection:
      pushSelection();
      break;
    default:
      break;
  }
}

}  // namespace ui::win32
