#include "main/dialogs/clean_all_confirm_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

// The list of areas, read-only, wrapping long lines rather than scrolling sideways.
class WrappedTextBinding : public ControlBinding {
 public:
  WrappedTextBinding(ui::TextBox& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "EDIT",
                       WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, place,
                       WS_EX_CLIENTEDGE) {}
};

}  // namespace

CleanAllConfirmDialogView::CleanAllConfirmDialogView(CleanAllConfirmDialog& m) {
  if (!create(CleanAllConfirmDialog::kCaption, 440, 330, WS_POPUP | WS_CAPTION | WS_SYSMENU))
    return;
  add<LabelBinding>(m.introLabel, {12, 12, 416, 18});
  add<WrappedTextBinding>(m.areasText, {12, 34, 416, 210});
  add<CheckBoxBinding>(m.doNotAskBox, {12, 254, 416, 20});
  add<ButtonBinding>(m.analyzeFirstButton, {150, 292, 96, 26});
  // Enter cleans, as the button that was pressed to get here asked.
  setInitialFocus(add<ButtonBinding>(m.cleanButton, {252, 292, 86, 26}, true).hwnd());
  setCancelButton(add<ButtonBinding>(m.cancelButton, {342, 292, 86, 26}).hwnd());
}

}  // namespace vorn
