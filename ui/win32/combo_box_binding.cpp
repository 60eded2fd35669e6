#include "ui/win32/combo_box_binding.h"

namespace ui::win32 {

ComboBoxBinding::ComboBoxBinding(ComboBox& model, HWND parent, int id, Rect place, bool editable)
    : ControlBinding(model, parent, id, "COMBOBOX",
                     WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST), place),
      combo_(model),
      editable_(editable) {
  fill();
}

void ComboBoxBinding::fill() {
  SendMessageA(hwnd(), CB_RESETCONTENT, 0, 0);
  for (const auto& item : combo_.items())
    SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
  if (editable_ && combo_.listIndex() < 0) SetWindowTextA(hwnd(), combo_.caption().c_str());
}

void ComboBoxBinding::update(Change what) {
  if (what == Change::Items || what == Change::Selection) fill();
}

void ComboBoxBinding::command(int code) {
  if (code == CBN_SELCHANGE) {
    combo_.userSelected(static_cast<int>(SendMessageA(hwnd(), CB_GETCURSEL, 0, 0)));
  } else if (code == CBN_EDITCHANGE) {
    combo_.userEdited(windowText());
  }
}

}  // namespace ui::win32
