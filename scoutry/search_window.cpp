#include "scoutry/search_window.h"

#include <vector>

#include "common/index_folders.h"
#include "common/ini_text.h"
#include "common/run_error.h"
#include "common/settings.h"
#include "platform/dir_lookup.h"
#include "platform/wildcard.h"

namespace scoutry {
namespace {

constexpr std::uint32_t kFolderMask = 55;  // directory, hidden, system, read-only, archive
constexpr std::uint32_t kFileMask = 39;    // hidden, system, read-only, archive
// The window repaints after this many folders; a message pump per folder costs more
// than the folder itself on some systems.
constexpr int kFoldersPerPump = 8;

bool endsWithSys(const std::string& name) {
  return name.size() >= 4 && platform::equalsIgnoreCase(name.substr(name.size() - 4), ".sys");
}

bool nameMatches(const std::string& pattern, const std::string& name) {
  if (!platform::hasWildcard(pattern)) return platform::equalsIgnoreCase(pattern, name);
  if (platform::wildcardMatch(pattern, name)) return true;
  std::string shortName = platform::shortNameOf(name);
  return !shortName.empty() && platform::wildcardMatch(pattern, shortName);
}

}  // namespace

SearchWindow::SearchWindow(platform::System& system, ui::Prompter& prompter, ui::Screen& screen)
    : system_(system), prompter_(prompter), screen_(screen) {
  startButton.onClick = [this] { startSearch(); };
  cancelButton.onClick = [this] { cancelSearch(); };
}

void SearchWindow::loadWindow() {
  introLabel.setCaption(
      "The program will now search for installed browsers and paths for cache, temporary "
      "files, locked files, hidden files etc that should be cleaned.");
  onceLabel.setCaption("Normally you'll only have to do this search once. ");
  durationLabel.setCaption(
      "This may take several minutes. Press the \"Start searching\" button to continue.");
  browsersLabel.setCaption(
      "Tervane supports Internet Explorer, Netscape and Opera. Probably you don't have all of "
      "these browsers installed. In that case you can disable and hide the cleaning tabs for "
      "the browsers you don't have installed in the 'Maintenance' section. ");
  // The busy indicator cycles through 1 to 10; a range of 10 makes that visible.
  progressBar.setRange(0, 10);
  foundCount = 0;
  rootBox.setText("C:");
  fileNameBox.setText("index.dat");
}

std::string SearchWindow::indexFile() const {
  return common::programFolder(system_.process) + "\\index.ini";
}

void SearchWindow::unexpectedError(int number, const std::string& description) {
  prompter_.messageBox("Error: " + std::to_string(number) + " - " + description, "Unexpected Error",
                       ui::mb::kOk);
}

// One statement of the search: an error shows the "Unexpected Error" box and the search
// goes on, except for entries named "*.sys", which are passed over silently.
template <class Statement>
void SearchWindow::statement(const std::string& entryName, Statement&& body) {
  try {
    body();
  } catch (const common::RunError& e) {
    if (!endsWithSys(entryName)) unexpectedError(e.number(), e.description());
  }
}

// Writes one value of index.ini. The first entry of a search starts the file anew and
// later entries are appended, since keys only ever grow: rewriting the whole file per
// entry would make a search that finds many files slow down quadratically. The count is
// written last, through a whole-file replacement, so a list without its count is one
// the remover reads as empty.
void SearchWindow::writeIndex(const std::string& key, const std::string& value) {
  const std::string file = indexFile();
  const std::string line = key + "=" + value + "\r\n";
  if (key != "0") {
    common::check(indexStarted_ ? system_.files.appendFile(file, line)
                                : system_.files.writeFile(file, "[Path]\r\n" + line));
    indexStarted_ = true;
    return;
  }
  std::string text;
  platform::ErrorCode e = system_.files.readFile(file, text);
  if (e != platform::err::kSuccess && e != platform::err::kFileNotFound) common::raiseWin32(e);
  const std::string temporary = file + ".new";
  e = system_.files.writeFile(temporary, common::iniAssign(text, "Path", key, value));
  if (e == platform::err::kSuccess) e = system_.files.renameFile(temporary, file);
  if (e != platform::err::kSuccess) {
    system_.removal.removeFile(temporary);
    common::raiseWin32(e);
  }
}

void SearchWindow::advance(int& step) {
  step = step + 1 > 10 ? 1 : step + 1;
  progressBar.setValue(step);
}

double SearchWindow::FindFiles(std::string& path, const std::string& fileName,
                               std::int32_t& fileCount, std::int32_t& folderCount) {
  return findIn(path, fileName, fileCount, folderCount, std::nullopt);
}

// One folder of the walk. `known` is the folder's identity when its parent's listing
// gave it; otherwise it is asked for.
double SearchWindow::findIn(std::string& path, const std::string& fileName, std::int32_t& fileCount,
                            std::int32_t& folderCount, std::optional<platform::FileId> known) {
  if (path.empty() || path.back() != '\\') path += '\\';
  int step = 0;
  double total = 0;

  // A folder reached a second time (through a junction or link the listing did not
  // mark) would lead round in circles: each one is walked once per search.
  if (!known) {
    platform::FileId id;
    if (system_.identity.identify(path, id) == platform::err::kSuccess) {
      known = id;
      if (!volume_) volume_ = id.volumeSerial;
    }
  }
  if (known && !visited_.insert(*known).second) return 0;
  if (++foldersSincePump_ >= kFoldersPerPump) {
    foldersSincePump_ = 0;
    screen_.doEvents();
  }

  // One listing serves both passes: sub-folders (folder mask) and matching files (file
  // mask), in listing order.
  struct SubFolder {
    std::string name;
    std::uint64_t index;
  };
  std::vector<SubFolder> subFolders;
  std::vector<platform::FindData> matches;
  platform::ErrorCode listed =
      system_.identity.listWithIndexes(path, [&](const platform::FindData& d, std::uint64_t index) {
        if (d.isDirectory()) {
          if (d.name == "." || d.name == ".." ||
              !platform::matchesDirMask(d.attributes, kFolderMask))
            return true;
          ++folderCount;
          advance(step);
          // Junctions and links lead elsewhere, often back up the tree.
          if (!(d.attributes & platform::attr::kReparsePoint))
            subFolders.push_back({d.name, index});
        } else if (platform::matchesDirMask(d.attributes, kFileMask) &&
                   nameMatches(fileName, d.name)) {
          matches.push_back(d);
        }
        return true;
      });
  if (listed != platform::err::kSuccess && listed != platform::err::kFileNotFound &&
      listed != platform::err::kNoMoreFiles) {
    // A folder we may not read (or one too deep for the system) is passed over quietly.
    ++skippedFolders_;
    return 0;
  }

  const int kinds = common::indexFolderKinds(path);
  for (const platform::FindData& d : matches) {
    total += static_cast<double>(d.size);
    ++fileCount;
    advance(step);
    for (int k = 0; k < kinds; ++k) {
      statement(d.name, [&] {
        ++foundCount;
        const std::string full = path + d.name;
        foundList.addItem(full);
        writeIndex(std::to_string(foundCount), full);
      });
    }
  }

  for (const SubFolder& sub : subFolders) {
    advance(step);
    std::string subPath = path + sub.name + "\\";
    // Below a folder the walk stays on its volume: the ways to others are reparse points.
    std::optional<platform::FileId> id;
    if (sub.index != 0 && volume_) id = platform::FileId{*volume_, sub.index};
    total += findIn(subPath, fileName, fileCount, folderCount, id);
  }
  return total;
}

void SearchWindow::startSearch() {
  searching_ = true;
  // "Cancel" counts only before the search; while it runs nothing may close the window.
  startButton.setEnabled(false);
  cancelButton.setEnabled(false);
  statement("", [&] {
    const std::string file = indexFile();
    if (!common::fileExists(system_.files, file)) return;
    const platform::RemovalReport removed = system_.removal.removeFile(file);
    if (!removed.complete()) common::raiseWin32(removed.firstError);
  });
  screen_.setMousePointer(ui::Pointer::Hourglass);
  foundList.clear();
  visited_.clear();
  volume_.reset();
  indexStarted_ = false;
  skippedFolders_ = 0;
  foundCount = 0;
  std::string root = rootBox.text();
  std::int32_t files = 0, folders = 0;
  FindFiles(root, fileNameBox.text(), files, folders);
  statement("", [&] { writeIndex("0", std::to_string(foundCount)); });
  screen_.setMousePointer(ui::Pointer::Default);
  searching_ = false;
  unload();
}

void SearchWindow::cancelSearch() {
  ui::Answer answer = prompter_.messageBox(
      "Are you sure that you want to cancel? If you cancel some information may still be "
      "present on your system after a cleaning",
      "Cancel", ui::mb::kYesNo | ui::mb::kIconError | ui::mb::kDefaultButton2);
  if (answer == ui::Answer::Yes) unload();
}

bool SearchWindow::queryUnload() {
  if (searching_) return false;
  unloaded_ = true;
  return true;
}

void SearchWindow::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (onUnload) onUnload();
}

}  // namespace scoutry
