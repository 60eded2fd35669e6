#include "main/dialogs/net_cookies_dialog.h"

#include "common/error_trap.h"
#include "common/run_error.h"
#include "common/text_lines.h"
#include "main/dialogs/cookie_text.h"
#include "main/dialogs/keep_list_file.h"

namespace vorn {
namespace {

constexpr const char* kApplicationTitle = "Tervane";

}  // namespace

std::vector<std::string> cookieRecords(const std::string& text) {
  std::vector<std::string> records;
  for (std::string& line : common::splitLines(text))
    if (!line.empty() && line[0] != '#') records.push_back(std::move(line));
  return records;
}

NetCookiesDialog::NetCookiesDialog(platform::Files& files, platform::Clock& clock,
                                   common::SessionLog& log, ui::Prompter& prompter,
                                   ui::WindowHost& windows, std::string programFolder,
                                   std::function<std::string()> profileFolder)
    : ui::WindowModel(kCaption),
      files_(files),
      log_(log),
      prompter_(prompter),
      windows_(windows),
      folder_(std::move(programFolder)),
      profile_(std::move(profileFolder)) {
  // The lists keep the records as stored, which the keep list is written from.
  allCookiesList.shownAs = keptCookiesList.shownAs = [&clock](const std::string& record) {
    return netscapeCookieRow(record, clock);
  };
  addToolbar.addButton("", "Add", 4);
  removeToolbar.addButton("", "&Remove", 5);
  addButton.onClick = [this] { add(); };
  addToolbar.onButtonClick = [this](int) { add(); };
  allCookiesList.onDoubleClick = [this] { add(); };
  deleteButton.onClick = [this] { remove(); };
  removeToolbar.onButtonClick = [this](int) { remove(); };
  keptCookiesList.onDoubleClick = [this] { remove(); };
  okButton.onClick = [this] { save(); };
  cancelButton.onClick = [this] { windows_.close(*this); };
}

void NetCookiesDialog::open(ui::WindowModel* owner) {
  load();
  windows_.showModal(*this, owner);
}

void NetCookiesDialog::readRecords(const std::string& path, ui::ListBox& list) {
  list.clear();
  common::ErrorTrap trap(log_, "NetCookies.Load");
  trap.run([&] {
    std::string text;
    common::check(files_.readFile(path, text));
    for (const std::string& record : cookieRecords(text)) list.addItem(record);
  });
}

void NetCookiesDialog::load() {
  readRecords(profile_() + "\\cookies.txt", allCookiesList);
  readRecords(folder_ + "\\" + kNetscapeKeepList, keptCookiesList);
}

void NetCookiesDialog::add() {
  const int selected = allCookiesList.listIndex();
  if (selected < 0) return;
  const std::string candidate = allCookiesList.item(selected);
  if (!isListedEntry(keptCookiesList.items(), candidate)) keptCookiesList.addItem(candidate);
}

void NetCookiesDialog::remove() {
  const int selected = keptCookiesList.listIndex();
  if (selected >= 0) keptCookiesList.removeItem(selected);
}

void NetCookiesDialog::save() {
  common::ErrorTrap trap(log_, "NetCookies.command3");
  const ListSave saved = saveListFile(files_, folder_ + "\\" + kNetscapeKeepListTemplate,
                                      folder_ + "\\" + kNetscapeKeepList, keptCookiesList.items());
  // A template that could not be read is told by its code; the list holds the entries.
  if (saved.templateError != platform::err::kSuccess) {
    trap.run([&] {
      prompter_.messageBox(std::to_string(saved.templateError), kApplicationTitle, ui::mb::kOk);
    });
  }
  // The old list stays whole and the dialog open: the user is told why.
  if (!keepListSaved(saved, folder_ + "\\" + kNetscapeKeepList, log_, prompter_,
                     "NetCookies.command3"))
    return;
  windows_.close(*this);
}

}  // namespace vorn
