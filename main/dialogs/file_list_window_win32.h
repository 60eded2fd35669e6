#pragma once
// The view of "View Cache".
#include "main/dialogs/file_list_window.h"
#include "ui/win32/form.h"

namespace vorn {

class FileListWindowView : public ui::win32::Form {
 public:
  explicit FileListWindowView(FileListWindow& model);
  ~FileListWindowView() override;

 private:
  void showOptionsMenu();
  FileListWindow& model_;
};

}  // namespace vorn
