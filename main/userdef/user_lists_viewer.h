#pragma once
// "User Defined Files": a read-only look at the active user-defined lists, opened by
// "Defined Files" on the Clean page's user-defined tab.
#include <string>
#include <vector>

#include "common/session_log.h"
#include "main/app/session.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/list_box.h"
#include "ui/window_host.h"

namespace vorn {

class UserListsViewer : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "User Defined Files";

  UserListsViewer(platform::Files& files, common::SessionLog& log, ui::WindowHost& windows,
                  const Session& session, std::string programFolder);

  // Fills the selector with the active lists, shows the first, and shows the dialog
  // modally over `owner`.
  void open(ui::WindowModel* owner);
  void fixUserDef();
  void fillUserDefList();

  ui::ComboBox listBox{"listBox"};
  ui::ListBox entriesList{"entriesList"};
  ui::Button doneButton{"doneButton", "&Done"};

 private:
  platform::Files& files_;
  common::SessionLog& log_;
  ui::WindowHost& windows_;
  const Session& session_;
  std::string folder_;
  std::vector<int> positions_;  // selector position -> list number
};

}  // namespace vorn
