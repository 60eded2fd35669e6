// What the programs do where a period Windows lacks a call: they must give what the call
// gives where it exists.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_system.h"
#include "tests/support/contract_env.h"

namespace {

// Where shfolder.dll is missing, the known folders come from the period registry "Shell
// Folders" and the system's own calls.
TEST(PeriodFallbacks, ShellFoldersFromTheRegistryNameWhatTheShellFolderServiceNames) {
  auto shell = platform::win32::makeShell();
  namespace csidl = platform::csidl;
  for (int id : {csidl::kRecent, csidl::kAppData, csidl::kInternetCache, csidl::kCookies,
                 csidl::kHistory, csidl::kWindows, csidl::kSystem, csidl::kProgramFiles}) {
    std::string service, registry;
    ASSERT_EQ(shell->knownFolder(id, service), platform::err::kSuccess) << id;
    ASSERT_EQ(platform::win32::shellFolderFromRegistry(id, registry), platform::err::kSuccess)
        << id;
    EXPECT_EQ(lstrcmpiA(service.c_str(), registry.c_str()), 0)
        << "folder " << id << ": " << service << " / " << registry;
  }
  std::string untouched = "kept";
  EXPECT_EQ(platform::win32::shellFolderFromRegistry(0x7F, untouched),
            platform::err::kFileNotFound);
  EXPECT_EQ(untouched, "kept");
}

std::string readAll(const std::string& path) {
  std::string text;
  auto files = platform::win32::makeFiles();
  return files->readFile(path, text) == platform::err::kSuccess ? text : "(missing)";
}

// Where MoveFileEx is a stub, a file is replaced by moves; the old one survives a failure.
TEST(PeriodFallbacks, ReplacingByMovesKeepsTheOldFileWhenTheNewOneCannotTakeItsPlace) {
  auto env = testing_support::makeWin32Env();
  auto files = platform::win32::makeFiles();
  const std::string target = env->scratch() + "\\mainten.ini", fresh = target + ".new";
  ASSERT_EQ(files->writeFile(fresh, "first"), platform::err::kSuccess);
  EXPECT_EQ(platform::win32::replaceByMoves(fresh, target), platform::err::kSuccess);
  ASSERT_EQ(files->writeFile(fresh, "second"), platform::err::kSuccess);
  EXPECT_EQ(platform::win32::replaceByMoves(fresh, target), platform::err::kSuccess);
  EXPECT_EQ(readAll(target), "second");
  EXPECT_EQ(readAll(fresh), "(missing)");
  EXPECT_EQ(readAll(target + ".tervane-old"), "(missing)");
  // The new file is gone before it can be moved in: the old one stays where it was.
  EXPECT_NE(platform::win32::replaceByMoves(fresh, target), platform::err::kSuccess);
  EXPECT_EQ(readAll(target), "second");
}

}  // namespace
