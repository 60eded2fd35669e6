#pragma once
// The Path page's behaviour: finding the cleaner's folders automatically, browsing for
// them, validating and saving them, showing them after start-up, and switching each
// area on or off by whether its folders exist.
#include <functional>
#include <string>

#include "main/app/main_window.h"
#include "main/paths/path_table.h"

namespace vorn {

class PathConfig {
 public:
  // The caption of the View buttons' message box.
  static constexpr const char* kProgramTitle = "Tervane";
  static constexpr const char* kBrowseTitle =
      "If you can't see hidden folders you'll have to mark the \xB4Show hidden files and "
      "folders' in the Explorer";

  explicit PathConfig(MainWindow& window);

  // Fills the window's path load steps, the Path page's detect and save commands and the
  // handlers of the browse buttons and the Netscape user list.
  void wire();

  void fixPath();
  void findPath();
  void detectAllPaths();

  // One area's folders: Auto-Detect fills its boxes; Save checks and stores them and
  // updates what can be cleaned.
  void detectArea(int areaCode);
  void saveArea(int areaCode);

  void fillUserCombo(const std::string& folder);
  std::string setPath(const std::string& inText);
  std::string BrowseForDirectory();

  // A standard folder with a trailing "\", or "-" when the system has none.
  std::string standardFolder(int csidl);

  // A View button's command: `open` runs when what its window shows was found (a
  // folder's role, or a browser's paths as a whole), asked at each press; otherwise the
  // user is told.
  Command viewIfFolderFound(const char* role, Command open);
  Command viewIfAvailable(bool PathValues::*available, Command open);

 private:
  std::string detected(const PathRow& row);
  void saveFolder(const PathRow& row, const PathArea& area);
  void saveNetscapeUser();
  void updateAvailable(int areaCode);
  void browse(const PathRow& row);
  void viewButton(bool condition, const Command& open);
  bool exists(const std::string& path);
  // A box naming a system folder is refused with a message and shows `previous` again.
  bool refusesSystemFolder(ui::TextBox& box, const std::string& previous);
  // Saves one path setting; the first failure of a save is told (the log has each).
  void write(const std::string& key, const std::string& value);
  bool saveFailureTold_ = false;

  MainWindow& w_;
  AppServices& s_;
  PathValues& p_;
};

}  // namespace vorn
