#pragma once
// "Plugin Info": one plugin's details, with the button that deletes its two files.
#include <string>

#include "platform/files.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/prompter.h"
#include "ui/window_host.h"

namespace vorn {

inline constexpr const char* kDeletePluginTitle = "Delete Plugin";
inline constexpr const char* kDeletePluginQuestion = "Do you want to delete this plugin?";
inline constexpr const char* kPluginDeleted =
    "The Plugin was succesfully deleted. Please restart Tervane";

// What the dialog shows of one plugin.
struct PluginDetails {
  std::string name, version, created, author, info;
  std::string informationPath, definitionPath;  // full paths of the two files
};

class PluginInfoDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Plugin Info";

  PluginInfoDialog(platform::Files& files, ui::Prompter& prompter, ui::WindowHost& windows);

  // Fills the labels and carries the two paths for the delete button, which is enabled.
  void showPlugin(const PluginDetails& details);
  // "Delete this Plugin": asks (No is the default), then deletes both files. Whatever
  // could not be deleted is named in the message; a file already gone is no reason to
  // keep the other.
  void deletePlugin();

  const std::string& informationPath() const { return informationPath_; }
  const std::string& definitionPath() const { return definitionPath_; }

  ui::Label nameLabel{"nameLabel"}, versionLabel{"versionLabel"}, createdLabel{"createdLabel"},
      authorLabel{"authorLabel"}, descriptionLabel{"descriptionLabel"};
  ui::Button deleteButton{"deleteButton", "&Delete this Plugin"};
  ui::Button okButton{"okButton", "OK"};

 private:
  platform::Files& files_;
  ui::Prompter& prompter_;
  ui::WindowHost& windows_;
  std::string informationPath_, definitionPath_;
};

}  // namespace vorn
