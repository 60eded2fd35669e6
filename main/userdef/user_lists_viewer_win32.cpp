#include "main/userdef/user_lists_viewer_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/list_box_binding.h"

namespace vorn {

using namespace ui::win32;

UserListsViewerView::UserListsViewerView(UserListsViewer& m) {
  if (!create(UserListsViewer::kCaption, 420, 330, WS_POPUP | WS_CAPTION | WS_SYSMENU)) return;
  add<ComboBoxBinding>(m.listBox, {10, 10, 400, 200});
  add<ListBoxBinding>(m.entriesList, {10, 40, 400, 240});
  add<ButtonBinding>(m.doneButton, {324, 292, 86, 26}, true);
}

}  // namespace vorn
