#include "main/userdef/user_lists_viewer.h"

#include "common/error_trap.h"
#include "main/userdef/user_lists.h"

namespace vorn {

UserListsViewer::UserListsViewer(platform::Files& files, common::SessionLog& log,
                                 ui::WindowHost& windows, const Session& session,
                                 std::string programFolder)
    : ui::WindowModel(kCaption),
      files_(files),
      log_(log),
      windows_(windows),
      session_(session),
      folder_(std::move(programFolder)) {
  doneButton.onClick = [this] { windows_.close(*this); };
  listBox.onClick = [this] { fillUserDefList(); };
}

void UserListsViewer::open(ui::WindowModel* owner) {
  fixUserDef();
  windows_.showModal(*this, owner);
}

void UserListsViewer::fixUserDef() {
  common::ErrorTrap trap(log_, "Form4.fixUserDef");
  positions_.clear();
  trap.runStep([&] { listBox.clear(); });
  for (int list = 0; list < kUserDefinedLists; ++list) {
    if (session_.UDvalue[static_cast<std::size_t>(list)] != "1") continue;
    positions_.push_back(list + 1);
    trap.run([&] { listBox.addItem(session_.UDname[static_cast<std::size_t>(list)]); });
  }
  if (positions_.empty()) {
    trap.run([&] { entriesList.clear(); });
    return;
  }
  trap.run([&] {
    if (listBox.listIndex() == 0)
      fillUserDefList();
    else
      listBox.setListIndex(0);
  });
}

void UserListsViewer::fillUserDefList() {
  common::ErrorTrap trap(log_, "Form4.fillUserDefList");
  trap.runStep([&] { entriesList.clear(); });
  const int pos = listBox.listIndex();
  if (pos < 0 || pos >= static_cast<int>(positions_.size())) return;
  trap.runStep([&] {
    for (const std::string& entry : readUserDefinedList(
             files_,
             folder_ + "\\" + userDefinedListFile(positions_[static_cast<std::size_t>(pos)])))
      entriesList.addItem(shownEntry(entry));
  });
}

}  // namespace vorn
