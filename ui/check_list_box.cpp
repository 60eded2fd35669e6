#include "ui/check_list_box.h"

namespace ui {

void CheckListBox::addItem(const std::string& text) {
  items_.push_back(text);
  checked_.push_back(false);
  notify(Change::ItemAdded);
}

void CheckListBox::clear() {
  const bool hadSelection = listIndex_ != -1;
  items_.clear();
  checked_.clear();
  listIndex_ = -1;
  notify(Change::Items);
  if (hadSelection && onClick) onClick();
}

bool CheckListBox::checked(int index) const {
  return index >= 0 && index < listCount() && checked_[static_cast<std::size_t>(index)];
}

bool CheckListBox::tick(int index, bool checked) {
  if (index < 0 || index >= listCount() || checked_[static_cast<std::size_t>(index)] == checked)
    return false;
  checked_[static_cast<std::size_t>(index)] = checked;
  return true;
}

void CheckListBox::setChecked(int index, bool checked) {
  if (!tick(index, checked)) return;
  notify(Change::Value);
  if (onItemCheck) onItemCheck(index);
}

void CheckListBox::userChecked(int index, bool checked) {
  if (tick(index, checked) && onItemCheck) onItemCheck(index);
}

bool CheckListBox::select(int index) {
  if (index < -1 || index >= listCount() || index == listIndex_) return false;
  listIndex_ = index;
  return true;
}

void CheckListBox::setListIndex(int index) {
  if (!select(index)) return;
  notify(Change::Selection);
  if (onClick) onClick();
}

void CheckListBox::userSelected(int index) {
  if (select(index) && onClick) onClick();
}

}  // namespace ui
