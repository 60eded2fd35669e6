#include "ui/win32/list_view_binding.h"

// After windows.h, which it builds on.
#include <shellapi.h>

namespace ui::win32 {
namespace {

// The system's list of small icons, which the shell's icon positions refer to.
HIMAGELIST systemSmallIcons() {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

ListViewBinding::ListViewBinding(ListView& model, HWND parent, int id, Rect place)
    : ListViewFrame(model, parent, id, place, "TervaneListView", WS_CLIPCHILDREN | WS_TABSTOP,
                    LVS_LIST | LVS_SHAREIMAGELISTS, LVS_EX_FULLROWSELECT),
      model_(model) {
  if (HIMAGELIST icons = systemSmallIcons())
    SendMessageA(listView(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
  fillColumns();
  pushView();
  fill();
}

void ListViewBinding::notified(const NMHDR& header, LPARAM lParam) {
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
      if (pushing_ || !(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
      if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
        model_.userSelected(change.iItem);
      else if (!(change.uNewState & LVIS_SELECTED) && (change.uOldState & LVIS_SELECTED) &&
               model_.selectedIndex() == change.iItem)
        model_.userSelected(-1);
      return;
    }
    case LVN_COLUMNCLICK:
      model_.userColumnClicked(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
      return;
    case NM_DBLCLK:
      model_.userDoubleClicked();
      return;
    case NM_RCLICK:
      model_.userRightButtonUp();
      return;
    default:
      return;
  }
}

void ListViewBinding::fillColumns() {
  while (columnsShown_ > 0) SendMessageA(listView(), LVM_DELETECOLUMN, --columnsShown_, 0);
  for (const auto& c : model_.columns()) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = columnsShown_ == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;  // sizes line up
    column.cx = c.width;
    column.iSubItem = columnsShown_;
    column.pszText = const_cast<char*>(c.title.c_str());
    SendMessageA(listView(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(columnsShown_),
                 reinterpret_cast<LPARAM>(&column));
    ++columnsShown_;
  }
}

void ListViewBinding::insert(int index) {
  const ListView::Item& source = model_.items()[static_cast<std::size_t>(index)];
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = const_cast<char*>(source.texts.empty() ? "" : source.texts[0].c_str());
  const int image = model_.imageOf(source.iconKey);
  item.iImage = image >= 0 ? image : I_IMAGENONE;
  SendMessageA(listView(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  for (std::size_t c = 1; c < source.texts.size(); ++c) {
    LVITEMA sub{};
    sub.iSubItem = static_cast<int>(c);
    sub.pszText = const_cast<char*>(source.texts[c].c_str());
    SendMessageA(listView(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&sub));
  }
}

void ListViewBinding::fill() {
  pushing_ = true;
  beginRefill();
  for (int i = 0; i < model_.listCount(); ++i) insert(i);
  pushing_ = false;
  pushSelection();
  endRefill();
}

void ListViewBinding::pushView() {
  LONG_PTR style = GetWindowLongPtrA(listView(), GWL_STYLE) & ~static_cast<LONG_PTR>(LVS_TYPEMASK);
  style |= model_.view() == ListView::View::Report ? LVS_REPORT : LVS_LIST;
  SetWindowLongPtrA(listView(), GWL_STYLE, style);
  InvalidateRect(listView(), nullptr, TRUE);
}

void ListViewBinding::update(Change what) {
  switch (what) {
    case Change::Items:
      if (columnsShown_ != static_cast<int>(model_.columns().size())) fillColumns();
      fill();
      break;
    case Change::ItemAdded:
      pushing_ = true;
      insert(model_.lastAdded());
      pushing_ = false;
      break;
    case Change::Value:
      UpdateWindow(listView());
      break;
    case Change::Selection:
      pushSelection();
      break;
    case Change::Range:
      pushView();
      break;
    default:
      break;
  }
}

}  // namespace ui::win32
