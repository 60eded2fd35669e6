#include "main/plugins/plugin_info_dialog.h"

#include <vector>

#include "common/run_error.h"
#include "platform/tree_removal.h"

namespace vorn {

PluginInfoDialog::PluginInfoDialog(platform::Files& files, ui::Prompter& prompter,
                                   ui::WindowHost& windows)
    : ui::WindowModel(kCaption), files_(files), prompter_(prompter), windows_(windows) {
  deleteButton.onClick = [this] { deletePlugin(); };
  okButton.onClick = [this] { windows_.close(*this); };
}

void PluginInfoDialog::showPlugin(const PluginDetails& d) {
  descriptionLabel.setCaption(d.info);
  nameLabel.setCaption(d.name);
  versionLabel.setCaption(d.version);
  createdLabel.setCaption(d.created);
  authorLabel.setCaption(d.author);
  informationPath_ = d.informationPath;
  definitionPath_ = d.definitionPath;
  deleteButton.setEnabled(true);
}

void PluginInfoDialog::deletePlugin() {
  const ui::Answer answer =
      prompter_.messageBox(kDeletePluginQuestion, kDeletePluginTitle,
                           ui::mb::kYesNo | ui::mb::kIconQuestion | ui::mb::kDefaultButton2);
  if (answer != ui::Answer::Yes) return;

  std::vector<std::string> notDeleted;
  bool anyLeft = false;
  for (const std::string& path : {informationPath_, definitionPath_}) {
    const platform::RemovalReport removed = platform::WalkingTreeRemoval(files_).removeFile(path);
    const platform::ErrorCode e = !removed.complete()    ? removed.firstError
                                  : removed.removed == 0 ? platform::err::kFileNotFound
                                                         : platform::err::kSuccess;
    if (e == platform::err::kSuccess) continue;
    const bool gone = e == platform::err::kFileNotFound || e == platform::err::kPathNotFound;
    anyLeft = anyLeft || !gone;
    notDeleted.push_back(path + " (" + common::errorDescription(common::errorNumberFromWin32(e)) +
                         ")");
  }
  if (!anyLeft) {
    for (ui::Label* l : {&nameLabel, &versionLabel, &createdLabel, &authorLabel, &descriptionLabel})
      l->setCaption("");
    deleteButton.setEnabled(false);
  }
  if (notDeleted.empty()) {
    // The answer is of no use; the buttons are what the message has always offered.
    prompter_.messageBox(kPluginDeleted, kDeletePluginTitle,
                         ui::mb::kYesNo | ui::mb::kIconInformation);
    return;
  }
  std::string text = "These files of the Plugin could not be deleted:\n";
  for (const std::string& line : notDeleted) text += "\n" + line;
  text += anyLeft ? "" : "\n\nPlease restart Tervane";
  prompter_.messageBox(text, kDeletePluginTitle, ui::mb::kOk | ui::mb::kIconWarning);
}

}  // namespace vorn
