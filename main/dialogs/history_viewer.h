#pragma once
// The history viewer ("View URLs"): one of four histories listed entry by entry, with
// "Remove Highlighted" taking the selected entry out of its store. The shown texts and
// their keys are two parallel lists: the key of the selected text is the value name (the
// registry histories) or the whole line of prefs.js (the Netscape history).
#include <functional>
#include <string>
#include <vector>

#include "common/session_log.h"
#include "main/clean/ie_cleaner.h"  // kTypedUrlsKey, which the cleaning deletes whole
#include "main/platform/registry_access.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/list_box.h"
#include "ui/screen.h"
#include "ui/window_host.h"

namespace vorn {

// What marks a line of prefs.js as one of the Netscape address history.
inline constexpr const char* kNetscapeHistoryMarker = "user_pref(\"browser.url_history.URL";

// The address a Netscape history line shows: from its 41st character on, without its
// last three (the closing quote, parenthesis and semicolon). A line shorter than 43
// characters is shown whole.
std::string netscapeHistoryAddress(const std::string& line);

class HistoryViewer : public ui::WindowModel {
 public:
  enum class Mode { TypedUrls = 0, NetscapeUrls = 1, RunHistory = 2, SearchHistory = 3 };

  struct Services {
    platform::Files& files;
    RegistryAccess& registry;
    common::SessionLog& log;
    ui::Screen& screen;
    ui::WindowHost& windows;
  };

  // `netscapeProfile` gives the Netscape profile folder (no trailing "\") at each opening.
  HistoryViewer(Services services, std::function<std::string()> netscapeProfile);

  // Lists the mode's history and shows the viewer modally over `owner`.
  void open(Mode mode, ui::WindowModel* owner);

  Mode mode() const { return mode_; }
  // The key of each shown entry, in the order of urlList.
  const std::vector<std::string>& keys() const { return keys_; }

  // Fills the two lists for the current mode.
  void getURLs();
  void getNetscapeURL(const std::string& path);
  // Rewrites prefs.js at `path` without the lines holding `line`.
  void removeNetscapeURL(const std::string& path, const std::string& line);
  // "Remove Highlighted": the selected entry leaves its store, the lists are rebuilt.
  void removeHighlighted();

  ui::ListBox urlList{"urlList"};
  ui::Button removeButton{"removeButton", "&Remove Highlighted"};
  ui::Button doneButton{"doneButton", "&Done"};

 private:
  std::string prefsPath() const;
  void listRegistry(const std::string& key, const std::function<std::string(int)>& valueName);

  Services s_;
  std::function<std::string()> netscapeProfile_;
  Mode mode_ = Mode::TypedUrls;
  std::vector<std::string> keys_;
};

}  // namespace vorn
