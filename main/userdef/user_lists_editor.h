#pragma once
// The editor of the user-defined lists on the Path page's "User.def" tab (the list
// selector, its entries, the drive/folder/file picker with its three modes, Add, Remove,
// Save) and the lists' names and activation on the Maintenance page, with the Clean
// page's user-defined boxes that follow them.
#include <functional>
#include <string>
#include <vector>

#include "common/session_log.h"
#include "main/app/clean_page.h"
#include "main/app/main_page.h"
#include "main/app/maintenance_page.h"
#include "main/app/paths_page.h"
#include "main/app/session.h"
#include "platform/files.h"
#include "ui/prompter.h"

namespace vorn {

class UserListsEditor {
 public:
  enum Mode { kFolder = 0, kAllFiles = 1, kSingleFiles = 2 };

  struct Pages {
    PathsPage& paths;
    MaintenancePage& maintenance;
    CleanPage& clean;
  };
  // `drives` gives the drive roots the picker offers ("c:\", ...).
  UserListsEditor(platform::Files& files, common::SessionLog& log, ui::Prompter& prompter,
                  Session& session, std::string programFolder, Pages pages,
                  std::function<std::vector<std::string>()> drives);

  // Hooks the controls and the Path page's Add and Remove; `fixUserDefStep` is the main
  // window's load step that shows the lists.
  void wire(Command& fixUserDefStep);

  // Rebuilds the selector from the active lists and shows the first of them.
  void fixUserDef();
  // Shows the entries of the current list.
  void fillUserDefList();
  void add();
  void remove();
  void save();

  // The entries of the list shown, as its file holds them (the list box shows them
  // marked where the cleaning skips them).
  const std::vector<std::string>& entries() const { return entries_; }
  // The list shown (1..4), 0 for none.
  int currentList() const { return current_; }
  // The folder the picker shows.
  const std::string& folder() const { return folder_; }
  // Shows `folder` in the folder list and its files in the file list.
  void showFolder(const std::string& folder);

 private:
  void selectList();
  void activationChanged(int list);
  void nameChanged(int list);
  void modeChanged(int mode);
  Mode mode() const;
  bool anyActive() const;
  void showEntries();
  // Offers once per list to remove the entries that the cleaning skips.
  void offerToRemoveSkipped();

  platform::Files& files_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  Session& session_;
  std::string programFolder_;
  Pages pages_;
  std::function<std::vector<std::string>()> drives_;
  std::vector<int> positions_;  // selector position -> list number
  int current_ = 0;
  std::vector<std::string> entries_;
  std::vector<int> offeredLists_;  // lists whose skipped entries were offered for removal
  std::string folder_;
  std::vector<std::string> folderPaths_;  // folder list position -> folder
  std::vector<std::string> drivePaths_;
  bool filling_ = false;
  bool switchingMode_ = false;
};

}  // namespace vorn
