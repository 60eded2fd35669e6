#include "main/paths/path_config.h"

#include <optional>

#include "common/conversions.h"
#include "common/error_trap.h"
#include "common/save_failure.h"
#include "main/paths/protected_folders.h"
#include "main/paths/standard_folder.h"
#include "platform/dir_lookup.h"
#include "platform/shell.h"

namespace vorn {
namespace {

bool shows(const ui::TextBox& box, const char* text) {
  return box.text() == text;
}

}  // namespace

PathConfig::PathConfig(MainWindow& window)
    : w_(window), s_(window.services()), p_(window.services().session.paths) {}

bool PathConfig::exists(const std::string& path) {
  return common::folderExists(s_.system.files, path);
}

bool PathConfig::refusesSystemFolder(ui::TextBox& box, const std::string& previous) {
  if (!exists(box.text()) || !isProtectedFolder(s_.system, box.text())) return false;
  s_.prompter.messageBox(systemFolderMessage(box.text()), "Info",
                         ui::mb::kOk | ui::mb::kIconWarning);
  box.setText(previous.empty() ? kPathMissing : previous);
  return true;
}

void PathConfig::write(const std::string& key, const std::string& value) {
  const platform::ErrorCode code =
      s_.settings.AddAllToini({{"Path", key, value}}, s_.session.mainten());
  if (code == platform::err::kSuccess || saveFailureTold_) return;
  saveFailureTold_ = true;
  s_.prompter.messageBox(common::saveFailureMessage("The folders", s_.session.mainten(), code),
                         "Info", ui::mb::kOk | ui::mb::kIconError);
}

std::string PathConfig::standardFolder(int csidl) {
  return vorn::standardFolder(s_.system.shell, csidl);
}

void PathConfig::wire() {
  MainWindow::LoadSteps& steps = w_.loadSteps();
  steps.findPath = [this] { findPath(); };
  steps.fixPath = [this] { fixPath(); };
  PathsPage::Commands& ops = w_.paths.commands;
  struct AreaOps {
    int area;
    Command &detect, &save;
  };
  for (AreaOps a : {AreaOps{area::kIE, ops.detectIEPaths, ops.saveIEPaths},
                    AreaOps{area::kNetscape, ops.detectNetscapePaths, ops.saveNetscapePaths},
                    AreaOps{area::kOpera, ops.detectOperaPaths, ops.saveOperaPaths},
                    AreaOps{area::kWindows, ops.detectWindowsPaths, ops.saveWindowsPaths}}) {
    a.detect = [this, code = a.area] { detectArea(code); };
    a.save = [this, code = a.area] { saveArea(code); };
  }
  for (ui::Toolbar& t : w_.paths.detectAllToolbars)
    t.onButtonClick = [this](int) { detectAllPaths(); };
  for (const PathRow& row : pathRows())
    if (row.browse) (w_.paths.*row.browse).onClick = [this, &row] { browse(row); };

  // Typing a Users folder lists its users; typing a user name saves the group. Choosing
  // a user from the list does not save.
  w_.paths.netscapeProfileFolderBox.onChange = [this] {
    fillUserCombo(w_.paths.netscapeProfileFolderBox.text());
  };
  w_.paths.netscapeUserBox.onChange = [this] { saveArea(area::kNetscape); };
}

Command PathConfig::viewIfFolderFound(const char* role, Command open) {
  return [this, role, open = std::move(open)] { viewButton(p_.found(role), open); };
}

Command PathConfig::viewIfAvailable(bool PathValues::*available, Command open) {
  return [this, available, open = std::move(open)] { viewButton(p_.*available, open); };
}

void PathConfig::viewButton(bool condition, const Command& open) {
  if (!condition) {
    s_.prompter.messageBox("Path could not be found", kProgramTitle, ui::mb::kOk);
    return;
  }
  runCommand(open);
}

// --- Detection, saving and availability, over the area-paths table ---

std::string PathConfig::detected(const PathRow& row) {
  const Detection& d = row.detect;
  auto ifThere = [&](const std::string& path) { return exists(path) ? path : kPathMissing; };
  switch (d.kind) {
    case Detection::StandardFolder:
      return standardFolder(d.csidl);
    case Detection::BelowKnownFolder: {
      std::string folder;
      if (s_.system.shell.knownFolder(d.csidl, folder) != platform::err::kSuccess)
        return kPathMissing;
      return collapseBackslashes(folder.substr(0, folder.find('\0')) + d.below);
    }
    case Detection::ProgramFolder: {
      const std::string below = d.below;
      for (const std::string& c :
           {p_.programFilesFolder + below, "C:\\Program Files\\" + below, "C:\\Program\\" + below,
            p_.windowsFolder + below, "C:\\" + below})
        if (exists(c)) return c;
      return kPathMissing;
    }
    case Detection::BelowRole: {
      std::string base = (w_.paths.*pathRow(d.base).box).text();
      if (d.withUser) base += w_.paths.netscapeUserBox.text() + "\\";
      return ifThere(base + d.below);
    }
    case Detection::BelowWindows:
      return ifThere(p_.windowsFolder + d.below);
    case Detection::None:
      break;
  }
  return kPathMissing;
}

void PathConfig::detectArea(int areaCode) {
  for (const PathRow& row : pathRows()) {
    if (row.area != areaCode || row.detect.kind == Detection::None) continue;
    const std::string path = detected(row);
    p_.folderFound[row.role] = path != kPathMissing;
    if (!row.box) {
      p_.*row.value = path;
      continue;
    }
    ui::TextBox& box = w_.paths.*row.box;
    box.setText(path);
    // A Users folder lists its users, whose first one the cache is looked for under.
    if (row.value == &PathValues::netscapeUsersFolder && box.text() != kPathMissing &&
        !box.text().empty())
      fillUserCombo(box.text());
  }
}

void PathConfig::saveArea(int areaCode) {
  saveFailureTold_ = false;
  const PathArea& a = pathArea(areaCode);
  std::optional<common::ErrorTrap> trap;
  if (*a.saveLabel) trap.emplace(s_.log, a.saveLabel);
  auto step = [&](const std::function<void()>& body) {
    if (trap)
      trap->runStep(body);
    else
      body();
  };
  for (const PathRow& row : pathRows()) {
    if (row.area != areaCode || row.value == &PathValues::netscapeUserName) continue;
    std::string& value = p_.*row.value;
    if (row.value == &PathValues::netscapeUserIndex) {
      step([&] { saveNetscapeUser(); });
    } else if (!row.box) {
      // Detected with its area, never typed: stored only once it is there.
      if (exists(value))
        write(row.key, value);
      else
        value = kPathMissing;
    } else {
      step([&] { saveFolder(row, a); });
    }
  }
  step([&] { updateAvailable(areaCode); });
}

void PathConfig::saveFolder(const PathRow& row, const PathArea& a) {
  ui::TextBox& box = w_.paths.*row.box;
  std::string& value = p_.*row.value;
  if (refusesSystemFolder(box, value)) return;
  if (exists(box.text())) {
    value = box.text();
    write(row.key, value);
    // The cookie cleaning lists the files of this folder.
    if (row.value == &PathValues::ieCookiesFolder) w_.clean.ieCookieFiles.setPath(value);
    return;
  }
  box.setText(kPathMissing);
  if (row.missingMessage)
    s_.prompter.messageBox(row.missingMessage, "Info", ui::mb::kOk | ui::mb::kIconInformation);
  if (a.storesMissing) write(row.key, kPathMissing);
}

void PathConfig::saveNetscapeUser() {
  ui::ComboBox& users = w_.paths.netscapeUserBox;
  const char* index = pathRow("netscapeUserIndex").key;
  const char* name = pathRow("netscapeUserName").key;
  if (users.text().empty()) {
    write(index, "-1");
    write(name, "Error");
  } else {
    write(index, std::to_string(users.listIndex()));
    write(name, users.text());
    p_.netscapeUserName = users.text();
  }
}

// A browser can be cleaned while every folder its page shows is there; a Windows folder
// found missing greys only the boxes that need it.
void PathConfig::updateAvailable(int areaCode) {
  const PathArea& a = pathArea(areaCode);
  bool all = true, needed = true;
  for (const PathRow& row : pathRows()) {
    if (row.area != areaCode || !row.box) continue;
    const bool shown = !shows(w_.paths.*row.box, kPathMissing);
    all = all && shown;
    if (a.available) continue;
    p_.folderFound[row.role] = shown;
    w_.clean.setFolderFound(row.role, shown);
    for (const OptionRow& option : w_.clean.optionTable.rows())
      if (row.role == std::string_view(option.needs)) needed = needed && shown;
  }
  if (a.available) {
    p_.*a.available = all;
    w_.clean.setAreaAvailable(areaCode, all);
  } else {
    w_.clean.windowsPathsMissingLabel.setVisible(!needed);
  }
}

void PathConfig::fillUserCombo(const std::string& folder) {
  common::ErrorTrap trap(s_.log, "fillUserCombo (" + folder + ")");
  ui::ComboBox& users = w_.paths.netscapeUserBox;
  trap.runStep([&] { users.clear(); });
  // Drive roots are never listed as user folders (the test is case-sensitive).
  if (folder == "C:\\" || folder == "D:\\" || folder == "E:\\") return;
  trap.runStep([&] {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() == '\\') pattern += "*.*";
    std::vector<std::string> names;
    platform::ErrorCode e = s_.system.files.find(pattern, [&](const platform::FindData& d) {
      if (d.name != "." && d.name != ".." &&
          platform::matchesDirMask(d.attributes, platform::dirmask::kDirectory))
        names.push_back(d.name);
      return true;
    });
    if (e != platform::err::kSuccess && e != platform::err::kFileNotFound &&
        e != platform::err::kPathNotFound)
      common::raiseWin32(e);
    for (const std::string& n : names) users.addItem(n);
  });
  trap.runStep([&] {
    if (users.listCount() > 0) users.setListIndex(0);
  });
}

// --- Browsing ---

std::string PathConfig::BrowseForDirectory() {
  std::string chosen;
  common::ErrorTrap trap(s_.log, "BrowseForDirectory");
  trap.run([&] {
    std::string path;
    if (s_.system.shell.browseForFolder(w_.ownerHandle, kBrowseTitle, "", path))
      chosen = path.substr(0, path.find('\0'));
  });
  return chosen;
}

std::string PathConfig::setPath(const std::string& inText) {
  std::string path = BrowseForDirectory();
  if (path.empty() || path.back() != '\\') path += "\\";
  return path == "\\" ? inText : path;
}

void PathConfig::browse(const PathRow& row) {
  ui::TextBox& box = w_.paths.*row.box;
  box.setText(collapseBackslashes(setPath(box.text())));
  saveArea(row.area);
}

// --- Start-up and all at once ---

void PathConfig::fixPath() {
  common::ErrorTrap trap(s_.log, "fixPath");
  for (const PathArea& a : pathAreas()) {
    for (const PathRow& row : pathRows())
      if (row.area == a.area && row.box)
        trap.runStep([&] { (w_.paths.*row.box).setText(p_.*row.value); });
    if (a.area != area::kNetscape) continue;
    trap.runStep([&] { fillUserCombo(p_.netscapeUsersFolder); });
    // The user is restored by position; a bad position leaves the first user chosen.
    trap.runStep([&] {
      if (w_.paths.netscapeUserBox.listIndex() >= 0)
        w_.paths.netscapeUserBox.setListIndex(common::toInteger(p_.netscapeUserIndex));
    });
  }
  for (const PathArea& a : pathAreas()) trap.runStep([&] { updateAvailable(a.area); });
}

void PathConfig::findPath() {
  common::ErrorTrap trap(s_.log, "findPath");
  for (const PathArea& a : pathAreas()) {
    trap.runStep([&] { detectArea(a.area); });
    trap.runStep([&] { saveArea(a.area); });
  }
  trap.runStep([&] { write(pathRow("ieCacheContentFolder").key, p_.ieCacheContentFolder); });
  trap.runStep([&] { write("Detect", "1"); });
}

void PathConfig::detectAllPaths() {
  common::ErrorTrap trap(s_.log, "Toolbar2Button");
  for (const PathArea& a : pathAreas()) trap.runStep([&] { detectArea(a.area); });
  for (const PathArea& a : pathAreas()) trap.runStep([&] { saveArea(a.area); });
}

}  // namespace vorn
