#include "main/plugins/plugin_manager.h"

#include "common/conversions.h"
#include "common/error_trap.h"
#include "common/run_error.h"
#include "main/clean/plugin_cleaner.h"
#include "platform/wildcard.h"

namespace vorn {
namespace {

// The listing's pattern also matches longer extensions through their short names
// ("x.cp2old"); those are no plugins, and their definition name would be wrong.
bool isInformationFile(const std::string& name) {
  return name.size() > 4 && platform::equalsIgnoreCase(name.substr(name.size() - 4), ".cp2");
}

}  // namespace

PluginManager::PluginManager(platform::System& system, common::Settings& settings,
                             common::SessionLog& log, ui::Prompter& prompter,
                             ui::WindowHost& windows, std::string programFolder,
                             PluginControls controls, PluginInfoDialog& dialog)
    : system_(system),
      settings_(settings),
      log_(log),
      prompter_(prompter),
      windows_(windows),
      folder_(std::move(programFolder)),
      c_(controls),
      dialog_(dialog) {
  c_.pluginList.onItemCheck = [this](int index) { tickChanged(index); };
}

void PluginManager::fixPlugins() {
  common::ErrorTrap trap(log_, "fixPlugins");
  loading_ = true;
  files_.clear();
  c_.pluginList.clear();
  c_.availablePlugins.clear();
  trap.runStep([&] {
    ui::FileList listing("pluginFiles", system_.files);
    listing.setPattern("*.cp2");
    listing.setPath(folder_);
    for (const std::string& name : listing.items())
      if (isInformationFile(name)) files_.push_back(name);
  });
  for (std::size_t n = 0; n < files_.size(); ++n) {
    const std::string p = pluginPath(files_[n]);
    trap.run([&] { c_.pluginList.addItem(settings_.getini("Main", "Name", p)); });
    trap.run([&] { c_.availablePlugins.addItem(settings_.getini("Main", "Name", p)); });
    trap.run([&] {
      c_.pluginList.setChecked(static_cast<int>(n),
                               common::toFlag(settings_.getini("Main", "Active", p)));
    });
  }
  ++trap.step;
  trap.runStep([&] { c_.pluginFolder.setText(folder_ + "\\"); });
  trap.runStep([&] {
    const bool present = common::fileExists(system_.files, pluginPath(kPluginCreator));
    c_.startCreator.setEnabled(present);
    c_.creatorMissing.setCaption(present ? std::string()
                                         : std::string("Not installed: ") + kPluginCreator +
                                               " is not in the program folder.");
    c_.creatorMissing.setVisible(!present);
  });
  loading_ = false;
}

void PluginManager::tickChanged(int index) {
  // The loader's ticks come from the files themselves.
  if (loading_ || index < 0 || index >= static_cast<int>(files_.size())) return;
  settings_.AddToini("Main", "Active", c_.pluginList.checked(index) ? "True" : "False",
                     pluginPath(files_[static_cast<std::size_t>(index)]));
}

std::vector<std::string> PluginManager::tickedInformationFiles() const {
  std::vector<std::string> ticked;
  for (int i = 0; i < c_.pluginList.listCount() && i < static_cast<int>(files_.size()); ++i)
    if (c_.pluginList.checked(i)) ticked.push_back(files_[static_cast<std::size_t>(i)]);
  return ticked;
}

void PluginManager::showPluginInfo() {
  const int n = c_.pluginList.listIndex();
  if (n < 0 || n >= static_cast<int>(files_.size())) return;
  const std::string& f = files_[static_cast<std::size_t>(n)];
  const std::string p = pluginPath(f);
  PluginDetails d;
  d.info = settings_.getini("Main", "Info", p);
  d.name = settings_.getini("Main", "Name", p);
  d.version = settings_.getini("Main", "Version", p);
  d.created = settings_.getini("Main", "Created", p);
  d.author = settings_.getini("Main", "Author", p);
  d.informationPath = p;
  d.definitionPath = pluginPath(definitionFileFor(f));
  dialog_.showPlugin(d);
  windows_.show(dialog_);
}

void PluginManager::startPluginCreator() {
  const std::string program = pluginPath(kPluginCreator);
  std::uint32_t id = 0;
  const platform::ErrorCode e =
      system_.processes.start("\"" + program + "\"", platform::show::kNormal, id);
  if (e == platform::err::kSuccess) return;
  const bool missing = e == platform::err::kFileNotFound || e == platform::err::kPathNotFound;
  prompter_.messageBox(missing
                           ? "The plugin creator " + program + " could not be found."
                           : "The plugin creator " + program + " could not be started (" +
                                 common::errorDescription(common::errorNumberFromWin32(e)) + ").",
                       "Info", ui::mb::kOk | ui::mb::kIconWarning);
}

}  // namespace vorn
