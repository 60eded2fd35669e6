#include "ui/list_box.h"

namespace ui {

void ListBox::addItem(const std::string& item) {
  items_.push_back(item);
  notify(Change::ItemAdded);
}

void ListBox::removeItem(int index) {
  if (index < 0 || index >= listCount()) return;
  items_.erase(items_.begin() + index);
  bool selectionMoved = false;
  if (listIndex_ == index) {
    listIndex_ = -1;
    selectionMoved = true;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  notify(Change::Items);
  if (selectionMoved && onClick) onClick();
}

void ListBox::clear() {
  bool hadSelection = listIndex_ != -1;
  items_.clear();
  listIndex_ = -1;
  notify(Change::Items);
  if (hadSelection && onClick) onClick();
}

bool ListBox::select(int index) {
  if (index < -1 || index >= listCount() || index == listIndex_) return false;
  listIndex_ = index;
  return true;
}

void ListBox::setListIndex(int index) {
  if (!select(index)) return;
  notify(Change::Selection);
  if (onClick) onClick();
}

void ListBox::userSelected(int index) {
  if (select(index) && onClick) onClick();
}

void ListBox::userDoubleClicked() {
  if (enabled() && onDoubleClick) onDoubleClick();
}

}  // namespace ui
