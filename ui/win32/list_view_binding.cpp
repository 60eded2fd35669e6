#include "ui/win32/list_view_binding.h"

// After windows.h, which it builds on.
#include <shellapi.h>

namespace ui::win32 {
namespace {

constexpr const char* kFrameClass = "TervaneListView";

const char* frameClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;  // replaced per window once the binding exists
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClass;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  (void)registered;
  return kFrameClass;
}

// The system's list of small icons, which the shell's icon positions refer to.
HIMAGELIST systemSmallIcons() {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

ListViewBinding::ListViewBinding(ListView& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, frameClass(), WS_CLIPCHILDREN | WS_TABSTOP, place),
      model_(model) {
  SetWindowLongPtrA(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&frameProc));
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_LIST | LVS_SINGLESEL |
                              LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                          0, 0, place.width, place.height, hwnd(), nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  if (HIMAGELIST icons = systemSmallIcons())
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
  fillColumns();
  pushView();
  fill();
}

LRESULT CALLBACK ListViewBinding::frameProc(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<ListViewBinding*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == self->list_) self->notified(*header, lParam);
        return 0;
      }
      case WM_SETFOCUS:
        SetFocus(self->list_);
        return 0;
      case WM_ENABLE:
        EnableWindow(self->list_, static_cast<BOOL>(wParam));
        return 0;
      case WM_DESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
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
  while (columnsShown_ > 0) SendMessageA(list_, LVM_DELETECOLUMN, --columnsShown_, 0);
  for (const auto& c : model_.columns()) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = columnsShown_ == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;  // sizes line up
    column.cx = c.width;
    column.iSubItem = columnsShown_;
    column.pszText = const_cast<char*>(c.title.c_str());
    SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(columnsShown_),
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
  SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  for (std::size_t c = 1; c < source.texts.size(); ++c) {
    LVITEMA sub{};
    sub.iSubItem = static_cast<int>(c);
    sub.pszText = const_cast<char*>(source.texts[c].c_str());
    SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&sub));
  }
}

void ListViewBinding::fill() {
  pushing_ = true;
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < model_.listCount(); ++i) insert(i);
  pushing_ = false;
  pushSelection();
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void ListViewBinding::pushSelection() {
  pushing_ = true;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (model_.selectedIndex() >= 0) {
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(model_.selectedIndex()),
                 reinterpret_cast<LPARAM>(&item));
    SendMessageA(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(model_.selectedIndex()), FALSE);
  }
  pushing_ = false;
}

void ListViewBinding::pushView() {
  LONG_PTR style = GetWindowLongPtrA(list_, GWL_STYLE) & ~static_cast<LONG_PTR>(LVS_TYPEMASK);
  style |= model_.view() == ListView::View::Report ? LVS_REPORT : LVS_LIST;
  SetWindowLongPtrA(list_, GWL_STYLE, style);
  InvalidateRect(list_, nullptr, TRUE);
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
      UpdateWindow(list_);
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
