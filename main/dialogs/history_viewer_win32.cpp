#include "main/dialogs/history_viewer_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/file_list_binding.h"
#include "ui/win32/list_box_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {
constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

// A larger window shows more of the list; the buttons keep to the foot.
void anchorListAndButtons(Anchors& anchors, HWND list, HWND remove, HWND done) {
  anchors.add(list, Anchors::kGrow);
  anchors.add(remove, Anchors::kDown);
  anchors.add(done, Anchors::kDown | Anchors::kRight);
}

}  // namespace

// The caption is the mode's, set before the window is shown.
HistoryViewerView::HistoryViewerView(HistoryViewer& m) {
  if (!create(m.caption(), 440, 300, kDialogStyle)) return;
  HWND list = add<ListBoxBinding>(m.urlList, {10, 10, 420, 244}).hwnd();
  setInitialFocus(list);
  anchorListAndButtons(anchors, list, add<ButtonBinding>(m.removeButton, {10, 264, 130, 26}).hwnd(),
                       add<ButtonBinding>(m.doneButton, {344, 264, 86, 26}, true).hwnd());
}

DocHistoryDialogView::DocHistoryDialogView(DocHistoryDialog& m) {
  if (!create(DocHistoryDialog::kCaption, 360, 300, kDialogStyle)) return;
  HWND list = add<FileListBinding>(m.docFiles, {10, 10, 340, 244}).hwnd();
  setInitialFocus(list);
  anchorListAndButtons(anchors, list, add<ButtonBinding>(m.removeButton, {10, 264, 130, 26}).hwnd(),
                       add<ButtonBinding>(m.doneButton, {264, 264, 86, 26}, true).hwnd());
}

}  // namespace vorn
