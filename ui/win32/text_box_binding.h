#pragma once
// A text box as a one-line EDIT control; the user's edits reach the model.
#include "ui/text_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class TextBoxBinding : public ControlBinding {
 public:
  TextBoxBinding(TextBox& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, place,
                       WS_EX_CLIENTEDGE),
        box_(model) {}

  void command(int code) override {
    if (code == EN_CHANGE) box_.userEdited(windowText());
  }

 private:
  TextBox& box_;
};

// A long read-only text (a report) in a scrolling multi-line EDIT control.
class ReportTextBinding : public ControlBinding {
 public:
  // Created empty and given the text once its limit is lifted: an edit control holds
  // about 30,000 characters by default, cuts a longer text and refuses to be created
  // with one, so a long report lost its end or its whole box.
  ReportTextBinding(TextBox& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "EDIT",
                       WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                           ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                       place, WS_EX_CLIENTEDGE, "") {
    SendMessageA(hwnd(), EM_LIMITTEXT, 0, 0);
    SetWindowTextA(hwnd(), model.caption().c_str());
  }
};

}  // namespace ui::win32
