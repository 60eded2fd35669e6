#pragma once
// "Netscape Cookies": the cookie records of the user's cookies.txt and the list of those
// kept from cleaning (cookies2.lst), which the Netscape cleaning makes the new cookie file.
#include <functional>
#include <string>
#include <vector>

#include "common/session_log.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/list_box.h"
#include "ui/prompter.h"
#include "ui/toolbar.h"
#include "ui/window_host.h"

namespace vorn {

// The records of a cookie file or keep list: every line that is not empty and does not
// begin with "#", whatever its line ends and bytes.
std::vector<std::string> cookieRecords(const std::string& text);

class NetCookiesDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Netscape Cookies";

  // `profileFolder` gives the Netscape profile folder of the start-up (no trailing "\");
  // the keep list and its template lie in `programFolder`.
  NetCookiesDialog(platform::Files& files, platform::Clock& clock, common::SessionLog& log,
                   ui::Prompter& prompter, ui::WindowHost& windows, std::string programFolder,
                   std::function<std::string()> profileFolder);

  // Reads both lists and shows the dialog modally over `owner`.
  void open(ui::WindowModel* owner);
  // Fills the two lists from cookies.txt and the keep list; what cannot be read stays
  // empty and is logged.
  void load();
  // The selected record of all cookies joins the keep list unless it is kept already.
  void add();
  // The selected entry of the keep list leaves it.
  void remove();
  // OK: the keep list becomes the template followed by the entries, each ended by CR LF.
  // The new list is written beside the old one and replaces it only when complete.
  void save();

  ui::ListBox allCookiesList{"allCookiesList"};
  ui::ListBox keptCookiesList{"keptCookiesList"};
  ui::Button addButton{"addButton", "&Add"};
  ui::Button deleteButton{"deleteButton", "&Delete"};
  ui::Button okButton{"okButton", "OK"};
  ui::Button cancelButton{"cancelButton", "Cancel"};
  ui::Toolbar addToolbar{"addToolbar"};
  ui::Toolbar removeToolbar{"removeToolbar"};

 private:
  void readRecords(const std::string& path, ui::ListBox& list);

  platform::Files& files_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  ui::WindowHost& windows_;
  std::string folder_;
  std::function<std::string()> profile_;
};

}  // namespace vorn
