#include "main/dialogs/history_viewer.h"

#include "common/error_trap.h"
#include "common/file_replace.h"
#include "common/run_error.h"
#include "common/text_lines.h"
#include "main/clean/windows_cleaner.h"

namespace vorn {

std::string netscapeHistoryAddress(const std::string& line) {
  if (line.size() < 43) return line;
  return line.substr(40, line.size() - 43);
}

namespace {

const char* registryKeyOf(HistoryViewer::Mode mode) {
  switch (mode) {
    case HistoryViewer::Mode::TypedUrls:
      return kTypedUrlsKey;
    case HistoryViewer::Mode::RunHistory:
      return kRunMruKey;
    case HistoryViewer::Mode::SearchHistory:
      return kFindMruKey;
    default:
      return "";
  }
}

}  // namespace

HistoryViewer::HistoryViewer(Services services, std::function<std::string()> netscapeProfile)
    : ui::WindowModel("View URLs"), s_(services), netscapeProfile_(std::move(netscapeProfile)) {
  removeButton.onClick = [this] { removeHighlighted(); };
  doneButton.onClick = [this] { s_.windows.close(*this); };
  // "Remove Highlighted" needs a highlighted entry.
  urlList.onClick = [this] { removeButton.setEnabled(urlList.listIndex() >= 0); };
}

void HistoryViewer::open(Mode mode, ui::WindowModel* owner) {
  mode_ = mode;
  // Each opening loads the window afresh with its designed caption.
  setCaption("View URLs");
  urlList.clear();
  keys_.clear();
  getURLs();
  removeButton.setEnabled(urlList.listIndex() >= 0);
  s_.windows.showModal(*this, owner);
}

std::string HistoryViewer::prefsPath() const {
  return (netscapeProfile_ ? netscapeProfile_() : std::string()) + "\\prefs.js";
}

void HistoryViewer::listRegistry(const std::string& key,
                                 const std::function<std::string(int)>& valueName) {
  common::ErrorTrap trap(s_.log, "Form2.getURLs");
  for (int n = 1; n <= 20; ++n) {
    trap.run([&] {
      const std::string name = valueName(n);
      const std::string text =
          s_.registry.queryStringValue(platform::hkey::kCurrentUser, key, name);
      if (text.empty()) return;
      // The Run box ends each command with "\\1", its own marker, which is no part of it.
      const bool marked = mode_ == Mode::RunHistory && text.size() > 2 &&
                          text.compare(text.size() - 2, 2, "\\1") == 0;
      urlList.addItem(marked ? text.substr(0, text.size() - 2) : text);
      keys_.push_back(name);
    });
  }
}

void HistoryViewer::getURLs() {
  switch (mode_) {
    case Mode::TypedUrls:
      listRegistry(kTypedUrlsKey, [](int n) { return "url" + std::to_string(n); });
      break;
    case Mode::NetscapeUrls:
      getNetscapeURL(prefsPath());
      break;
    case Mode::RunHistory:
      setCaption("View Run History");
      listRegistry(kRunMruKey, mruValueName);
      break;
    case Mode::SearchHistory:
      setCaption("View Search History");
      listRegistry(kFindMruKey, mruValueName);
      break;
  }
}

void HistoryViewer::getNetscapeURL(const std::string& path) {
  common::ErrorTrap trap(s_.log, "Form2.getNetscapeURL");
  trap.run([&] {
    std::string text;
    common::check(s_.files.readFile(path, text));
    for (const std::string& line : common::splitLines(text)) {
      if (line.find(kNetscapeHistoryMarker) == std::string::npos) continue;
      keys_.push_back(line);
      urlList.addItem(netscapeHistoryAddress(line));
    }
  });
}

void HistoryViewer::removeNetscapeURL(const std::string& path, const std::string& line) {
  common::ErrorTrap trap(s_.log, "Form2.removeNetscapeURL");
  s_.screen.setMousePointer(ui::Pointer::Hourglass);
  s_.screen.doEvents();
  trap.run([&] {
    std::string text;
    common::check(s_.files.readFile(path, text));
    std::vector<std::string> kept;
    for (const std::string& l : common::splitLines(text))
      if (l.find(line) == std::string::npos) kept.push_back(l);
    // The old file stays whole until the complete new one takes its place in one step.
    common::check(common::replaceFileContents(s_.files, path, common::joinLines(kept)));
  });
  s_.screen.setMousePointer(ui::Pointer::Default);
}

void HistoryViewer::removeHighlighted() {
  const int index = urlList.listIndex();
  if (index < 0 || index >= static_cast<int>(keys_.size())) return;
  common::ErrorTrap trap(s_.log, "Form2.Command2");
  const std::string key = keys_[static_cast<std::size_t>(index)];
  trap.runStep([&] {
    if (mode_ == Mode::NetscapeUrls)
      removeNetscapeURL(prefsPath(), key);
    else
      s_.registry.deleteValue(platform::hkey::kCurrentUser, registryKeyOf(mode_), key);
  });
  trap.runStep([&] {
    urlList.clear();
    keys_.clear();
    getURLs();
  });
  removeButton.setEnabled(urlList.listIndex() >= 0);
}

}  // namespace vorn
