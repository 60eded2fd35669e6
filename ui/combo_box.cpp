#include "ui/combo_box.h"

#include "common/run_error.h"

namespace ui {

void ComboBox::addItem(const std::string& item) {
  items_.push_back(item);
  notify(Change::Items);
}

void ComboBox::clear() {
  items_.clear();
  listIndex_ = -1;
  acceptCaption({});
  notify(Change::Items);
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= listCount()) common::raise(380);
  if (index == listIndex_) return;
  listIndex_ = index;
  acceptCaption(index < 0 ? std::string() : items_[index]);
  notify(Change::Selection);
  if (onClick) {
    auto handler = onClick;
    handler();
  }
}

void ComboBox::userSelected(int index) {
  if (index >= -1 && index < listCount()) setListIndex(index);
}

void ComboBox::userEdited(const std::string& text) {
  if (acceptCaption(text) && onChange) onChange();
}

}  // namespace ui
