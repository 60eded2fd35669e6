#include "main/dialogs/file_list_window.h"

#include <algorithm>
#include <cctype>

#include "common/error_trap.h"
#include "common/run_error.h"
#include "platform/file_time.h"

namespace vorn {
namespace {

constexpr int kRefreshBatch = 25;

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The type names whose files carry icons of their own: English, and Russian in the
// Windows-1251 code page ("приложение", "ярлык"), lower case.
bool isApplicationType(const std::string& type) {
  return type == "application" ||
         type == "\xEF\xF0\xE8\xEB\xEE\xE6\xE5\xED\xE8\xE5";
}
bool isShortcutType(const std::string& type) {
  return type == "shortcut" || type == "\xFF\xF0\xEB\xFB\xEA";
}

// Lower case for ASCII and the Windows-1251 capitals, so the Russian names match too.
std::string lowerType(const std::string& type) {
  std::string s = lower(type);
  for (char& c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0xC0 && u <= 0xDF) c = static_cast<char>(u + 0x20);
  }
  return s;
}

}  // namespace

std::string sizeText(std::uint64_t bytes, const std::string& separator) {
  // bytes / 1000 + 0.5, rounded half up, in whole numbers: (bytes + 500 + 500) / 1000.
  const std::uint64_t kb = bytes / 1000 + 1;
  std::string digits = std::to_string(kb);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped + "kb";
}

std::string createdText(platform::FileTime time, platform::Locale& locale) {
  // FileTimeToSystemTime takes no time past the sign bit.
  if (time > 0x7FFFFFFFFFFFFFFFull) return {};
  return locale.shortDate(platform::calendarFromFileTime(time));
}

FileListWindow::FileListWindow(Services services, std::function<std::string(Mode)> startFolder,
                               std::string programFolder)
    : ui::WindowModel(kCaption),
      s_(services),
      startFolder_(std::move(startFolder)),
      programFolder_(std::move(programFolder)) {
  entries.addColumn("Name", 206);
  entries.addColumn("Size", 90);
  entries.addColumn("Type", 160);
  entries.addColumn("Created", 96);
  openSelectedButton.onClick = [this] { openSelected(); };
  selectFolderButton.onClick = [this] { selectFolder(); };
  doneButton.onClick = [this] { s_.windows.close(*this); };
  entries.onDoubleClick = [this] { openSelected(); };
  entries.onColumnClick = [this](int column) { columnClicked(column); };
  entries.onRightButtonUp = [this] {
    if (showOptionsMenu) showOptionsMenu();
  };
}

void FileListWindow::open(Mode mode, ui::WindowModel* owner) {
  mode_ = mode;
  load();
  s_.windows.showModal(*this, owner);
}

void FileListWindow::load() {
  s_.screen.setMousePointer(ui::Pointer::Hourglass);
  // Each opening starts as the window was designed: list style, unsorted, by name.
  filterBox.clear();
  filterBox.addItem(kAllFilesFilter);
  filterBox.setListIndex(0);
  rescanButton.setEnabled(true);
  entries.setSorted(false);
  entries.setSortKey(0);
  entries.setSortOrder(ui::ListView::SortOrder::Ascending);
  entries.setView(ui::ListView::View::List);
  listViewTicked_ = true;
  entries.clearItems();
  added_ = 0;
  startFolderPath_ = startFolder_ ? startFolder_(mode_) : std::string();
  selectFolder();
  s_.screen.setMousePointer(ui::Pointer::Default);
}

void FileListWindow::selectFolder() {
  listedFolder_ = startFolderPath_;
  if (!listedFolder_.empty()) vbGetFileList();
}

std::string FileListWindow::filePattern() const {
  const std::string& text = filterBox.text();
  const std::size_t open = text.find('(');
  if (open == std::string::npos) return {};
  const std::size_t close = text.find(')', open + 1);
  if (close == std::string::npos) return {};
  return text.substr(open + 1, close - open - 1);
}

void FileListWindow::vbGetFileList() {
  common::ErrorTrap trap(s_.log, "Form1.vbGetFileList");
  s_.screen.setMousePointer(ui::Pointer::Hourglass);
  s_.screen.doEvents();
  const std::string pattern = filePattern();
  if (!listedFolder_.empty() && !pattern.empty()) {
    std::string folder = listedFolder_;
    if (folder.back() != '\\') folder += '\\';
    trap.runStep([&] {
      entries.clearImages();
      entries.addImage("dummy", -1);
    });
    trap.runStep([&] {
      entries.clearItems();
      added_ = 0;
    });
    s_.screen.doEvents();
    std::string applicationType;
    trap.runStep([&] {
      platform::ShellFileDescription program;
      if (s_.shellInfo.describe(programFolder_ + "\\vesper.exe", program))
        applicationType = program.typeName;
    });
    // A missing folder simply lists nothing.
    s_.files.find(folder + pattern, [&](const platform::FindData& d) {
      if (d.name == "." || d.name == "..") return true;
      trap.run([&] { addEntry(d, applicationType); });
      if (added_ > 0 && added_ % kRefreshBatch == 0) entries.redraw();
      return true;
    });
    entries.redraw();
  }
  rescanButton.setEnabled(false);
  s_.screen.setMousePointer(ui::Pointer::Default);
}

void FileListWindow::addEntry(const platform::FindData& d, const std::string& applicationType) {
  std::string folder = listedFolder_;
  if (folder.back() != '\\') folder += '\\';
  const std::string path = folder + d.name;
  platform::ShellFileDescription info;
  s_.shellInfo.describe(path, info);
  std::string type = info.typeName.empty() ? applicationType : info.typeName;
  const std::string lowered = lowerType(type);
  std::string key;
  if (isApplicationType(lowered))
    key = s_.shellInfo.isWindowsExecutable(path) ? d.name : "DOSExeIcon";
  else if (isShortcutType(lowered))
    key = d.name;
  else
    key = type;
  if (!entries.hasImage(key)) entries.addImage(key, info.smallIcon);
  entries.addItem({{d.name, sizeText(d.size, s_.locale.thousandsSeparator()), type,
                    createdText(d.created, s_.locale)},
                   key});
  ++added_;
}

void FileListWindow::openSelected() {
  const int index = entries.selectedIndex();
  if (added_ == 0 || index < 0 || index >= entries.listCount()) return;
  std::string folder = listedFolder_;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  s_.shellOpen.open(0, folder + entries.text(index, 0));
}

void FileListWindow::columnClicked(int column) {
  if (column == entries.sortKey()) {
    entries.setSortOrder(entries.sortOrder() == ui::ListView::SortOrder::Ascending
                             ? ui::ListView::SortOrder::Descending
                             : ui::ListView::SortOrder::Ascending);
  } else {
    entries.setSortKey(column);
    entries.setSortOrder(ui::ListView::SortOrder::Ascending);
  }
  entries.setSorted(true);
}

void FileListWindow::menuOrder(int column) {
  entries.setSortKey(column);
  entries.setSortOrder(ui::ListView::SortOrder::Ascending);
  entries.setSorted(true);
}

void FileListWindow::menuSortAZ() {
  entries.setSortOrder(ui::ListView::SortOrder::Ascending);
  entries.setSorted(true);
}

void FileListWindow::menuSortZA() {
  entries.setSortOrder(ui::ListView::SortOrder::Descending);
  entries.setSorted(true);
}

void FileListWindow::menuView(int view) {
  entries.setView(view == 0 ? ui::ListView::View::List : ui::ListView::View::Report);
  listViewTicked_ = view == 0;
  entries.setSorted(true);
}

bool FileListWindow::ascendingTicked() const {
  return entries.sortOrder() == ui::ListView::SortOrder::Ascending;
}
bool FileListWindow::descendingTicked() const {
  return entries.sortOrder() == ui::ListView::SortOrder::Descending;
}
int FileListWindow::orderTicked() const {
  return entries.sortKey();
}

}  // namespace vorn
