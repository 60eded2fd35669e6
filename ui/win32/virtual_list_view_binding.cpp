#include "ui/win32/virtual_list_view_binding.h"

#include <algorithm>
#include <cstring>

namespace ui::win32 {

VirtualListViewBinding::VirtualListViewBinding(VirtualListView& model, HWND parent, int id,
                                               Rect place)
    : ListViewFrame(model, parent, id, place, "TervaneVirtualListView",
                    WS_CLIPCHILDREN | WS_TABSTOP, LVS_REPORT | LVS_OWNERDATA, LVS_EX_FULLROWSELECT),
      model_(model) {
  fillColumns();
  pushCount();
}

void VirtualListViewBinding::fillColumns() {
  while (columnsShown_ > 0) SendMessageA(listView(), LVM_DELETECOLUMN, --columnsShown_, 0);
  for (const auto& c : model_.columns()) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    // The first column of a list view is always left-aligned.
    column.fmt = c.rightAligned && columnsShown_ > 0 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = c.width;
    column.iSubItem = columnsShown_;
    column.pszText = const_cast<char*>(c.title.c_str());
    SendMessageA(listView(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(columnsShown_),
                 reinterpret_cast<LPARAM>(&column));
    ++columnsShown_;
  }
}

void VirtualListViewBinding::pushCount() {
  // No scrolling back to the top: sorting keeps the user's place in the list.
  SendMessageA(listView(), LVM_SETITEMCOUNT, static_cast<WPARAM>(model_.rowCount()),
               LVSICF_NOSCROLL);
  InvalidateRect(listView(), nullptr, TRUE);
}

void VirtualListViewBinding::notified(const NMHDR& header, LPARAM lParam) {
  switch (header.code) {
    case LVN_GETDISPINFOA: {
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
      if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
      const std::string text = model_.text(item.iItem, item.iSubItem);
      const std::size_t n = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
      std::memcpy(item.pszText, text.data(), n);
      item.pszText[n] = '\0';
      return;
    }
    case LVN_GETDISPINFOW: {
      // Asked in UTF-16 where the list view took the frame for a Unicode window.
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
      if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
      item.pszText[0] = L'\0';
      // A length of 0 would ask for the length needed instead of converting.
      if (item.cchTextMax == 1) return;
      const std::string text = model_.text(item.iItem, item.iSubItem);
      const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                        item.pszText, item.cchTextMax - 1);
      item.pszText[n > 0 ? n : 0] = L'\0';
      return;
    }
    case LVN_COLUMNCLICK:
      model_.userColumnClicked(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
      return;
    default:
      return;
  }
}

void VirtualListViewBinding::update(Change what) {
  switch (what) {
    case Change::Range:
      fillColumns();
      break;
    case Change::Items:
      pushCount();
      break;
    default:
      break;
  }
}

}  // namespace ui::win32
