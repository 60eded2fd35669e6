#pragma once
// A list of text items with at most one selected (listIndex -1 for none).
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ListBox : public Control {
 public:
  using Control::Control;

  // Runs when the selection changes, from code or from the user.
  std::function<void()> onClick;
  // Runs when the user double-clicks an item (after the click has selected it).
  std::function<void()> onDoubleClick;

  const std::vector<std::string>& items() const { return items_; }
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const { return items_.at(index); }
  // How the view shows an item, where that differs from the item itself (a stored
  // record shown in readable columns); the items stay what the code works with.
  std::function<std::string(const std::string&)> shownAs;
  std::string shownItem(int index) const {
    return shownAs ? shownAs(items_.at(index)) : items_.at(index);
  }

  void addItem(const std::string& item);
  void removeItem(int index);
  void clear();

  int listIndex() const { return listIndex_; }
  // -1 clears the selection; an index outside the list is ignored.
  void setListIndex(int index);
  // Called by the view when the user has selected an item.
  void userSelected(int index);
  // Called by the view when the user has double-clicked the selected item.
  void userDoubleClicked();

 private:
  bool select(int index);
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace ui
