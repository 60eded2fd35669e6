#pragma once
// A file list as a LISTBOX of the model's file names.
#include "ui/file_list.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class FileListBinding : public ControlBinding {
 public:
  FileListBinding(FileList& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "LISTBOX",
                       WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, place,
                       WS_EX_CLIENTEDGE),
        list_(model) {
    update(Change::Items);
  }

 protected:
  void update(Change what) override {
    if (what == Change::Selection) {
      SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
      return;
    }
    if (what != Change::Items) return;
    SendMessageA(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const auto& name : list_.items())
      SendMessageA(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }

 public:
  void command(int code) override {
    if (code == LBN_SELCHANGE)
      list_.userSelected(static_cast<int>(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0)));
    else if (code == LBN_DBLCLK)
      list_.userDoubleClicked();
  }

 private:
  FileList& list_;
};

}  // namespace ui::win32
