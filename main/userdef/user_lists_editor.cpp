#include "main/userdef/user_lists_editor.h"

#include <algorithm>

#include "common/error_trap.h"
#include "common/full_path.h"
#include "common/run_error.h"
#include "common/save_failure.h"
#include "main/clean/application_title.h"
#include "main/userdef/user_lists.h"

namespace vorn {

namespace {

bool isActive(const std::string& value) {
  return value == "1";
}

std::string rightTrimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string withBackslash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

}  // namespace

UserListsEditor::UserListsEditor(platform::Files& files, common::SessionLog& log,
                                 ui::Prompter& prompter, Session& session,
                                 std::string programFolder, Pages pages,
                                 std::function<std::vector<std::string>()> drives)
    : files_(files),
      log_(log),
      prompter_(prompter),
      session_(session),
      programFolder_(std::move(programFolder)),
      pages_(pages),
      drives_(std::move(drives)) {}

void UserListsEditor::wire(Command& fixUserDefStep) {
  PathsPage& p = pages_.paths;
  fixUserDefStep = [this] { fixUserDef(); };
  p.commands.addUserDefinedList = [this] { add(); };
  p.commands.removeUserDefinedList = [this] { remove(); };
  p.saveUserListButton.onClick = [this] { save(); };
  // The skipped entries are offered for removal when the user turns to the tab or to a
  // list, never while the window loads.
  p.userListBox.onClick = [this] {
    selectList();
    if (pages_.paths.areaTabs.tab() == kUserDef) offerToRemoveSkipped();
  };
  p.areaTabs.onClick = [this] {
    if (pages_.paths.areaTabs.tab() == kUserDef) offerToRemoveSkipped();
  };
  for (int list = 0; list < kUserDefinedLists; ++list) {
    const int pos = MaintenancePage::kUserDefinedPosition[list];
    pages_.maintenance.userDefinedActiveBoxes[pos].onClick = [this, list] {
      activationChanged(list);
    };
    pages_.maintenance.userDefinedNameBoxes[pos].onChange = [this, list] { nameChanged(list); };
  }
  for (int mode = 0; mode < 3; ++mode)
    p.removalModes[mode].onClick = [this, mode] { modeChanged(mode); };
  p.patternBox.onChange = [this] {
    common::ErrorTrap trap(log_, "txtEgendef_Change");
    trap.run([&] { pages_.paths.pickerFiles.setPattern(pages_.paths.patternBox.text()); });
  };
  p.folderList.onClick = [this] {
    const int i = pages_.paths.folderList.listIndex();
    if (!filling_ && i >= 0 && i < static_cast<int>(folderPaths_.size()))
      showFolder(folderPaths_[static_cast<std::size_t>(i)]);
  };
  p.driveBox.onClick = [this] {
    const int i = pages_.paths.driveBox.listIndex();
    if (!filling_ && i >= 0 && i < static_cast<int>(drivePaths_.size()))
      showFolder(drivePaths_[static_cast<std::size_t>(i)]);
  };

  // The picker starts at the program folder's drive.
  filling_ = true;
  drivePaths_ = drives_ ? drives_() : std::vector<std::string>{};
  int start = 0;
  for (std::size_t i = 0; i < drivePaths_.size(); ++i) {
    std::string name = drivePaths_[i].substr(0, 2);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    p.driveBox.addItem(name);
    if (!programFolder_.empty() && std::tolower(static_cast<unsigned char>(programFolder_[0])) ==
                                       static_cast<unsigned char>(name[0]))
      start = static_cast<int>(i);
  }
  if (!drivePaths_.empty()) p.driveBox.setListIndex(start);
  filling_ = false;
  if (!drivePaths_.empty()) showFolder(drivePaths_[static_cast<std::size_t>(start)]);
  modeChanged(kFolder);
}

bool UserListsEditor::anyActive() const {
  return std::any_of(session_.UDvalue.begin(), session_.UDvalue.end(), isActive);
}

void UserListsEditor::fixUserDef() {
  common::ErrorTrap trap(log_, "fixUserDef");
  PathsPage& p = pages_.paths;
  trap.runStep([&] { p.userListBox.clear(); });
  positions_.clear();
  for (int list = 0; list < kUserDefinedLists; ++list) {
    if (!isActive(session_.UDvalue[static_cast<std::size_t>(list)])) continue;
    trap.run([&] { p.userListBox.addItem(session_.UDname[static_cast<std::size_t>(list)]); });
    positions_.push_back(list + 1);
  }
  ++trap.step;
  const bool any = !positions_.empty();
  trap.runStep([&] {
    p.noActiveListLabel.setVisible(!any);
    p.userEntriesList.setVisible(any);
    p.addUserEntryButton.setEnabled(any);
    p.removeUserEntryButton.setEnabled(any);
    p.pickerFiles.setEnabled(any && mode() == kSingleFiles);
    p.patternBox.setEnabled(any && mode() == kSingleFiles);
  });
  if (any) {
    trap.runStep([&] {
      if (p.userListBox.listIndex() == 0)
        selectList();
      else
        p.userListBox.setListIndex(0);
    });
  } else {
    trap.runStep([&] { p.userEntriesList.clear(); });
    entries_.clear();
    current_ = 0;
  }
}

void UserListsEditor::selectList() {
  const int pos = pages_.paths.userListBox.listIndex();
  if (pos < 0 || pos >= static_cast<int>(positions_.size())) return;
  current_ = positions_[static_cast<std::size_t>(pos)];
  fillUserDefList();
}

void UserListsEditor::fillUserDefList() {
  common::ErrorTrap trap(log_, "fillUserDefList");
  entries_.clear();
  trap.runStep([&] { pages_.paths.userEntriesList.clear(); });
  if (current_ == 0) return;
  trap.runStep([&] {
    entries_ = readUserDefinedList(files_, programFolder_ + "\\" + userDefinedListFile(current_));
    showEntries();
  });
}

void UserListsEditor::showEntries() {
  ui::ListBox& shown = pages_.paths.userEntriesList;
  shown.clear();
  for (const std::string& entry : entries_) shown.addItem(shownEntry(entry));
}

void UserListsEditor::offerToRemoveSkipped() {
  if (std::find(offeredLists_.begin(), offeredLists_.end(), current_) != offeredLists_.end())
    return;
  std::vector<std::string> skipped;
  for (const std::string& entry : entries_)
    if (!entry.empty() && !common::isFullPath(entry)) {
      // Cut to a line, so that the message stays on the screen.
      std::string shown = shownEntry(entry);
      if (shown.size() > 80) shown = shown.substr(0, 77) + "...";
      skipped.push_back(shown);
    }
  if (skipped.empty()) return;
  offeredLists_.push_back(current_);
  std::string text = userDefinedListFile(current_) + " holds " + std::to_string(skipped.size()) +
                     (skipped.size() == 1 ? " entry" : " entries") +
                     " that no cleaning will use; only full paths such as C:\\Folder\\*.tmp "
                     "are cleaned:\r\n\r\n";
  for (std::size_t i = 0; i < skipped.size() && i < 10; ++i) text += skipped[i] + "\r\n";
  if (skipped.size() > 10) text += "...\r\n";
  text += "\r\nRemove them from the list?";
  if (prompter_.messageBox(text, kApplicationTitle, ui::mb::kYesNo | ui::mb::kIconWarning) !=
      ui::Answer::Yes)
    return;
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(),
                     [](const std::string& e) { return !e.empty() && !common::isFullPath(e); }),
      entries_.end());
  save();
}

void UserListsEditor::activationChanged(int list) {
  const std::size_t i = static_cast<std::size_t>(list);
  const int pos = MaintenancePage::kUserDefinedPosition[list];
  const bool on = pages_.maintenance.userDefinedActiveBoxes[pos].value() == 1;
  session_.UDvalue[i] = on ? "1" : "0";
  pages_.maintenance.userDefinedNameBoxes[pos].setEnabled(on);
  ui::CheckBox& option = pages_.clean.userDefinedOptions[i];
  option.setEnabled(on);
  option.setCaption(session_.UDname[i]);
  fixUserDef();
}

void UserListsEditor::nameChanged(int list) {
  const std::size_t i = static_cast<std::size_t>(list);
  session_.UDname[i] =
      pages_.maintenance.userDefinedNameBoxes[MaintenancePage::kUserDefinedPosition[list]].text();
  pages_.clean.userDefinedOptions[i].setCaption(session_.UDname[i]);
}

UserListsEditor::Mode UserListsEditor::mode() const {
  for (int m = 0; m < 3; ++m)
    if (pages_.paths.removalModes[m].value() == 1) return static_cast<Mode>(m);
  return kFolder;
}

void UserListsEditor::modeChanged(int chosen) {
  PathsPage& p = pages_.paths;
  if (switchingMode_) return;  // a choice cleared below
  // One choice at a time; choosing the ticked one again keeps it.
  if (p.removalModes[chosen].value() != 1) {
    p.removalModes[chosen].setValue(1);
    return;  // setValue ran this handler again
  }
  switchingMode_ = true;
  for (int m = 0; m < 3; ++m)
    if (m != chosen) p.removalModes[m].setValue(0);
  switchingMode_ = false;
  const bool single = chosen == kSingleFiles && anyActive();
  p.patternBox.setEnabled(single);
  p.pickerFiles.setEnabled(single);
}

void UserListsEditor::showFolder(const std::string& folder) {
  common::ErrorTrap trap(log_, "Dir1_Change");
  PathsPage& p = pages_.paths;
  std::string f = folder;
  while (f.size() > 3 && f.back() == '\\') f.pop_back();
  if (f.size() == 2 && f[1] == ':') f += "\\";
  folder_ = f;
  // Ancestors from the root down, then the sub-folders one step further in.
  std::vector<std::string> names, paths;
  std::string root = f.substr(0, 3);
  names.push_back(root);
  paths.push_back(root);
  std::size_t start = 3;
  int depth = 1;
  while (start < f.size()) {
    std::size_t end = f.find('\\', start);
    if (end == std::string::npos) end = f.size();
    names.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                    f.substr(start, end - start));
    paths.push_back(f.substr(0, end));
    start = end + 1;
    ++depth;
  }
  const int selected = static_cast<int>(paths.size()) - 1;
  std::vector<std::string> children;
  trap.runStep([&] {
    files_.find(withBackslash(f) + "*.*", [&](const platform::FindData& d) {
      if (d.isDirectory() && d.name != "." && d.name != ".." &&
          !(d.attributes & (platform::attr::kHidden | platform::attr::kSystem)))
        children.push_back(d.name);
      return true;
    });
  });
  std::sort(children.begin(), children.end());
  for (const std::string& c : children) {
    names.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + c);
    paths.push_back(withBackslash(f) + c);
  }
  filling_ = true;
  folderPaths_ = paths;
  p.folderList.clear();
  for (const std::string& n : names) p.folderList.addItem(n);
  p.folderList.setListIndex(selected);
  filling_ = false;
  trap.runStep([&] { p.pickerFiles.setPath(f); });
}

void UserListsEditor::add() {
  if (current_ == 0) return;
  PathsPage& p = pages_.paths;
  const Mode m = mode();
  std::string candidate;
  if (m == kFolder) {
    candidate = folderEntry(folder_);
  } else if (m == kAllFiles) {
    candidate = allFilesEntry(folder_);
  } else {
    const int i = p.pickerFiles.listIndex();
    if (i >= 0 && i < p.pickerFiles.listCount())
      candidate = singleFileEntry(folder_, p.pickerFiles.items()[static_cast<std::size_t>(i)]);
  }
  bool adding = !candidate.empty() && !folder_.empty();
  for (const std::string& e : entries_)
    if (rightTrimmed(e) == candidate) adding = false;
  if (adding && m != kSingleFiles && isAskedAboutFolder(folder_)) {
    const std::string text =
        m == kFolder ? "Do you want to remove the folder " + folder_ + " and subfolders "
                     : "Do you want to remove all files in folder " + folder_;
    adding = prompter_.messageBox(text, "Are you sure??",
                                  ui::mb::kYesNo | ui::mb::kIconError | ui::mb::kDefaultButton2) ==
             ui::Answer::Yes;
  }
  if (adding) entries_.push_back(candidate);
  save();
}

void UserListsEditor::remove() {
  const int selected = pages_.paths.userEntriesList.listIndex();
  if (selected >= 0 && selected < static_cast<int>(entries_.size()))
    entries_.erase(entries_.begin() + selected);
  save();
}

void UserListsEditor::save() {
  if (current_ == 0) return;
  common::ErrorTrap trap(log_, "Command16");
  platform::ErrorCode templateError = platform::err::kSuccess;
  const platform::ErrorCode written =
      saveUserDefinedList(files_, programFolder_, current_, entries_, templateError);
  if (templateError != platform::err::kSuccess)
    prompter_.messageBox(std::to_string(templateError), "", ui::mb::kOk);
  if (written == platform::err::kSuccess) {
    showEntries();
    return;
  }
  // The old list is still whole and is what the cleaning uses: say so, and show it again
  // so that the list on screen is the list on disk.
  const std::string path = programFolder_ + "\\" + userDefinedListFile(current_);
  log_.writeLog("Command16", 0, 0, common::saveFailureLogText(path, written));
  prompter_.messageBox(common::saveFailureMessage("The user-defined list", path, written) +
                           "\r\n\r\nThe list keeps its entries as they were.",
                       kApplicationTitle, ui::mb::kOk | ui::mb::kIconError);
  fillUserDefList();
}

}  // namespace vorn
