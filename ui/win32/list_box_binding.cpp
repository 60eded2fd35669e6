#include "ui/win32/list_box_binding.h"

namespace ui::win32 {

ListBoxBinding::ListBoxBinding(ListBox& model, HWND parent, int id, Rect place, DWORD extraStyle)
    : ControlBinding(
          model, parent, id, "LISTBOX",
          WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle,
          place, WS_EX_CLIENTEDGE),
      list_(model) {
  fill();
}

void ListBoxBinding::fill() {
  SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageA(hwnd(), LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < list_.listCount(); ++i)
    SendMessageA(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list_.shownItem(i).c_str()));
  SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
  SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void ListBoxBinding::update(Change what) {
  switch (what) {
    case Change::Items:
      fill();
      break;
    case Change::ItemAdded: {
      const std::string last = list_.shownItem(list_.listCount() - 1);
      SendMessageA(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(last.c_str()));
      // Long paths need the horizontal scroll bar to be reachable.
      HDC dc = GetDC(hwnd());
      HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SIZE size{};
      GetTextExtentPoint32A(dc, last.c_str(), static_cast<int>(last.size()), &size);
      SelectObject(dc, old);
      ReleaseDC(hwnd(), dc);
      WPARAM extent = static_cast<WPARAM>(size.cx + 8);
      if (extent > static_cast<WPARAM>(SendMessageA(hwnd(), LB_GETHORIZONTALEXTENT, 0, 0)))
        SendMessageA(hwnd(), LB_SETHORIZONTALEXTENT, extent, 0);
      break;
    }
    case Change::Selection:
      SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
      break;
    default:
      break;
  }
}

void ListBoxBinding::command(int code) {
  if (code == LBN_SELCHANGE)
    list_.userSelected(static_cast<int>(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0)));
  else if (code == LBN_DBLCLK)
    list_.userDoubleClicked();
}

}  // namespace ui::win32
