#include "common/file_replace.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"

using common::replaceFileContents;
using common::replaceFileWith;
using common::replacementPath;
namespace err = platform::err;

namespace {

std::string contentOf(platform::fake::FakeFiles& files, const std::string& path) {
  std::string text;
  EXPECT_EQ(files.readFile(path, text), err::kSuccess) << path;
  return text;
}

bool isThere(platform::fake::FakeFiles& files, const std::string& path) {
  std::uint32_t a = 0;
  return files.getAttributes(path, a) == err::kSuccess;
}

}  // namespace

TEST(ReplaceFileContents, NewContentReplacesOldAndNothingIsLeftBeside) {
  platform::fake::FakeFiles files;
  files.addFile("C:\\P\\prefs.js", "old");
  EXPECT_EQ(replaceFileContents(files, "C:\\P\\prefs.js", "new\r\n"), err::kSuccess);
  EXPECT_EQ(contentOf(files, "C:\\P\\prefs.js"), "new\r\n");
  EXPECT_FALSE(isThere(files, replacementPath("C:\\P\\prefs.js")));
  // A missing file is created.
  EXPECT_EQ(replaceFileContents(files, "C:\\P\\cookies2.lst", ""), err::kSuccess);
  EXPECT_EQ(contentOf(files, "C:\\P\\cookies2.lst"), "");
}

TEST(ReplaceFileContents, AFailedReplaceKeepsTheOldFileWhole) {
  platform::fake::FakeFiles files;
  files.addFile("C:\\P\\held.lst", "kept");
  files.setOpen("C:\\P\\held.lst", true);
  EXPECT_NE(replaceFileContents(files, "C:\\P\\held.lst", "lost?"), err::kSuccess);
  EXPECT_EQ(contentOf(files, "C:\\P\\held.lst"), "kept");
  EXPECT_FALSE(isThere(files, replacementPath("C:\\P\\held.lst")));

  files.addFile("C:\\P\\ro.lst", "kept too", platform::attr::kReadOnly);
  EXPECT_EQ(replaceFileContents(files, "C:\\P\\ro.lst", "x"), err::kAccessDenied);
  EXPECT_EQ(contentOf(files, "C:\\P\\ro.lst"), "kept too");
  EXPECT_FALSE(isThere(files, replacementPath("C:\\P\\ro.lst")));

  // No folder to write into: nothing is created anywhere.
  EXPECT_NE(replaceFileContents(files, "C:\\Missing\\a.lst", "x"), err::kSuccess);
  EXPECT_FALSE(isThere(files, "C:\\Missing\\a.lst"));
}

TEST(ReplaceFileWith, MovesACompleteFileOverTheTargetOrLeavesBoth) {
  platform::fake::FakeFiles files;
  files.addFile("C:\\Temp\\prefs.tmp", "fresh");
  files.addFile("C:\\P\\prefs.js", "old");
  files.setOpen("C:\\P\\prefs.js", true);
  EXPECT_NE(replaceFileWith(files, "C:\\Temp\\prefs.tmp", "C:\\P\\prefs.js"), err::kSuccess);
  EXPECT_EQ(contentOf(files, "C:\\P\\prefs.js"), "old");
  EXPECT_EQ(contentOf(files, "C:\\Temp\\prefs.tmp"), "fresh");
  files.setOpen("C:\\P\\prefs.js", false);
  EXPECT_EQ(replaceFileWith(files, "C:\\Temp\\prefs.tmp", "C:\\P\\prefs.js"), err::kSuccess);
  EXPECT_EQ(contentOf(files, "C:\\P\\prefs.js"), "fresh");
  EXPECT_FALSE(isThere(files, "C:\\Temp\\prefs.tmp"));
}
