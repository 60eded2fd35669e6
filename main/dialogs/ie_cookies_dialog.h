#pragma once
// "Internet Explorer Cookies": the cookie files of the cookie folder and the list of
// those kept from cleaning (cookies1.lst), with the content of the selected cookie.
#include <functional>
#include <string>

#include "common/session_log.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/file_list.h"
#include "ui/list_box.h"
#include "ui/prompter.h"
#include "ui/text_box.h"
#include "ui/toolbar.h"
#include "ui/window_host.h"

namespace vorn {

inline constexpr const char* kIECookiesMissingMessage =
    "Could not find Internet Explorer Cookies path.\r\n"
    "If you use Internet Explorer check the path under the 'Path' button.\r\n"
    "If you don't use Internet Explorer, you can disable the Internet Explorer tabs under the "
    "'Maintenance' button";

class IECookiesDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Internet Explorer Cookies";

  // `cookieFolder` gives the cookie folder (IE3) held in memory; `listCookiesToSave`
  // reloads the main window's keep list after a save.
  IECookiesDialog(platform::Files& files, platform::Clock& clock, common::SessionLog& log,
                  ui::Prompter& prompter, ui::WindowHost& windows, std::string programFolder,
                  std::function<std::string()> cookieFolder,
                  std::function<void()> listCookiesToSave);

  // Lists the cookie files and the keep list and shows the dialog modally over `owner`.
  void open(ui::WindowModel* owner);
  void load();
  // "Cookie Information": the selected cookie file's records (site, name, value, expiry
  // as a local date), or its lines as they stand where they are no cookie records.
  void showCookie();
  // The selected cookie file joins the keep list unless it is kept already.
  void add();
  // The selected entry of the keep list leaves it.
  void remove();
  // OK: the keep list becomes the template followed by the entries, written beside the
  // old list and put in its place only when complete; the main window reads it again.
  void save();

  ui::FileList cookieFiles;
  ui::ListBox keptCookiesList{"keptCookiesList"};
  ui::TextBox cookieInfoBox{"cookieInfoBox"};
  ui::Button addButton{"addButton", "&Add"};
  ui::Button deleteButton{"deleteButton", "&Delete"};
  ui::Button okButton{"okButton", "OK"};
  ui::Button cancelButton{"cancelButton", "Cancel"};
  ui::Toolbar addToolbar{"addToolbar"};
  ui::Toolbar removeToolbar{"removeToolbar"};

 private:
  std::string cookiePath(const std::string& name);

  platform::Files& files_;
  platform::Clock& clock_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  ui::WindowHost& windows_;
  std::string folder_;
  std::function<std::string()> cookieFolder_;
  std::function<void()> listCookiesToSave_;
};

}  // namespace vorn
