#pragma once
// A list of text items, each with a tick box, and at most one item highlighted
// (listIndex -1 for none). Setting a tick from code runs onItemCheck when it changes,
// exactly as a user's click does.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class CheckListBox : public Control {
 public:
  using Control::Control;

  // Runs with the item's position when its tick changed, from code or from the user.
  std::function<void(int index)> onItemCheck;
  // Runs when the highlighted item changes.
  std::function<void()> onClick;

  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& items() const { return items_; }

  void addItem(const std::string& text);
  void clear();

  // Out-of-range positions read as unticked and are ignored when set.
  bool checked(int index) const;
  void setChecked(int index, bool checked);

  int listIndex() const { return listIndex_; }
  // -1 clears the highlight; a position outside the list is ignored.
  void setListIndex(int index);

  // Called by the view for the user's actions.
  void userChecked(int index, bool checked);
  void userSelected(int index);

 private:
  bool tick(int index, bool checked);
  bool select(int index);
  std::vector<std::string> items_;
  std::vector<bool> checked_;
  int listIndex_ = -1;
};

}  // namespace ui
