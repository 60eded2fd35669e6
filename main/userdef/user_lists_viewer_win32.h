#pragma once
// The view of "User Defined Files".
#include "main/userdef/user_lists_viewer.h"
#include "ui/win32/form.h"

namespace vorn {

class UserListsViewerView : public ui::win32::Form {
 public:
  explicit UserListsViewerView(UserListsViewer& model);
};

}  // namespace vorn
