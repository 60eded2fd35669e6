#pragma once
// A list of the ordinary files of one folder that match a pattern, like the classic
// file list box. Setting the path lists the folder through the file service.
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "ui/control.h"

namespace ui {

class FileList : public Control {
 public:
  FileList(std::string name, platform::Files& files) : Control(std::move(name)), files_(files) {}

  const std::string& path() const { return path_; }
  // Lists the folder; a folder that cannot be listed raises run-time error 76 (Path not
  // found) and leaves the list as it was.
  void setPath(const std::string& path);
  const std::string& pattern() const { return pattern_; }
  void setPattern(const std::string& pattern);
  void refresh();

  const std::vector<std::string>& items() const { return items_; }
  int listCount() const { return static_cast<int>(items_.size()); }

  // The selected file's position, -1 for none; listing again clears the selection.
  int listIndex() const { return listIndex_; }
  // -1 clears the selection; a position outside the list is ignored.
  void setListIndex(int index);
  // Called by the view when the user has selected a file; runs onClick.
  void userSelected(int index);
  // Called by the view when the user has double-clicked the selected file.
  void userDoubleClicked();

  std::function<void()> onClick, onDoubleClick;

 private:
  void list(const std::string& path);
  platform::Files& files_;
  std::string path_, pattern_ = "*.*";
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace ui
