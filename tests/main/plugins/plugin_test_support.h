#pragma once
// A plugin cleaning session over the fake platform: the cleaner and the plugin manager
// over the clean fixture, with helpers that install plugins into the program folder.
#include <string>
#include <vector>

#include "main/clean/plugin_cleaner.h"
#include "main/plugins/plugin_manager.h"
#include "tests/main/clean/clean_fixture.h"
#include "ui/scripted_window_host.h"

namespace plugin_test {

// The cleaner's file removal, recording each pattern it is given.
inline platform::ErrorCode removeFilesOnly(platform::Files& files, const std::string& pattern,
                                           std::vector<std::string>& patterns) {
  patterns.push_back(pattern);
  return vorn::removeMatchingFiles(files, pattern);
}

class PluginSession : public clean_test::CleanSession {
 protected:
  static constexpr platform::HKey kHKCU = platform::hkey::kCurrentUser;
  static constexpr platform::HKey kHKCR = platform::hkey::kClassesRoot;
  static constexpr platform::HKey kHKLM = platform::hkey::kLocalMachine;

  std::string path(const std::string& name) { return folder() + "\\" + name; }

  // Installs a plugin: its information file (Main keys as given) and definition file.
  void install(const std::string& infoName, const std::string& name, const std::string& active,
               const std::string& definition) {
    std::string info = "[Main]\r\nName=" + name + "\r\nActive=" + active + "\r\n";
    fake.files.addFile(path(infoName), info);
    fake.files.addFile(path(vorn::definitionFileFor(infoName)), definition);
  }

  std::vector<std::string> removedPatterns;
  ui::ScriptedWindowHost windows;
  ui::CheckListBox pluginList{"pluginList"};
  ui::ListBox availablePlugins{"availablePlugins"};
  ui::TextBox pluginFolder{"pluginFolder"};
  vorn::PluginInfoDialog dialog{fake.files, prompter, windows};
  vorn::PluginManager manager{fake,
                              settings,
                              log,
                              prompter,
                              windows,
                              folder(),
                              {pluginList, availablePlugins, pluginFolder},
                              dialog};
  vorn::PluginCleaner cleaner{
      fake.files,
      registry,
      log,
      frame,
      folder(),
      [this] { return manager.tickedInformationFiles(); },
      [this](const std::string& p) { return removeFilesOnly(fake.files, p, removedPatterns); }};
};

}  // namespace plugin_test
