#pragma once
// A drop-down list of texts. Its caption is the text shown in the edit part; choosing an
// entry sets it and runs the click handler.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ComboBox : public Control {
 public:
  using Control::Control;

  std::function<void()> onClick;   // a new entry was chosen
  std::function<void()> onChange;  // the edit text was changed by typing

  const std::vector<std::string>& items() const { return items_; }
  int listCount() const { return static_cast<int>(items_.size()); }
  void addItem(const std::string& item);
  void clear();

  int listIndex() const { return listIndex_; }
  // -1 clears the choice; an index past the list raises run-time error 380.
  void setListIndex(int index);
  const std::string& text() const { return caption(); }
  // Called by the view.
  void userSelected(int index);
  void userEdited(const std::string& text);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace ui
