// Plugin management over the fake platform: the lists at start-up, the ticks, "Plugin
// Info" with its delete button and the plugin creator's start.
#include "main/plugins/plugin_manager.h"

#include <gtest/gtest.h>

#include "tests/main/plugins/plugin_test_support.h"

namespace {

using plugin_test::PluginSession;
using ui::Answer;

class PluginManagement : public PluginSession {};

TEST_F(PluginManagement, ListsFollowTheInformationFilesInNameOrder) {
  install("b.cp2", "Second", "False", "");
  install("a.cp2", "First", "True", "");
  fake.files.addFile(path("c.cp2"), "[Main]\r\nActive=True\r\n");  // no Name
  fake.files.addFile(path("notes.cp2old"), "[Main]\r\nName=Old\r\n");
  manager.fixPlugins();
  EXPECT_EQ(manager.informationFiles(), (std::vector<std::string>{"a.cp2", "b.cp2", "c.cp2"}));
  EXPECT_EQ(pluginList.items(), (std::vector<std::string>{"First", "Second", ""}));
  EXPECT_EQ(availablePlugins.items(), pluginList.items());
  EXPECT_TRUE(pluginList.checked(0));
  EXPECT_FALSE(pluginList.checked(1));
  EXPECT_TRUE(pluginList.checked(2));
  EXPECT_EQ(pluginFolder.text(), folder() + "\\");
  EXPECT_EQ(manager.tickedInformationFiles(), (std::vector<std::string>{"a.cp2", "c.cp2"}));
  EXPECT_EQ(logText(), "");
}

TEST_F(PluginManagement, ActiveThatIsNeitherTrueNorFalseIsLoggedAndLeftUnticked) {
  install("a.cp2", "A", "maybe", "");
  install("b.cp2", "B", "True", "");
  const std::string before = fake.files.contents(path("a.cp2"));
  manager.fixPlugins();
  EXPECT_FALSE(pluginList.checked(0));
  EXPECT_TRUE(pluginList.checked(1));
  EXPECT_NE(logText().find("fixPlugins"), std::string::npos);
  EXPECT_NE(logText().find("Type mismatch"), std::string::npos);
  // Loading writes nothing back.
  EXPECT_EQ(fake.files.contents(path("a.cp2")), before);
}

TEST_F(PluginManagement, TickingRewritesOnlyActive) {
  const std::string info =
      "; made by hand\r\n[Main]\r\nName=Tool\r\nActive=False\r\nInfo=Removes, things\r\n"
      "Version=1.0\r\n\r\n[Other]\r\nActive=False\r\nKey=Value\r\n";
  fake.files.addFile(path("tool2.cp2"), info);
  manager.fixPlugins();
  pluginList.userChecked(0, true);
  std::string expected = info;
  expected.replace(expected.find("Active=False"), 12, "Active=True");
  EXPECT_EQ(fake.files.contents(path("tool2.cp2")), expected);
  pluginList.userChecked(0, false);
  EXPECT_EQ(fake.files.contents(path("tool2.cp2")), info);
  EXPECT_TRUE(manager.tickedInformationFiles().empty());
}

TEST_F(PluginManagement, PluginInfoShowsTheHighlightedPluginWithBothPaths) {
  fake.files.addFile(path("tool2.cp2"),
                     "[Main]\r\nName=Tool\r\nInfo=Cleans it\r\nVersion=2.1\r\nCreated=1 May "
                     "2001\r\nAuthor=Someone\r\n");
  fake.files.addFile(path("x.cp2"), "[Main]\r\nName=X\r\n");
  manager.fixPlugins();
  // Nothing highlighted: nothing happens.
  manager.showPluginInfo();
  EXPECT_TRUE(windows.events.empty());
  pluginList.userSelected(0);
  manager.showPluginInfo();
  EXPECT_EQ(windows.events, std::vector<std::string>{"show Plugin Info"});
  EXPECT_EQ(dialog.nameLabel.caption(), "Tool");
  EXPECT_EQ(dialog.versionLabel.caption(), "2.1");
  EXPECT_EQ(dialog.createdLabel.caption(), "1 May 2001");
  EXPECT_EQ(dialog.authorLabel.caption(), "Someone");
  EXPECT_EQ(dialog.descriptionLabel.caption(), "Cleans it");
  EXPECT_EQ(dialog.informationPath(), path("tool2.cp2"));
  EXPECT_EQ(dialog.definitionPath(), path("tool2.cp1"));
  EXPECT_TRUE(dialog.deleteButton.enabled());
  dialog.okButton.onClick();
  EXPECT_FALSE(windows.isOpen(dialog));
}

class PluginDeletion : public PluginSession {
 protected:
  void SetUp() override {
    install("tool2.cp2", "Tool", "True", "C:\\x\r\n");
    manager.fixPlugins();
    pluginList.userSelected(0);
    manager.showPluginInfo();
  }
};

TEST_F(PluginDeletion, ConfirmationDefaultsToNoAndNoKeepsEverything) {
  prompter.answers = {Answer::No};
  dialog.deleteButton.onClick();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Do you want to delete this plugin?");
  EXPECT_EQ(prompter.shown[0].title, "Delete Plugin");
  EXPECT_EQ(prompter.shown[0].style,
            ui::mb::kYesNo | ui::mb::kIconQuestion | ui::mb::kDefaultButton2);
  EXPECT_TRUE(fake.files.exists(path("tool2.cp2")));
  EXPECT_TRUE(fake.files.exists(path("tool2.cp1")));
  EXPECT_TRUE(dialog.deleteButton.enabled());
}

TEST_F(PluginDeletion, YesDeletesBothFilesClearsTheDialogAndAsksForARestart) {
  prompter.answers = {Answer::Yes};
  dialog.deleteButton.onClick();
  EXPECT_FALSE(fake.files.exists(path("tool2.cp2")));
  EXPECT_FALSE(fake.files.exists(path("tool2.cp1")));
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[1].text, "The Plugin was succesfully deleted. Please restart Tervane");
  EXPECT_EQ(prompter.shown[1].style, ui::mb::kYesNo | ui::mb::kIconInformation);
  EXPECT_EQ(dialog.nameLabel.caption(), "");
  EXPECT_EQ(dialog.descriptionLabel.caption(), "");
  EXPECT_FALSE(dialog.deleteButton.enabled());
  // The list stays as it was until a restart.
  EXPECT_EQ(pluginList.listCount(), 1);
}

TEST_F(PluginDeletion, FileAlreadyGoneDoesNotKeepTheOtherAndIsReported) {
  fake.files.deleteFile(path("tool2.cp1"));
  prompter.answers = {Answer::Yes};
  dialog.deleteButton.onClick();
  EXPECT_FALSE(fake.files.exists(path("tool2.cp2")));
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_NE(prompter.shown[1].text.find(path("tool2.cp1") + " (File not found)"), std::string::npos)
      << prompter.shown[1].text;
  EXPECT_EQ(prompter.shown[1].text.find(path("tool2.cp2")), std::string::npos);
  EXPECT_FALSE(dialog.deleteButton.enabled());
}

TEST_F(PluginDeletion, FileThatRefusesStaysReportedAndTheButtonStaysForAnotherTry) {
  fake.files.setOpen(path("tool2.cp2"), true);
  prompter.answers = {Answer::Yes};
  dialog.deleteButton.onClick();
  EXPECT_TRUE(fake.files.exists(path("tool2.cp2")));
  EXPECT_FALSE(fake.files.exists(path("tool2.cp1")));
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_NE(prompter.shown[1].text.find(path("tool2.cp2")), std::string::npos);
  EXPECT_EQ(prompter.shown[1].style, ui::mb::kOk | ui::mb::kIconWarning);
  EXPECT_TRUE(dialog.deleteButton.enabled());
  EXPECT_EQ(dialog.nameLabel.caption(), "Tool");
}

TEST_F(PluginManagement, PluginCreatorStartsWithoutWaitingOrIsNamedWhenMissing) {
  manager.fixPlugins();
  EXPECT_FALSE(startCreator.enabled());
  EXPECT_TRUE(creatorMissing.visible());
  EXPECT_NE(creatorMissing.caption().find("Tinkra1.exe"), std::string::npos);
  manager.startPluginCreator();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_NE(prompter.shown[0].text.find(path("Tinkra1.exe")), std::string::npos);
  EXPECT_TRUE(fake.processes.started.empty());

  fake.files.addFile(path("Tinkra1.exe"), "MZ");
  manager.fixPlugins();
  EXPECT_TRUE(startCreator.enabled());
  EXPECT_FALSE(creatorMissing.visible());
  manager.startPluginCreator();
  ASSERT_EQ(fake.processes.started.size(), 1u);
  EXPECT_EQ(fake.processes.started[0].commandLine, "\"" + path("Tinkra1.exe") + "\"");
  EXPECT_EQ(fake.processes.started[0].showStyle, platform::show::kNormal);
  EXPECT_EQ(fake.processes.events.size(), 1u);  // no wait
  EXPECT_EQ(prompter.shown.size(), 1u);
}

}  // namespace
