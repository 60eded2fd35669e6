#pragma once
// "View Doc History": the files of the recent-documents folder, with "Remove Highlighted"
// deleting the selected one.
#include <functional>
#include <string>

#include "common/session_log.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/file_list.h"
#include "ui/prompter.h"
#include "ui/window_host.h"

namespace vorn {

inline constexpr const char* kDocHistoryPathMissing = "The path could not be found";

class DocHistoryDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "View Doc History";

  // `recentFolder` gives the recent-documents folder (ending in "\") at each opening.
  DocHistoryDialog(platform::Files& files, common::SessionLog& log, ui::Prompter& prompter,
                   ui::WindowHost& windows, std::function<std::string()> recentFolder);

  // Lists the folder and shows the dialog modally over `owner`; a folder that cannot be
  // listed is reported instead.
  void open(ui::WindowModel* owner);
  // Deletes the selected file (a plain delete) and lists the folder again.
  void removeHighlighted();

  ui::FileList docFiles;
  ui::Button removeButton{"removeButton", "&Remove Highlighted"};
  ui::Button doneButton{"doneButton", "&Done"};

 private:
  platform::Files& files_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  ui::WindowHost& windows_;
  std::function<std::string()> recentFolder_;
  std::string folder_;
};

}  // namespace vorn
