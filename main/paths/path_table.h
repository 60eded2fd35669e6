#pragma once
// The folders the cleaner keeps in [Path] of mainten.ini, declared once. Each row names a
// path by its role, says where it is stored, how Auto-Detect finds it, which Path page box
// shows it and which flag says it was found. Loading, detecting, saving, browsing and
// availability are one piece of code over these rows (PathConfig, MainWindow::loadPaths).
#include <string>
#include <string_view>
#include <vector>

#include "main/app/paths_page.h"
#include "main/paths/path_values.h"

namespace vorn {

// How Auto-Detect finds a folder.
struct Detection {
  enum Kind {
    None,              // not a folder: the Netscape user, kept by the user box
    StandardFolder,    // the system's folder `csidl`
    BelowKnownFolder,  // `below` under the system's folder `csidl`, found or not
    ProgramFolder,     // the first of the usual program folders holding `below`
    BelowRole,         // `below` under the folder of role `base` (and its user), if there
    BelowWindows,      // `below` under the Windows folder, if there
  };
  Kind kind = None;
  int csidl = 0;
  const char* below = "";
  const char* base = "";
  bool withUser = false;  // the Netscape user sits between `base` and `below`
};

struct PathRow {
  const char* role;
  int area;  // area code
  const char* key;
  std::string PathValues::*value;
  ui::TextBox PathsPage::*box;  // null: held without a box of its own
  Detection detect;
  ui::Button PathsPage::*browse = nullptr;  // its "..." button
  // Told when a save finds the folder missing (null: the box shows "-" silently).
  const char* missingMessage = nullptr;
};

// What tells one area's paths from another's.
struct PathArea {
  int area;
  // The save runs each folder as a step of an error trap with this label ("": no trap).
  const char* saveLabel;
  // A folder found missing is stored as "-"; otherwise its key keeps the old value.
  bool storesMissing;
  // Whether the area can be cleaned; null where a missing folder only greys the boxes
  // that need it (Windows).
  bool PathValues::*available;
};

const std::vector<PathRow>& pathRows();
const std::vector<PathArea>& pathAreas();
const PathRow& pathRow(std::string_view role);
const PathArea& pathArea(int areaCode);

}  // namespace vorn
