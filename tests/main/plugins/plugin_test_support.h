#pragma once
// A plugin cleaning session over the fake platform: the cleaner and the plugin manager
// over the clean fixture, with helpers that install plugins into the program folder.
#include <string>
#include <vector>

#include "main/clean/plugin_cleaner.h"
#include "main/plugins/plugin_manager.h"
#include "tests/main/clean/clean_fixture.h"
#include "tests/support/scripted_window_host.h"

namespace plugin_test {

// A removal service that records every request ("pattern" as given, folder requests
// prefixed with what they asked for) and hands pattern removals to `removeMatching`.
class RecordingRemoval : public platform::TreeRemoval {
 public:
  using Matching = std::function<platform::RemovalReport(const std::string&)>;
  explicit RecordingRemoval(Matching removeMatching) : matching_(std::move(removeMatching)) {}
  platform::RemovalReport emptyFolder(const std::string& folder) override {
    requests.push_back("emptyFolder " + folder);
    return {};
  }
  platform::RemovalReport removeFolder(const std::string& folder) override {
    requests.push_back("removeFolder " + folder);
    return {};
  }
  platform::RemovalReport removeMatching(const std::string& pattern) override {
    requests.push_back(pattern);
    return matching_(pattern);
  }
  platform::RemovalReport removeSelected(const std::string& pattern, const Selection&) override {
    requests.push_back("removeSelected " + pattern);
    return {};
  }
  platform::RemovalReport removeFile(const std::string& path) override {
    requests.push_back("removeFile " + path);
    return {};
  }
  platform::ErrorCode overwriteFile(const std::string& path, const std::string&) override {
    requests.push_back("overwriteFile " + path);
    return platform::err::kSuccess;
  }
  std::vector<std::string> requests;

 private:
  Matching matching_;
};

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

  RecordingRemoval removal{[this](const std::string& p) { return fake.removal.removeMatching(p); }};
  ui::ScriptedWindowHost windows;
  ui::CheckListBox pluginList{"pluginList"};
  ui::ListBox availablePlugins{"availablePlugins"};
  ui::TextBox pluginFolder{"pluginFolder"};
  ui::Button startCreator{"startCreator", "Start Plugin Creator"};
  ui::Label creatorMissing{"creatorMissing"};
  vorn::PluginInfoDialog dialog{fake.files, prompter, windows};
  vorn::PluginManager manager{
      fake,
      settings,
      log,
      prompter,
      windows,
      folder(),
      {pluginList, availablePlugins, pluginFolder, startCreator, creatorMissing},
      dialog};
  vorn::PluginCleaner cleaner{fake.files, registry,
                              log,        frame,
                              folder(),   [this] { return manager.tickedInformationFiles(); },
                              removal};
};

}  // namespace plugin_test
