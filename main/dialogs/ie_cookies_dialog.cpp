#include "main/dialogs/ie_cookies_dialog.h"

#include "common/error_trap.h"
#include "common/run_error.h"
#include "common/settings.h"
#include "common/text_lines.h"
#include "main/clean/application_title.h"
#include "main/dialogs/cookie_text.h"
#include "main/dialogs/keep_list_file.h"

namespace vorn {

IECookiesDialog::IECookiesDialog(platform::Files& files, platform::Clock& clock,
                                 common::SessionLog& log, ui::Prompter& prompter,
                                 ui::WindowHost& windows, std::string programFolder,
                                 std::function<std::string()> cookieFolder,
                                 std::function<void()> listCookiesToSave)
    : ui::WindowModel(kCaption),
      cookieFiles("cookieFiles", files),
      files_(files),
      clock_(clock),
      log_(log),
      prompter_(prompter),
      windows_(windows),
      folder_(std::move(programFolder)),
      cookieFolder_(std::move(cookieFolder)),
      listCookiesToSave_(std::move(listCookiesToSave)) {
  cookieFiles.setPattern("*.txt");
  addToolbar.addButton("", "Add", 4);
  removeToolbar.addButton("", "&Remove", 5);
  cookieFiles.onClick = [this] { showCookie(); };
  cookieFiles.onDoubleClick = [this] {
    common::ErrorTrap trap(log_, "IECookies.File1dbl");
    trap.run([&] { add(); });
  };
  addButton.onClick = [this] { add(); };
  addToolbar.onButtonClick = [this](int) { add(); };
  deleteButton.onClick = [this] { remove(); };
  removeToolbar.onButtonClick = [this](int) { remove(); };
  keptCookiesList.onDoubleClick = [this] { remove(); };
  okButton.onClick = [this] { save(); };
  cancelButton.onClick = [this] { windows_.close(*this); };
}

std::string IECookiesDialog::cookiePath(const std::string& name) {
  const std::string folder = cookieFolder_();
  return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

void IECookiesDialog::open(ui::WindowModel* owner) {
  load();
  windows_.showModal(*this, owner);
}

void IECookiesDialog::load() {
  common::ErrorTrap trap(log_, "IECookies.Form.Load");
  const std::string folder = cookieFolder_();
  if (common::folderExists(files_, folder)) {
    cookieInfoBox.setText("");
    if (!trap.run([&] { cookieFiles.setPath(folder); })) return;
  } else {
    log_.writeLog("Could not find sIECookies in IECookies.Form.Load " + folder, 0, 0, "");
    prompter_.messageBox(kIECookiesMissingMessage, "Info", ui::mb::kOk | ui::mb::kIconInformation);
  }
  keptCookiesList.clear();
  trap.run([&] {
    for (const std::string& entry : readListFile(files_, folder_ + "\\" + kIEKeepList))
      keptCookiesList.addItem(entry);
  });
}

void IECookiesDialog::showCookie() {
  common::ErrorTrap trap(log_, "IECookies.File1");
  cookieInfoBox.setText("");
  const int selected = cookieFiles.listIndex();
  if (selected < 0) return;
  trap.run([&] {
    std::string text;
    common::check(files_.readFile(cookiePath(cookieFiles.items().at(selected)), text));
    cookieInfoBox.setText(ieCookieInformation(text, clock_));
  });
}

void IECookiesDialog::add() {
  const int selected = cookieFiles.listIndex();
  if (selected < 0) return;
  const std::string candidate = cookieFiles.items().at(selected);
  if (!isListedEntry(keptCookiesList.items(), candidate)) keptCookiesList.addItem(candidate);
}

void IECookiesDialog::remove() {
  const int selected = keptCookiesList.listIndex();
  if (selected >= 0) keptCookiesList.removeItem(selected);
}

void IECookiesDialog::save() {
  common::ErrorTrap trap(log_, "IECookies.Command3");
  const ListSave saved = saveListFile(files_, folder_ + "\\" + kIEKeepListTemplate,
                                      folder_ + "\\" + kIEKeepList, keptCookiesList.items());
  // A template that could not be read is told by its code; the list holds the entries.
  if (saved.templateError != platform::err::kSuccess)
    trap.run([&] {
      prompter_.messageBox(std::to_string(saved.templateError), kApplicationTitle, ui::mb::kOk);
    });
  // The old list stays whole and the dialog open: the user is told why.
  if (!keepListSaved(saved, folder_ + "\\" + kIEKeepList, log_, prompter_, "IECookies.Command3"))
    return;
  trap.run([&] {
    if (listCookiesToSave_) listCookiesToSave_();
  });
  windows_.close(*this);
}

}  // namespace vorn
