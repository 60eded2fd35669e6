// Plugin cleaning over the fake platform: which plugins run, what each kind of entry
// removes, and what it must leave alone.
#include "main/clean/plugin_cleaner.h"

#include <gtest/gtest.h>

#include "tests/main/plugins/plugin_test_support.h"

namespace {

using plugin_test::PluginSession;

class PluginCleaning : public PluginSession {
 protected:
  void tickAll() {
    for (int i = 0; i < pluginList.listCount(); ++i) pluginList.userChecked(i, true);
  }
};

TEST_F(PluginCleaning, TickedPluginRunsItsDefinitionFileNamedByTheLastCharacterOnly) {
  EXPECT_EQ(vorn::definitionFileFor("tool2.cp2"), "tool2.cp1");
  EXPECT_EQ(vorn::definitionFileFor("a2b2.CP2"), "a2b2.CP1");
  fake.registry.setString(kHKCU, "Software\\Tool", "Last", "x");
  install("tool2.cp2", "Tool", "True", "HKEY_CURRENT_USER\\Software\\Tool+Last\r\n");
  // A stray definition file of another name must not be the one run.
  fake.files.addFile(path("tool1.cp1"), "HKEY_CURRENT_USER\\Software\\Other-\r\n");
  fake.registry.setString(kHKCU, "Software\\Other", "v", "x");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_FALSE(fake.registry.hasValue(kHKCU, "Software\\Tool", "Last"));
  EXPECT_TRUE(fake.registry.hasKey(kHKCU, "Software\\Other"));
  EXPECT_EQ(logText(), "");
}

TEST_F(PluginCleaning, ValueEntryRemovesOneValueAndKeyEntryTheKey) {
  fake.registry.setString(kHKCU, "Software\\X\\Y", "Last", "1");
  fake.registry.setString(kHKCU, "Software\\X\\Y", "Keep", "1");
  fake.registry.setString(kHKCU, "Software\\X\\Z", "Any", "1");
  install("a.cp2", "A", "True",
          "HKEY_CURRENT_USER\\Software\\X\\Y+Last\r\nHKEY_CURRENT_USER\\Software\\X\\Z-Any\r\n"
          "HKEY_CURRENT_USER\\Software\\Missing+Gone\r\nHKEY_CURRENT_USER\\Software\\Missing-\r\n");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_FALSE(fake.registry.hasValue(kHKCU, "Software\\X\\Y", "Last"));
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, "Software\\X\\Y", "Keep"));
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, "Software\\X\\Z"));
  EXPECT_TRUE(fake.registry.hasKey(kHKCU, "Software\\X\\Y"));
  // What does not exist is nothing to report.
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(fake.registry.openHandles(), 0u);
}

TEST_F(PluginCleaning, EntryNamingAnotherRootTouchesNoKeyAndIsLogged) {
  // Under the old reading these removed the current user's Software\X and ran against
  // "\Software\Y"; now nothing but the HKEY_CURRENT_USER entry acts.
  fake.registry.setString(kHKCU, "Software\\X", "v", "1");
  fake.registry.setString(kHKCU, "Software\\Y", "v", "1");
  fake.registry.setString(kHKCR, "Software\\X", "v", "1");
  fake.registry.setString(kHKLM, "Software\\Y", "v", "1");
  fake.registry.setString(kHKCU, "Software\\After", "Last", "1");
  install("roots.cp2", "Roots", "True",
          "HKEY_CLASSES_ROOT\\Software\\X-\r\nHKEY_LOCAL_MACHINE\\Software\\Y-\r\n"
          "HKEY_LOCAL_MACHINE\\Software\\Y+v\r\nHKEY_CURRENT_USER\\Software\\After+Last\r\n");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_TRUE(fake.registry.hasKey(kHKCU, "Software\\X"));
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, "Software\\Y", "v"));
  EXPECT_TRUE(fake.registry.hasKey(kHKCR, "Software\\X"));
  EXPECT_TRUE(fake.registry.hasValue(kHKLM, "Software\\Y", "v"));
  EXPECT_FALSE(fake.registry.hasValue(kHKCU, "Software\\After", "Last"));
  const std::string log = logText();
  EXPECT_NE(log.find("pluginCleanFiles"), std::string::npos) << log;
  EXPECT_NE(log.find("HKEY_CLASSES_ROOT\\Software\\X-"), std::string::npos) << log;
  EXPECT_NE(log.find("HKEY_LOCAL_MACHINE\\Software\\Y+v"), std::string::npos) << log;
}

TEST_F(PluginCleaning, FileEntriesRemoveMatchingFilesButNoFolderAndNothingBehindALink) {
  const std::string cache = "C:\\Viewer\\Cache\\";
  fake.files.addFile(cache + "a.thb", "1");
  fake.files.addFile(cache + "b.thb", "2");
  fake.files.addFile(cache + "keep.txt", "3");
  fake.files.addFolder(cache + "sub.thb");
  fake.files.addFile(cache + "sub.thb\\inner.thb", "4");
  // A link into the user's own files that the pattern also matches.
  fake.files.addFolder(cache + "link.thb");
  fake.files.setReparsePoint(cache + "link.thb");
  fake.files.addFile(cache + "link.thb\\precious.thb", "5");
  fake.files.addFolder("C:\\Viewer\\Folder");
  fake.files.addFile("C:\\Viewer\\Folder\\inside.txt", "6");
  fake.files.addFile("C:\\Viewer\\hidden.log", "7", platform::attr::kHidden);
  install("files.cp2", "Files", "True",
          "C:\\Viewer\\Cache\\*.thb\r\nC:\\Viewer\\Folder\r\n/* C:\\Viewer\\Cache\\keep.txt\r\n"
          "C:\\Viewer\\hidden.log\r\n");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_FALSE(fake.files.exists(cache + "a.thb"));
  EXPECT_FALSE(fake.files.exists(cache + "b.thb"));
  EXPECT_TRUE(fake.files.exists(cache + "keep.txt"));
  EXPECT_TRUE(fake.files.exists(cache + "sub.thb\\inner.thb")) << fake.files.dump();
  EXPECT_TRUE(fake.files.exists(cache + "link.thb\\precious.thb")) << fake.files.dump();
  EXPECT_TRUE(fake.files.exists("C:\\Viewer\\Folder\\inside.txt"));
  EXPECT_TRUE(fake.files.exists("C:\\Viewer\\hidden.log"));
  // Only the wildcard entry reached the removal, and never the shell's delete.
  EXPECT_EQ(removal.requests, std::vector<std::string>{cache + "*.thb"});
  EXPECT_EQ(logText(), "");
}

TEST_F(PluginCleaning, RelativeFileEntryIsRefusedInsteadOfTakenFromTheCurrentFolder) {
  fake.files.addFolder("C:\\Work");
  fake.files.setCurrentFolder("C:\\Work");
  fake.files.addFile("C:\\Work\\notes.txt", "mine");
  install("rel.cp2", "Rel", "True", "notes.txt\r\n");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_TRUE(fake.files.exists("C:\\Work\\notes.txt"));
  EXPECT_NE(logText().find("notes.txt"), std::string::npos);
}

TEST_F(PluginCleaning, NothingTickedOpensNoDefinitionFileButTheFrameStillRuns) {
  // An unticked plugin whose definition file is gone: opening it would be logged.
  fake.files.addFile(path("off.cp2"), "[Main]\r\nName=Off\r\nActive=False\r\n");
  fake.registry.setString(kHKCU, "Software\\Off", "v", "1");
  manager.fixPlugins();
  ASSERT_EQ(pluginList.listCount(), 1);
  cleaner.cleanPlugins();
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(view.events.front(), "status Cleaning Plugin files");
  EXPECT_EQ(view.count("busy"), 1);
  EXPECT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, vorn::kDoneMessage);
  // The plugin run leaves the progress bar alone.
  EXPECT_EQ(view.count("max 1"), 0);
  EXPECT_EQ(view.value, 0);
}

TEST_F(PluginCleaning, MissingDefinitionIsLoggedAndTheNextTickedPluginStillRuns) {
  install("a.cp2", "A", "True", "");
  fake.files.deleteFile(path("a.cp1"));
  fake.registry.setString(kHKCU, "Software\\B", "v", "1");
  install("b.cp2", "B", "True", "HKEY_CURRENT_USER\\Software\\B-\r\n");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, "Software\\B"));
  const std::string log = logText();
  EXPECT_NE(log.find("pluginCleanFiles"), std::string::npos) << log;
  EXPECT_NE(log.find("File not found"), std::string::npos) << log;
}

TEST_F(PluginCleaning, MalformedEntriesAreLoggedOneByOneAndTheRestIsCarriedOut) {
  fake.registry.setString(kHKCU, "Software\\Z", "v", "1");
  install("bad.cp2", "Bad", "True",
          "HKEY\r\nHKEY_CURRENT_USER\\Software\\NoSign\r\nHKEY_CURRENT_USER\\-\r\n"
          "HKEY_CURRENT_USER\\Software\\Z-\r\n");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, "Software\\Z"));
  EXPECT_TRUE(fake.registry.hasKey(kHKCU, "Software"));
  std::size_t records = 0;
  for (std::size_t at = 0; (at = logText().find("pluginCleanFiles", at)) != std::string::npos; ++at)
    ++records;
  EXPECT_EQ(records, 3u) << logText();
}

TEST_F(PluginCleaning, DefinitionNameWithAFolderInItIsNotOpened) {
  fake.files.addFile("C:\\elsewhere.cp1", "HKEY_CURRENT_USER\\Software\\Q-\r\n");
  fake.registry.setString(kHKCU, "Software\\Q", "v", "1");
  cleaner.pluginCleanFiles("..\\..\\elsewhere.cp1");
  EXPECT_TRUE(fake.registry.hasKey(kHKCU, "Software\\Q"));
  EXPECT_NE(logText().find("Bad file name"), std::string::npos) << logText();
}

TEST_F(PluginCleaning, CleanAllRunsThePluginsLastInItsOwnFrame) {
  fake.registry.setString(kHKCU, "Software\\P", "v", "1");
  install("p.cp2", "P", "True", "HKEY_CURRENT_USER\\Software\\P-\r\n");
  manager.fixPlugins();
  std::vector<std::string> order;
  vorn::RunFrame::Engines engines;
  engines.windows = [&] { order.push_back("windows"); };
  engines.plugins = [&] {
    order.push_back("plugins");
    cleaner.cleanPlugins();
  };
  frame.cleanAll(engines, vorn::PathValues{});
  EXPECT_EQ(order, (std::vector<std::string>{"windows", "plugins"}));
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, "Software\\P"));
  // One done message: the plugin run inside "Clean All" skips its own frame.
  EXPECT_EQ(prompter.shown.size(), 1u);
}

}  // namespace

namespace {

TEST_F(PluginSession, FileRemovalTakesReadOnlyFilesGoesOnPastARefusalAndLogsIt) {
  fake.files.addFile("C:\\T\\a.tmp", "1", platform::attr::kReadOnly);
  fake.files.addFile("C:\\T\\b.tmp", "2");
  fake.files.addFile("C:\\T\\c.tmp", "3");
  fake.files.setOpen("C:\\T\\b.tmp", true);
  install("t.cp2", "T", "True", "C:\\T\\*.tmp\r\nHKEY_CURRENT_USER\\Software\\After-\r\n");
  fake.registry.setString(kHKCU, "Software\\After", "v", "1");
  manager.fixPlugins();
  cleaner.cleanPlugins();
  EXPECT_FALSE(fake.files.exists("C:\\T\\a.tmp"));
  EXPECT_TRUE(fake.files.exists("C:\\T\\b.tmp"));
  EXPECT_FALSE(fake.files.exists("C:\\T\\c.tmp"));
  // The refusal is logged once and the next entry is still carried out.
  EXPECT_NE(logText().find("pluginCleanFiles"), std::string::npos) << logText();
  EXPECT_NE(logText().find("b.tmp"), std::string::npos) << logText();
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, "Software\\After"));
}

}  // namespace
