#include "main/paths/path_config.h"

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
  MainWindowOperations& ops = w_.operations();
  ops.findPath = [this] { findPath(); };
  ops.fixPath = [this] { fixPath(); };
  ops.detectIEPaths = [this] { detectIEPaths(); };
  ops.saveIEPaths = [this] { saveIEPaths(); };
  ops.detectNetscapePaths = [this] { detectNetscapePaths(); };
  ops.saveNetscapePaths = [this] { saveNetscapePaths(); };
  ops.detectOperaPaths = [this] { detectOperaPaths(); };
  ops.saveOperaPaths = [this] { saveOperaPaths(); };
  ops.detectWindowsPaths = [this] { detectWindowsPaths(); };
  ops.saveWindowsPaths = [this] { saveWindowsPaths(); };
  for (ui::Toolbar& t : w_.paths.detectAllToolbars)
    t.onButtonClick = [this](int) { detectAllPaths(); };

  w_.paths.browseIEHistoryButton.onClick = [this] {
    browse(w_.paths.ieHistoryFolderBox, &PathConfig::saveIEPaths);
  };
  w_.paths.browseIECacheButton.onClick = [this] {
    browse(w_.paths.ieCacheFolderBox, &PathConfig::saveIEPaths);
  };
  w_.paths.browseIECookiesButton.onClick = [this] {
    browse(w_.paths.ieCookiesFolderBox, &PathConfig::saveIEPaths);
  };
  w_.paths.browseNetscapeProfileButton.onClick = [this] {
    browse(w_.paths.netscapeProfileFolderBox, &PathConfig::saveNetscapePaths);
  };
  w_.paths.browseNetscapeCacheButton.onClick = [this] {
    browse(w_.paths.netscapeCacheFolderBox, &PathConfig::saveNetscapePaths);
  };
  w_.paths.browseOperaUserButton.onClick = [this] {
    browse(w_.paths.operaUserFolderBox, &PathConfig::saveOperaPaths);
  };
  w_.paths.browseOperaCacheButton.onClick = [this] {
    browse(w_.paths.operaCacheFolderBox, &PathConfig::saveOperaPaths);
  };
  w_.paths.browseWindowsDocHistoryButton.onClick = [this] {
    browse(w_.paths.windowsDocHistoryFolderBox, &PathConfig::saveWindowsPaths);
  };
  w_.paths.browseWindowsTempButton.onClick = [this] {
    browse(w_.paths.windowsTempFolderBox, &PathConfig::saveWindowsPaths);
  };
  w_.paths.browseWindowsDownloadedButton.onClick = [this] {
    browse(w_.paths.windowsDownloadedFolderBox, &PathConfig::saveWindowsPaths);
  };

  // Typing a Users folder lists its users; typing a user name saves the group. Choosing
  // a user from the list does not save.
  w_.paths.netscapeProfileFolderBox.onChange = [this] {
    fillUserCombo(w_.paths.netscapeProfileFolderBox.text());
  };
  w_.paths.netscapeUserBox.onChange = [this] { saveNetscapePaths(); };

  ops.viewIECache = [this] { viewButton(p_.ie4Found, openIECache); };
  ops.viewNetscapeCache = [this] { viewButton(p_.netscapeCacheFound, openNetscapeCache); };
  ops.viewOperaCache = [this] { viewButton(p_.operaCacheFound, openOperaCache); };
  ops.viewIECookies = [this] { viewButton(!w_.clean.ieMissingLabel.visible(), openIECookies); };
  ops.viewNetscapeCookies = [this] {
    viewButton(!w_.clean.netscapeMissingLabel.visible(), openNetscapeCookies);
  };
  ops.viewIEUrls = [this] { viewButton(!w_.clean.ieMissingLabel.visible(), openTypedURLs); };
  ops.viewNetscapeUrls = [this] {
    viewButton(!w_.clean.netscapeMissingLabel.visible(), openNetscapeHistory);
  };
}

void PathConfig::viewButton(bool condition, const std::function<void()>& open) {
  if (!condition) {
    s_.prompter.messageBox("Path could not be found", kProgramTitle, ui::mb::kOk);
    return;
  }
  if (open) open();
}

// --- Internet Explorer ---

void PathConfig::detectIEPaths() {
  w_.paths.ieHistoryFolderBox.setText(standardFolder(platform::csidl::kHistory));
  w_.paths.ieCacheFolderBox.setText(standardFolder(platform::csidl::kInternetCache));
  w_.paths.ieCookiesFolderBox.setText(standardFolder(platform::csidl::kCookies));
  std::string cache;
  if (s_.system.shell.knownFolder(platform::csidl::kInternetCache, cache) ==
      platform::err::kSuccess) {
    p_.IE4 = collapseBackslashes(cache.substr(0, cache.find('\0')) + "\\Content.ie5\\");
    p_.ie4Found = true;
  } else {
    p_.IE4 = kPathMissing;
    p_.ie4Found = false;
  }
}

void PathConfig::saveIEPaths() {
  saveFailureTold_ = false;
  struct Box {
    ui::TextBox& box;
    std::string& value;
    const char* key;
  };
  for (Box b : {Box{w_.paths.ieHistoryFolderBox, p_.IE1, "IE1"},
                Box{w_.paths.ieCacheFolderBox, p_.IE2, "IE2"},
                Box{w_.paths.ieCookiesFolderBox, p_.IE3, "IE3"}}) {
    if (refusesSystemFolder(b.box, b.value)) continue;
    if (exists(b.box.text())) {
      b.value = b.box.text();
      write(b.key, b.value);
      // The cookie cleaning lists the files of this folder.
      if (&b.value == &p_.IE3) w_.clean.ieCookieFiles.setPath(p_.IE3);
    } else {
      b.box.setText(kPathMissing);  // the stored key keeps its value
    }
  }
  if (exists(p_.IE4))
    write("IE4", p_.IE4);
  else
    p_.IE4 = kPathMissing;
  updateIEAvailable();
}

void PathConfig::updateIEAvailable() {
  p_.ieAvailable = !shows(w_.paths.ieHistoryFolderBox, kPathMissing) &&
                   !shows(w_.paths.ieCacheFolderBox, kPathMissing) &&
                   !shows(w_.paths.ieCookiesFolderBox, kPathMissing);
  w_.clean.setAreaAvailable(area::kIE, p_.ieAvailable);
}

// --- Netscape ---

void PathConfig::detectNetscapePaths() {
  const std::string candidates[] = {
      p_.programFilesFolder + "Netscape\\Users\\", "C:\\Program Files\\Netscape\\Users\\",
      "C:\\Program\\Netscape\\Users\\", p_.windowsFolder + "Netscape\\Users\\",
      "C:\\Netscape\\Users\\"};
  std::string users = kPathMissing;
  for (const std::string& c : candidates)
    if (exists(c)) {
      users = c;
      break;
    }
  w_.paths.netscapeProfileFolderBox.setText(users);
  const std::string& shown = w_.paths.netscapeProfileFolderBox.text();
  if (shown != kPathMissing && !shown.empty()) fillUserCombo(shown);
  const std::string cache = shown + w_.paths.netscapeUserBox.text() + "\\Cache\\";
  p_.netscapeCacheFound = exists(cache);
  w_.paths.netscapeCacheFolderBox.setText(p_.netscapeCacheFound ? cache : kPathMissing);
}

void PathConfig::saveNetscapePaths() {
  saveFailureTold_ = false;
  common::ErrorTrap trap(s_.log, "Command11Child8");
  auto folder = [&](ui::TextBox& box, std::string& value, const char* key) {
    trap.runStep([&] {
      if (refusesSystemFolder(box, value)) return;
      if (exists(box.text())) {
        value = box.text();
        write(key, value);
      } else {
        box.setText(kPathMissing);
        write(key, kPathMissing);
      }
    });
  };
  folder(w_.paths.netscapeProfileFolderBox, p_.Netscape1A, "Netscape1A");
  trap.runStep([&] {
    ui::ComboBox& users = w_.paths.netscapeUserBox;
    if (users.text().empty()) {
      write("Netscape1B", "-1");
      write("Netscape1C", "Error");
    } else {
      write("Netscape1B", std::to_string(users.listIndex()));
      write("Netscape1C", users.text());
      p_.Netscape1C = users.text();
    }
  });
  folder(w_.paths.netscapeCacheFolderBox, p_.Netscape2, "Netscape2");
  trap.runStep([&] { updateNetscapeAvailable(); });
}

void PathConfig::updateNetscapeAvailable() {
  p_.netscapeAvailable = !shows(w_.paths.netscapeProfileFolderBox, kPathMissing) &&
                         !shows(w_.paths.netscapeCacheFolderBox, kPathMissing);
  w_.clean.setAreaAvailable(area::kNetscape, p_.netscapeAvailable);
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

// --- Opera ---

void PathConfig::detectOperaPaths() {
  const std::string candidates[] = {p_.programFilesFolder + "Opera\\", "C:\\Program Files\\Opera\\",
                                    "C:\\Program\\Opera\\", p_.windowsFolder + "Opera\\",
                                    "C:\\Opera\\"};
  std::string opera = kPathMissing;
  for (const std::string& c : candidates)
    if (exists(c)) {
      opera = c;
      break;
    }
  w_.paths.operaUserFolderBox.setText(opera);
  const std::string cache = w_.paths.operaUserFolderBox.text() + "Cache4\\";
  p_.operaCacheFound = exists(cache);
  w_.paths.operaCacheFolderBox.setText(p_.operaCacheFound ? cache : kPathMissing);
}

void PathConfig::saveOperaPaths() {
  saveFailureTold_ = false;
  struct Box {
    ui::TextBox& box;
    std::string& value;
    const char* key;
  };
  for (Box b : {Box{w_.paths.operaUserFolderBox, p_.Opera1, "Opera1"},
                Box{w_.paths.operaCacheFolderBox, p_.Opera2, "Opera2"}}) {
    if (refusesSystemFolder(b.box, b.value)) continue;
    if (exists(b.box.text())) {
      b.value = b.box.text();
      write(b.key, b.value);
    } else {
      b.box.setText(kPathMissing);
      write(b.key, kPathMissing);
    }
  }
  updateOperaAvailable();
}

void PathConfig::updateOperaAvailable() {
  p_.operaAvailable = !shows(w_.paths.operaUserFolderBox, kPathMissing) &&
                      !shows(w_.paths.operaCacheFolderBox, kPathMissing);
  w_.clean.setAreaAvailable(area::kOpera, p_.operaAvailable);
}

// --- Windows ---

void PathConfig::detectWindowsPaths() {
  w_.paths.windowsDocHistoryFolderBox.setText(standardFolder(platform::csidl::kRecent));
  const std::string temp = p_.windowsFolder + "Temp\\";
  const std::string downloaded = p_.windowsFolder + "Downloaded Program Files\\";
  p_.winTempAvailable = exists(temp);
  p_.winDownloadedAvailable = exists(downloaded);
  w_.paths.windowsTempFolderBox.setText(p_.winTempAvailable ? temp : kPathMissing);
  w_.paths.windowsDownloadedFolderBox.setText(p_.winDownloadedAvailable ? downloaded
                                                                        : kPathMissing);
}

void PathConfig::saveWindowsPaths() {
  saveFailureTold_ = false;
  struct Box {
    ui::TextBox& box;
    std::string& value;
    const char* key;
    const char* missing;
  };
  for (Box b : {Box{w_.paths.windowsDocHistoryFolderBox, p_.Win1, "Win1",
                    "Windows Document History path does not exist"},
                Box{w_.paths.windowsTempFolderBox, p_.Win2, "Win2",
                    "Windows Temporary Files path does not exist"},
                Box{w_.paths.windowsDownloadedFolderBox, p_.Win3, "Win3",
                    "Windows Downloaded path does not exist"}}) {
    if (refusesSystemFolder(b.box, b.value)) continue;
    if (exists(b.box.text())) {
      b.value = b.box.text();
      write(b.key, b.value);
    } else {
      b.box.setText(kPathMissing);
      s_.prompter.messageBox(b.missing, "Info", ui::mb::kOk | ui::mb::kIconInformation);
      write(b.key, kPathMissing);
    }
  }
  updateWindowsAvailable();
}

void PathConfig::updateWindowsAvailable() {
  p_.winTempAvailable = !shows(w_.paths.windowsTempFolderBox, kPathMissing);
  p_.winDownloadedAvailable = !shows(w_.paths.windowsDownloadedFolderBox, kPathMissing);
  w_.clean.setFolderFound("windowsTempFolder", p_.winTempAvailable);
  w_.clean.setFolderFound("downloadedProgramFilesFolder", p_.winDownloadedAvailable);
  w_.clean.windowsPathsMissingLabel.setVisible(!p_.winTempAvailable || !p_.winDownloadedAvailable);
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

void PathConfig::browse(ui::TextBox& box, void (PathConfig::*save)()) {
  box.setText(collapseBackslashes(setPath(box.text())));
  (this->*save)();
}

// --- Start-up and all at once ---

void PathConfig::fixPath() {
  common::ErrorTrap trap(s_.log, "fixPath");
  trap.runStep([&] { w_.paths.ieHistoryFolderBox.setText(p_.IE1); });
  trap.runStep([&] { w_.paths.ieCacheFolderBox.setText(p_.IE2); });
  trap.runStep([&] { w_.paths.ieCookiesFolderBox.setText(p_.IE3); });
  trap.runStep([&] { w_.paths.netscapeProfileFolderBox.setText(p_.Netscape1A); });
  trap.runStep([&] { w_.paths.netscapeCacheFolderBox.setText(p_.Netscape2); });
  trap.runStep([&] { fillUserCombo(p_.Netscape1A); });
  // The user is restored by position; a bad position leaves the first user chosen.
  trap.runStep([&] {
    if (w_.paths.netscapeUserBox.listIndex() >= 0)
      w_.paths.netscapeUserBox.setListIndex(common::toInteger(p_.Netscape1B));
  });
  trap.runStep([&] { w_.paths.operaUserFolderBox.setText(p_.Opera1); });
  trap.runStep([&] { w_.paths.operaCacheFolderBox.setText(p_.Opera2); });
  trap.runStep([&] { w_.paths.windowsDocHistoryFolderBox.setText(p_.Win1); });
  trap.runStep([&] { w_.paths.windowsTempFolderBox.setText(p_.Win2); });
  trap.runStep([&] { w_.paths.windowsDownloadedFolderBox.setText(p_.Win3); });
  trap.runStep([&] { updateNetscapeAvailable(); });
  trap.runStep([&] { updateOperaAvailable(); });
  trap.runStep([&] { updateIEAvailable(); });
  trap.runStep([&] { updateWindowsAvailable(); });
}

void PathConfig::findPath() {
  common::ErrorTrap trap(s_.log, "findPath");
  trap.runStep([&] { detectIEPaths(); });
  trap.runStep([&] { saveIEPaths(); });
  trap.runStep([&] { detectNetscapePaths(); });
  trap.runStep([&] { saveNetscapePaths(); });
  trap.runStep([&] { detectOperaPaths(); });
  trap.runStep([&] { saveOperaPaths(); });
  trap.runStep([&] { detectWindowsPaths(); });
  trap.runStep([&] { saveWindowsPaths(); });
  trap.runStep([&] { write("IE4", p_.IE4); });
  trap.runStep([&] { write("Detect", "1"); });
}

void PathConfig::detectAllPaths() {
  common::ErrorTrap trap(s_.log, "Toolbar2Button");
  trap.runStep([&] { detectIEPaths(); });
  trap.runStep([&] { detectWindowsPaths(); });
  trap.runStep([&] { detectNetscapePaths(); });
  trap.runStep([&] { detectOperaPaths(); });
  trap.runStep([&] { saveIEPaths(); });
  trap.runStep([&] { saveNetscapePaths(); });
  trap.runStep([&] { saveOperaPaths(); });
  trap.runStep([&] { saveWindowsPaths(); });
}

}  // namespace vorn
