#include "main/dialogs/file_list_window_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/list_view_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

enum MenuId : UINT {
  kListView = 1,
  kDetailedReport,
  kAscending,
  kDescending,
  kOrderName = 10,  // + the column
};

}  // namespace

FileListWindowView::FileListWindowView(FileListWindow& m) : model_(m) {
  if (!create(
          FileListWindow::kCaption, 600, 420,
          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN))
    return;
  // A larger window shows more of the list; the rest keeps to the foot.
  auto& list = add<ListViewBinding>(m.entries, {10, 10, 580, 290});
  setInitialFocus(list.listView());
  anchors.add(list.hwnd(), Anchors::kGrow);
  anchors.add(add<LabelBinding>(m.noteLabel, {10, 308, 580, 30}).hwnd(),
              Anchors::kDown | Anchors::kWider);
  anchors.add(add<ComboBoxBinding>(m.filterBox, {10, 346, 240, 120}).hwnd(), Anchors::kDown);
  anchors.add(add<ButtonBinding>(m.openSelectedButton, {10, 382, 120, 26}).hwnd(), Anchors::kDown);
  anchors.add(add<ButtonBinding>(m.selectFolderButton, {262, 382, 100, 26}).hwnd(),
              Anchors::kDown | Anchors::kRight);
  anchors.add(add<ButtonBinding>(m.rescanButton, {374, 382, 100, 26}).hwnd(),
              Anchors::kDown | Anchors::kRight);
  anchors.add(add<ButtonBinding>(m.doneButton, {490, 382, 100, 26}, true).hwnd(),
              Anchors::kDown | Anchors::kRight);
  m.showOptionsMenu = [this] { showOptionsMenu(); };
}

FileListWindowView::~FileListWindowView() {
  model_.showOptionsMenu = nullptr;
}

void FileListWindowView::showOptionsMenu() {
  auto tick = [](bool on) {
    return static_cast<UINT>(MF_STRING | (on ? MF_CHECKED : MF_UNCHECKED));
  };
  HMENU order = CreatePopupMenu();
  const char* const columns[] = {"Name", "Size", "Type", "Created Date"};
  for (UINT k = 0; k < 4; ++k)
    AppendMenuA(order, tick(model_.orderTicked() == static_cast<int>(k)), kOrderName + k,
                columns[k]);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, tick(model_.listViewTicked()), kListView, "List View");
  AppendMenuA(menu, tick(model_.reportViewTicked()), kDetailedReport, "Detailed Report");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, tick(model_.ascendingTicked()), kAscending, "Ascending Order");
  AppendMenuA(menu, tick(model_.descendingTicked()), kDescending, "Decending Order");
  AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(order), "Order By");
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(hwnd());
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x, at.y, 0, hwnd(), nullptr));
  PostMessageA(hwnd(), WM_NULL, 0, 0);
  DestroyMenu(menu);  // with its sub-menu
  switch (chosen) {
    case kListView:
      model_.menuView(0);
      break;
    case kDetailedReport:
      model_.menuView(1);
      break;
    case kAscending:
      model_.menuSortAZ();
      break;
    case kDescending:
      model_.menuSortZA();
      break;
    default:
      if (chosen >= kOrderName && chosen < kOrderName + 4)
        model_.menuOrder(static_cast<int>(chosen - kOrderName));
      break;
  }
}

}  // namespace vorn
