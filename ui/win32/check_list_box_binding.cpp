#include "ui/win32/check_list_box_binding.h"

namespace ui::win32 {
namespace {

constexpr const char* kFrameClass = "TervaneCheckList";

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

UINT tickState(bool checked) {
  return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
}

}  // namespace

CheckListBoxBinding::CheckListBoxBinding(CheckListBox& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, frameClass(), WS_CLIPCHILDREN, place), model_(model) {
  SetWindowLongPtrA(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&frameProc));
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER |
                              LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                          0, 0, place.width, place.height, hwnd(), nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = place.width - GetSystemMetrics(SM_CXVSCROLL) - 6;
  SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  fill();
}

LRESULT CALLBACK CheckListBoxBinding::frameProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto* self = reinterpret_cast<CheckListBoxBinding*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == self->list_ && header->code == LVN_ITEMCHANGED)
          self->itemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
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
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < model_.listCount(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>(model_.item(i).c_str());
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  pushing_ = false;
  pushTicks();
  pushSelection();
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void CheckListBoxBinding::pushTicks() {
  pushing_ = true;
  for (int i = 0; i < model_.listCount(); ++i) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = tickState(model_.checked(i));
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  pushing_ = false;
}

void CheckListBoxBinding::pushSelection() {
  pushing_ = true;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (model_.listIndex() >= 0) {
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(model_.listIndex()),
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
