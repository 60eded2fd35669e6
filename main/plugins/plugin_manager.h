#pragma once
// Plugin management: the list of installed plugins with their ticks, the plugin creator
// area, "Plugin Info" and the start of the plugin creator. A plugin is an information
// file "*.cp2" in the program folder and its definition file (same name, last character
// "1"); list position N is the N-th information file by name.
#include <string>
#include <vector>

#include "common/session_log.h"
#include "common/settings.h"
#include "main/plugins/plugin_info_dialog.h"
#include "platform/system.h"
#include "ui/button.h"
#include "ui/check_list_box.h"
#include "ui/file_list.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/prompter.h"
#include "ui/text_box.h"
#include "ui/window_host.h"

namespace vorn {

inline constexpr const char* kPluginCreator = "Tinkra1.exe";

// The controls of the main window that show the plugins.
struct PluginControls {
  ui::CheckListBox& pluginList;   // Clean page, plugin tab: names with their ticks
  ui::ListBox& availablePlugins;  // plugin creator area: names only
  ui::TextBox& pluginFolder;      // plugin creator area: "Path (Tervane)"
  ui::Button& startCreator;       // "Start Plugin Creator", disabled while it is missing
  ui::Label& creatorMissing;      // beside it: why it is disabled
};

class PluginManager {
 public:
  PluginManager(platform::System& system, common::Settings& settings, common::SessionLog& log,
                ui::Prompter& prompter, ui::WindowHost& windows, std::string programFolder,
                PluginControls controls, PluginInfoDialog& dialog);

  // Builds both lists from the information files, ticks the active plugins, shows the
  // plugin folder and disables the creator's start, saying why, when it is missing. Errors are
  // logged under "fixPlugins" and the building goes on; a plugin whose "Active" reads as neither
  // true nor false stays unticked.
  void fixPlugins();
  // The information file names of the ticked plugins, in list order.
  std::vector<std::string> tickedInformationFiles() const;
  // "Plugin Info": the dialog for the highlighted plugin; nothing when none is.
  void showPluginInfo();
  // "Start Plugin Creator": starts it without waiting; a missing program is named in a
  // message.
  void startPluginCreator();

  // The information files, in list order.
  const std::vector<std::string>& informationFiles() const { return files_; }
  std::string pluginPath(const std::string& fileName) const { return folder_ + "\\" + fileName; }

 private:
  void tickChanged(int index);

  platform::System& system_;
  common::Settings& settings_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  ui::WindowHost& windows_;
  std::string folder_;
  PluginControls c_;
  PluginInfoDialog& dialog_;
  std::vector<std::string> files_;
  bool loading_ = false;
};

}  // namespace vorn
