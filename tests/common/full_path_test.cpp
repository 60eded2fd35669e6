// Which list entries may name a place to clean, and how a failed save is put in words.
#include "common/full_path.h"

#include <gtest/gtest.h>

#include "common/save_failure.h"

namespace {

using common::PathProblem;

TEST(FullPath, OnlyDriveAndSharePathsWithoutControlCharactersWithinTheLimit) {
  const struct {
    std::string path;
    PathProblem problem;
  } cases[] = {
      {"C:\\Temp\\*.tmp", PathProblem::None},
      {"d:\\", PathProblem::None},
      {"\\\\server\\share\\x", PathProblem::None},
      {"*.*", PathProblem::NotFullPath},
      {"mainten.ini", PathProblem::NotFullPath},
      {"..\\x", PathProblem::NotFullPath},
      {"\\Temp\\x", PathProblem::NotFullPath},  // the current drive's root
      {"C:Temp\\x", PathProblem::NotFullPath},  // the current folder of drive C:
      {"C:/Temp/x", PathProblem::NotFullPath},
      {"1:\\x", PathProblem::NotFullPath},
      {"\\\\?\\C:\\x", PathProblem::NotFullPath},
      {"\\\\.\\PhysicalDrive0", PathProblem::NotFullPath},
      {"\\\\\\x", PathProblem::NotFullPath},
      {"", PathProblem::NotFullPath},
      {std::string("C:\\a.txt") + '\0' + ".bak", PathProblem::ControlCharacter},
      {"C:\\a\tb", PathProblem::ControlCharacter},
      {std::string("*.*\x01"), PathProblem::ControlCharacter},
      {"C:\\" + std::string(256, 'x'), PathProblem::None},  // 259 characters
      {"C:\\" + std::string(257, 'x'), PathProblem::TooLong},
  };
  for (const auto& c : cases)
    EXPECT_EQ(common::fullPathProblem(c.path), c.problem) << common::printableEntry(c.path);
  EXPECT_EQ(common::pathProblemText(PathProblem::NotFullPath), "not a full path");
}

TEST(FullPath, EntriesAreShownPrintableAndCut) {
  EXPECT_EQ(common::printableEntry(std::string("a") + '\0' + "b\x1f"), "a<NUL>b<1F>");
  EXPECT_EQ(common::printableEntry(std::string(400, 'x')), std::string(300, 'x') + "...");
}

TEST(SaveFailure, TheMessageNamesWhatTheFileAndWhy) {
  EXPECT_EQ(
      common::saveFailureMessage("The keep list", "C:\\T\\cookies1.lst", platform::err::kDiskFull),
      "The keep list could not be saved: the disk is full.\r\n\r\nC:\\T\\cookies1.lst");
  EXPECT_EQ(common::saveFailureLogText("C:\\T\\mainten.ini", platform::err::kAccessDenied),
            "C:\\T\\mainten.ini could not be saved: the file or its folder is read-only, or "
            "access to it is denied (5)");
  EXPECT_EQ(common::saveFailureReason(1234), "error 1234");
}

}  // namespace
