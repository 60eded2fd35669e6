// The test helpers that keep the Win32 suite safe: the modal watchdog, and the removal
// of scratch folders that never follows a link.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/contract_env.h"
#include "tests/support/modal_answer_win32.h"
#include "tests/support/scratch_win32.h"

namespace {

using testing_support::ModalAnswer;
using testing_support::runAnswered;

constexpr char kBoxTitle[] = "Tervane unanswered box";

// Opens a message box nobody answers; only the watchdog can end it.
void unansweredBox(DWORD deadlineMs) {
  runAnswered([] { MessageBoxA(nullptr, "Nobody answers this box.", kBoxTitle, MB_OK); },
              ModalAnswer{}, deadlineMs);
}

TEST(ModalWatchdog, ClosesAWindowNobodyAnswersAndFailsTheTestNamingIt) {
  const DWORD start = GetTickCount();
  EXPECT_NONFATAL_FAILURE(unansweredBox(2000), "the watchdog closed \"Tervane unanswered box\"");
  EXPECT_GE(GetTickCount() - start, 2000u) << "closed before its deadline";
}

TEST(ModalWatchdog, AnswersAWindowThatTakesItsTimeToAppear) {
  int pressed = 0;
  ModalAnswer answer{testing_support::dialogTitled("Tervane slow box"),
                     testing_support::pressButton(IDNO)};
  const auto outcome = runAnswered(
      [&] {
        Sleep(1500);  // the call is slow to show its window: the answer keeps looking
        pressed = MessageBoxA(nullptr, "Keep it?", "Tervane slow box", MB_YESNO);
      },
      answer, 30000);
  EXPECT_EQ(pressed, IDNO);
  EXPECT_TRUE(outcome.answered);
  EXPECT_TRUE(outcome.closedWindows.empty());
}

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void put(const std::string& path, const char* text) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  DWORD wrote = 0;
  WriteFile(h, text, lstrlenA(text), &wrote, nullptr);
  CloseHandle(h);
}

TEST(ScratchRemoval, RemovesTheTreeButNeverWhatItsLinksPointAt) {
  // The environment's own scratch folder stands for everything outside the tree.
  auto env = testing_support::makeWin32Env();
  const std::string outside = env->scratch() + "\\outside", gone = env->scratch() + "\\gone";
  ASSERT_TRUE(CreateDirectoryA(outside.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(gone.c_str(), nullptr));
  put(outside + "\\keep.txt", "outside");
  put(env->scratch() + "\\keep-file.txt", "outside file");

  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string tree =
      std::string(temp) + "tervane-scratch-test-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(tree.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((tree + "\\sub").c_str(), nullptr));
  put(tree + "\\sub\\inner.txt", "inner");
  put(tree + "\\locked.txt", "read-only");
  SetFileAttributesA((tree + "\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  if (!env->makeLink(tree + "\\sub\\to-outside", outside) ||
      !env->makeLink(tree + "\\to-file", env->scratch() + "\\keep-file.txt") ||
      !env->makeLink(tree + "\\dangling", gone))
    GTEST_SKIP() << "no links can be made here";
  // A link whose target is gone: Wine no longer lists it, yet it holds its folder.
  ASSERT_TRUE(RemoveDirectoryA(gone.c_str()));

  EXPECT_TRUE(testing_support::removeScratchTree(tree));
  EXPECT_FALSE(exists(tree));
  EXPECT_TRUE(exists(outside + "\\keep.txt"));
  EXPECT_TRUE(exists(env->scratch() + "\\keep-file.txt"));
  // Only scratch folders are ever touched.
  EXPECT_FALSE(testing_support::removeScratchTree(outside.substr(0, 3) + "Windows"));
}

}  // namespace
