// The shipped example plugins on the real platform under Wine: installed in a scratch
// program folder, ticked through the plugin list, carried out by "Clean Plugins" against
// the registry and the disk of the project's own prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "main/clean/plugin_cleaner.h"
#include "main/plugins/plugin_manager.h"
#include "platform/win32/win32_system.h"
#include "tests/main/clean/clean_fixture.h"
#include "tests/main/plugins/plugin_test_support.h"
#include "tests/support/contract_env.h"
#include "tests/support/scripted_window_host.h"

namespace {

constexpr const char* kPlayer = "Software\\Microsoft\\MediaPlayer\\Player";
constexpr const char* kViewer = "Software\\Image Viewer";
constexpr const char* kThumbs = "C:\\Program Files\\Image Viewer\\Thumbs";

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void put(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(f, "trace", 5, &wrote, nullptr);
  CloseHandle(f);
}

void setValue(const std::string& key, const char* name) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &k), ERROR_SUCCESS);
  RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\x"), 5);
  RegCloseKey(k);
}

bool hasValue(const std::string& key, const char* name) {
  HKEY k;
  if (RegOpenKeyA(HKEY_CURRENT_USER, key.c_str(), &k) != ERROR_SUCCESS) return false;
  bool found = RegQueryValueExA(k, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(k);
  return found;
}

bool hasKey(const std::string& key) {
  HKEY k;
  if (RegOpenKeyA(HKEY_CURRENT_USER, key.c_str(), &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

class RealPluginCleaning : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::inProjectWinePrefix())
      GTEST_SKIP() << "touches drive C: and the registry: only in the project's Wine prefix";
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    dir = std::string(temp) + "tervane-plugins-" + std::to_string(GetCurrentProcessId());
    outside = std::string(temp) + "tervane-outside-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA(outside.c_str(), nullptr);
    for (const char* f : {"mplayer.cp1", "mplayer.cp2", "thumbs2.cp1", "thumbs2.cp2"})
      ASSERT_TRUE(CopyFileA((std::string("Z:") + TERVANE_DATA_DIR + "/" + f).c_str(),
                            (dir + "\\" + f).c_str(), FALSE))
          << f;
  }
  void TearDown() override {
    if (dir.empty()) return;
    for (const char* f :
         {"mplayer.cp1", "mplayer.cp2", "thumbs2.cp1", "thumbs2.cp2", "vorn.log", "mainten.ini"})
      DeleteFileA((dir + "\\" + f).c_str());
    RemoveDirectoryA(dir.c_str());
    DeleteFileA((outside + "\\keep.thb").c_str());
    RemoveDirectoryA(outside.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kViewer) + "\\Settings").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kViewer) + "\\Recent File List").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kViewer);
    for (const char* f : {"\\a.thb", "\\b.thb", "\\index.tdb", "\\notes.txt", "\\sub.thb"}) {
      DeleteFileA((std::string(kThumbs) + f).c_str());
      RemoveDirectoryA((std::string(kThumbs) + f).c_str());
    }
    RemoveDirectoryA(kThumbs);
    RemoveDirectoryA("C:\\Program Files\\Image Viewer");
    DeleteFileA(asx.c_str());
  }

  platform::win32::Win32System real;
  std::string dir, outside, asx;
};

TEST_F(RealPluginCleaning, TickedExamplePluginsRemoveTheirTracesAndNothingElse) {
  for (const char* v : {"File0", "File1", "File2", "File3", "Other"})
    setValue(std::string(kPlayer) + "\\RecentFileList", v);
  setValue(std::string(kPlayer) + "\\RecentURLList", "URL0");
  setValue(std::string(kViewer) + "\\Settings", "LastFolder");
  setValue(std::string(kViewer) + "\\Settings", "Zoom");
  setValue(std::string(kViewer) + "\\Recent File List", "File1");
  CreateDirectoryA("C:\\Program Files\\Image Viewer", nullptr);
  CreateDirectoryA(kThumbs, nullptr);
  for (const char* f : {"\\a.thb", "\\b.thb", "\\index.tdb", "\\notes.txt"})
    put(std::string(kThumbs) + f);
  CreateDirectoryA((std::string(kThumbs) + "\\sub.thb").c_str(), nullptr);
  put(outside + "\\keep.thb");
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  asx = std::string(windows) + "\\TEMP\\tervane-" + std::to_string(GetCurrentProcessId()) + ".asx";
  put(asx);

  platform::System& sys = real.system();
  common::SessionLog log(sys.files, sys.clock, [this] { return dir; });
  common::Settings settings(sys.files, log);
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows_;
  vorn::RegistryAccess registry(sys.registry, prompter);
  clean_test::RecordingView view;
  vorn::PlainOptionBoxes boxes;
  const std::string ini = dir + "\\mainten.ini";
  vorn::Statistics statistics(settings, log, ini, [] { return 1000.0; });
  vorn::RunFrame frame(
      view, boxes, prompter, settings, log, sys.clock, ini, [] { return 1000.0; }, statistics);
  ui::CheckListBox list("pluginList");
  ui::ListBox available("availablePlugins");
  ui::TextBox folderBox("pluginFolder");
  ui::Button startCreator("startCreator", "Start Plugin Creator");
  ui::Label creatorMissing("creatorMissing");
  vorn::PluginInfoDialog dialog(sys.files, prompter, windows_);
  vorn::PluginManager manager(sys, settings, log, prompter, windows_, dir,
                              {list, available, folderBox, startCreator, creatorMissing}, dialog);
  plugin_test::RecordingRemoval removal(
      [&](const std::string& p) { return sys.removal.removeMatching(p); });
  vorn::PluginCleaner cleaner(
      sys.files, registry, log, frame, dir, [&] { return manager.tickedInformationFiles(); },
      removal);

  manager.fixPlugins();
  ASSERT_EQ(list.items(),
            (std::vector<std::string>{"Media Player recent files", "Image viewer thumbnails"}));
  EXPECT_FALSE(list.checked(0));
  EXPECT_FALSE(list.checked(1));
  list.userChecked(0, true);
  list.userChecked(1, true);
  EXPECT_EQ(settings.getini("Main", "Active", dir + "\\thumbs2.cp2"), "True");
  cleaner.cleanPlugins();

  for (const char* v : {"File0", "File1", "File2", "File3"})
    EXPECT_FALSE(hasValue(std::string(kPlayer) + "\\RecentFileList", v)) << v;
  EXPECT_TRUE(hasValue(std::string(kPlayer) + "\\RecentFileList", "Other"));
  EXPECT_FALSE(hasKey(std::string(kPlayer) + "\\RecentURLList"));
  EXPECT_FALSE(hasValue(std::string(kViewer) + "\\Settings", "LastFolder"));
  EXPECT_TRUE(hasValue(std::string(kViewer) + "\\Settings", "Zoom"));
  EXPECT_FALSE(hasKey(std::string(kViewer) + "\\Recent File List"));
  EXPECT_FALSE(exists(std::string(kThumbs) + "\\a.thb"));
  EXPECT_FALSE(exists(std::string(kThumbs) + "\\b.thb"));
  EXPECT_FALSE(exists(std::string(kThumbs) + "\\index.tdb"));
  EXPECT_TRUE(exists(std::string(kThumbs) + "\\notes.txt"));
  EXPECT_TRUE(exists(std::string(kThumbs) + "\\sub.thb"));
  EXPECT_FALSE(exists(asx));
  EXPECT_TRUE(exists(outside + "\\keep.thb"));
  std::string logged;
  sys.files.readFile(dir + "\\vorn.log", logged);
  EXPECT_FALSE(exists(dir + "\\vorn.log")) << logged;
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cleaning System...Done");
}

}  // namespace
