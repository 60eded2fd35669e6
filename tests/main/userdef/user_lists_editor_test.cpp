// The lists' editor as a user meets it on the main window: the selector follows the
// activation boxes, Add builds entries by mode and asks about protected folders, every
// change is saved at once.
#include "main/userdef/user_lists_editor.h"

#include <gtest/gtest.h>

#include "main/userdef/user_lists_viewer.h"
#include "tests/main/app/app_fixture.h"

namespace vorn {
namespace {

class UserListsEditing : public ::testing::Test, public testing::AppFixture {
 protected:
  UserListsEditing() {
    installDeliveredSettings();
    for (int n = 1; n <= 4; ++n)
      fake.files.addFile(folder() + "\\userdef" + std::to_string(n) + ".000");
    fake.files.addFolder("C:\\WINDOWS");
    fake.files.addFolder("G:\\");
    fake.files.addFile("D:\\Work\\a,b\\x.txt");
    fake.files.addFile("D:\\Work\\y.txt");
    window = std::make_unique<MainWindow>(services);
    editorPtr = std::make_unique<UserListsEditor>(
        fake.files, log, prompter, session, folder(),
        UserListsEditor::Pages{window->paths, window->maintenance, window->clean}, [] {
          return std::vector<std::string>{"C:\\", "D:\\", "G:\\"};
        });
    editorPtr->wire(window->loadSteps().fixUserDef);
  }
  std::string list(int n) {
    return fake.files.contents(folder() + "\\userdef" + std::to_string(n) + ".lst");
  }
  void activate(int n, bool on) {
    window->maintenance.userDefinedActiveBoxes[MaintenancePage::kUserDefinedPosition[n - 1]]
        .setValue(on);
  }
  void pickMode(int m) { window->paths.removalModes[m].setValue(1); }
  PathsPage& p() { return window->paths; }
  const std::vector<std::string>& entries() { return p().userEntriesList.items(); }

  std::unique_ptr<MainWindow> window;
  std::unique_ptr<UserListsEditor> editorPtr;
};

TEST_F(UserListsEditing, SameFolderTwiceIsOneEntryAndAllFilesOfItIsAnother) {
  activate(1, true);
  editorPtr->showFolder("D:\\Work\\");
  editorPtr->add();
  editorPtr->add();
  pickMode(UserListsEditor::kAllFiles);
  editorPtr->add();
  EXPECT_EQ(entries(), (std::vector<std::string>{"D:\\Work", "D:\\Work\\*.*"}));
  EXPECT_EQ(list(1), "D:\\Work\r\nD:\\Work\\*.*\r\n");
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(UserListsEditing, ProtectedFoldersAskFirstAndNoLeavesTheList) {
  activate(2, true);
  editorPtr->showFolder("C:\\");
  prompter.answers = {ui::Answer::No};
  editorPtr->add();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Are you sure??");
  EXPECT_EQ(prompter.shown[0].text, "Do you want to remove the folder C:\\ and subfolders ");
  EXPECT_EQ(prompter.shown[0].style, ui::mb::kYesNo | ui::mb::kIconError | ui::mb::kDefaultButton2);
  EXPECT_TRUE(entries().empty());
  EXPECT_EQ(list(2), "");  // the save after Add ran all the same

  pickMode(UserListsEditor::kAllFiles);
  editorPtr->add();  // Yes
  EXPECT_EQ(prompter.shown.back().text, "Do you want to remove all files in folder C:\\");
  editorPtr->showFolder("C:\\WINDOWS");
  pickMode(UserListsEditor::kFolder);
  prompter.answers = {ui::Answer::No};
  editorPtr->add();
  EXPECT_EQ(prompter.shown.size(), 3u);
  editorPtr->showFolder("G:\\");
  editorPtr->add();
  EXPECT_EQ(prompter.shown.size(), 3u);  // G:\ is not asked about
  EXPECT_EQ(list(2), "C:\\*.*\r\nG:\\\r\n");
}

TEST_F(UserListsEditing, SingleFilesComeFromTheFileListAndACommaStaysInThePath) {
  activate(3, true);
  pickMode(UserListsEditor::kSingleFiles);
  EXPECT_TRUE(p().pickerFiles.enabled());
  EXPECT_TRUE(p().patternBox.enabled());
  editorPtr->showFolder("D:\\Work\\a,b");
  p().pickerFiles.userSelected(0);
  editorPtr->add();
  EXPECT_EQ(list(3), "D:\\Work\\a,b\\x.txt\r\n");
  // Read back as one entry, also after the selector is rebuilt.
  editorPtr->fixUserDef();
  EXPECT_EQ(entries(), std::vector<std::string>{"D:\\Work\\a,b\\x.txt"});
  p().userEntriesList.userSelected(0);
  editorPtr->remove();
  EXPECT_EQ(list(3), "");
  pickMode(UserListsEditor::kFolder);
  EXPECT_FALSE(p().pickerFiles.enabled());
  EXPECT_EQ(p().removalModes[2].value(), 0);
}

TEST_F(UserListsEditing, ListThreeAloneAndThenNoListActive) {
  fake.files.addFile(folder() + "\\userdef3.lst", "D:\\three\r\n");
  fake.files.addFile(folder() + "\\userdef1.lst", "D:\\one\r\n");
  window->maintenance.userDefinedNameBoxes[MaintenancePage::kUserDefinedPosition[2]].userEdited(
      "Third");
  activate(3, true);
  EXPECT_EQ(p().userListBox.items(), std::vector<std::string>{"Third"});
  EXPECT_EQ(editorPtr->currentList(), 3);
  EXPECT_EQ(entries(), std::vector<std::string>{"D:\\three"});
  EXPECT_TRUE(p().userEntriesList.visible());
  EXPECT_FALSE(p().noActiveListLabel.visible());
  EXPECT_TRUE(window->clean.userDefinedOptions[2].enabled());
  EXPECT_EQ(window->clean.userDefinedOptions[2].caption(), "Third");
  EXPECT_EQ(session.UDvalue[2], "1");

  activate(3, false);
  EXPECT_TRUE(entries().empty());
  // The entries give way to the hint that says how to activate a list.
  EXPECT_FALSE(p().userEntriesList.visible());
  EXPECT_TRUE(p().noActiveListLabel.visible());
  EXPECT_FALSE(p().addUserEntryButton.enabled());
  EXPECT_FALSE(p().removeUserEntryButton.enabled());
  EXPECT_EQ(editorPtr->currentList(), 0);
  editorPtr->add();
  editorPtr->remove();
  EXPECT_EQ(list(3), "D:\\three\r\n");
  EXPECT_EQ(list(1), "D:\\one\r\n");
  EXPECT_EQ(session.UDvalue[2], "0");
}

TEST_F(UserListsEditing, AMissingListShowsEmptyAndIsLogged) {
  activate(4, true);
  EXPECT_TRUE(entries().empty());
  EXPECT_NE(fake.files.contents(folder() + "\\vorn.log").find("fillUserDefList"),
            std::string::npos);
}

TEST_F(UserListsEditing, EntriesTheCleaningSkipsAreOfferedForRemovalOncePerList) {
  fake.files.addFile(folder() + "\\userdef1.lst", "*.*\r\nD:\\Work\r\nmainten.ini\r\n");
  activate(1, true);
  EXPECT_TRUE(prompter.shown.empty());  // not while the window loads or a list is ticked
  prompter.answers = {ui::Answer::No};
  p().areaTabs.userSelected(kUserDef);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_NE(prompter.shown[0].text.find("userdef1.lst holds 2 entries that no cleaning will use"),
            std::string::npos)
      << prompter.shown[0].text;
  EXPECT_EQ(list(1), "*.*\r\nD:\\Work\r\nmainten.ini\r\n");
  // Turned to again, the list is not offered again; the next session offers it once more.
  p().areaTabs.userSelected(kIE);
  p().areaTabs.userSelected(kUserDef);
  EXPECT_EQ(prompter.shown.size(), 1u);
  p().areaTabs.userSelected(kIE);
  editorPtr = std::make_unique<UserListsEditor>(
      fake.files, log, prompter, session, folder(),
      UserListsEditor::Pages{window->paths, window->maintenance, window->clean},
      [] { return std::vector<std::string>{"C:\\"}; });
  editorPtr->wire(window->loadSteps().fixUserDef);
  editorPtr->fixUserDef();
  prompter.answers = {ui::Answer::Yes};
  p().areaTabs.userSelected(kUserDef);
  EXPECT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(list(1), "D:\\Work\r\n");
  EXPECT_EQ(entries(), (std::vector<std::string>{"D:\\Work"}));
}

TEST_F(UserListsEditing, AnEntryTheCleaningSkipsShowsWhy) {
  fake.files.addFile(folder() + "\\userdef1.lst", "D:\\Work\r\n*.*\r\n");
  activate(1, true);
  EXPECT_EQ(entries(), (std::vector<std::string>{"D:\\Work", "[skipped: not a full path]  *.*"}));
  // Removing the valid entry saves the other exactly as it was written.
  p().userEntriesList.setListIndex(0);
  editorPtr->remove();
  EXPECT_EQ(list(1), "*.*\r\n");
}

TEST_F(UserListsEditing, AFailedSaveIsToldAndTheListShowsWhatIsOnDisk) {
  activate(1, true);
  editorPtr->showFolder("D:\\Work\\");
  fake.files.writeFault = [](const std::string& path) {
    return path.find("userdef1") != std::string::npos ? platform::err::kDiskFull
                                                      : platform::err::kSuccess;
  };
  editorPtr->add();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_NE(
      prompter.shown[0].text.find("The user-defined list could not be saved: the disk is full."),
      std::string::npos)
      << prompter.shown[0].text;
  EXPECT_TRUE(entries().empty());
  EXPECT_EQ(list(1), "");
  EXPECT_NE(fake.files.contents(folder() + "\\vorn.log").find("userdef1.lst could not be saved"),
            std::string::npos);
}

TEST_F(UserListsEditing, ThePickerWalksFoldersAndFollowsThePattern) {
  editorPtr->showFolder("D:\\");
  EXPECT_EQ(p().folderList.items(), (std::vector<std::string>{"D:\\", "  Work"}));
  p().folderList.userSelected(1);
  EXPECT_EQ(editorPtr->folder(), "D:\\Work");
  EXPECT_EQ(p().folderList.items(), (std::vector<std::string>{"D:\\", "  Work", "    a,b"}));
  EXPECT_EQ(p().pickerFiles.items(), std::vector<std::string>{"y.txt"});
  p().patternBox.userEdited("*.doc");
  EXPECT_TRUE(p().pickerFiles.items().empty());
  p().driveBox.userSelected(2);
  EXPECT_EQ(editorPtr->folder(), "G:\\");
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

class UserListsViewing : public ::testing::Test, public testing::AppFixture {
 protected:
  UserListsViewer viewer{fake.files, log, windows, session, folder()};
};

TEST_F(UserListsViewing, ShowsTheActiveListsOnlyAndChangesNothing) {
  session.UDname = {"One", "Two", "Three", "Four"};
  session.UDvalue = {"0", "1", "7", "1"};
  fake.files.addFile(folder() + "\\userdef2.lst", "D:\\two\r\n");
  fake.files.addFile(folder() + "\\userdef4.lst", "D:\\a,b\\four.txt\r\nD:\\x\\*.*\r\n");
  viewer.open(nullptr);
  EXPECT_EQ(windows.events.front(), "modal User Defined Files");
  EXPECT_EQ(viewer.listBox.items(), (std::vector<std::string>{"Two", "Four"}));
  EXPECT_EQ(viewer.entriesList.items(), std::vector<std::string>{"D:\\two"});
  viewer.listBox.userSelected(1);
  EXPECT_EQ(viewer.entriesList.items(),
            (std::vector<std::string>{"D:\\a,b\\four.txt", "D:\\x\\*.*"}));
  viewer.doneButton.click();
  EXPECT_EQ(fake.files.contents(folder() + "\\userdef4.lst"),
            "D:\\a,b\\four.txt\r\nD:\\x\\*.*\r\n");

  session.UDvalue = {"0", "0", "0", "0"};
  viewer.open(nullptr);
  EXPECT_TRUE(viewer.listBox.items().empty());
  EXPECT_TRUE(viewer.entriesList.items().empty());
}

TEST_F(UserListsViewing, AMissingListIsLoggedUnderTheViewersLabel) {
  session.UDvalue = {"1", "0", "0", "0"};
  viewer.open(nullptr);
  EXPECT_TRUE(viewer.entriesList.items().empty());
  EXPECT_NE(fake.files.contents(folder() + "\\vorn.log").find("Form4.fillUserDefList"),
            std::string::npos);
}

}  // namespace
}  // namespace vorn
