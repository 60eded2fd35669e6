// The search's folder walk against the platform's floor: a minimal recursive
// FindFirstFileExA walker (basic information, large fetch) over the same generated
// tree in the same run. Prints both times and their ratio.
//
//   walk_bench <tree folder> [rounds]
//
// The tree (10,000 folders holding 100,000 files) is generated on the first run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/win32/win32_system.h"
#include "scoutry/search_window.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"

#ifndef FIND_FIRST_EX_LARGE_FETCH
#define FIND_FIRST_EX_LARGE_FETCH 2
#endif
constexpr FINDEX_INFO_LEVELS kInfoBasic = static_cast<FINDEX_INFO_LEVELS>(1);  // FindExInfoBasic

namespace {

constexpr int kTop = 100, kPerTop = 100, kFilesPerFolder = 10;

bool generate(const std::string& root) {
  if (GetFileAttributesA((root + "\\done").c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  std::printf("generating %d folders with %d files each in %s\n", kTop * kPerTop, kFilesPerFolder,
              root.c_str());
  CreateDirectoryA(root.c_str(), nullptr);
  for (int t = 0; t < kTop; ++t) {
    std::string top = root + "\\top" + std::to_string(t);
    CreateDirectoryA(top.c_str(), nullptr);
    for (int f = 0; f < kPerTop; ++f) {
      // A few folders of the kinds the search records, so that matching is exercised.
      std::string folder = top + (f == 0 ? "\\Cookies" : "\\folder" + std::to_string(f));
      CreateDirectoryA(folder.c_str(), nullptr);
      for (int n = 0; n < kFilesPerFolder; ++n) {
        std::string name = folder + "\\file" + std::to_string(n) + ".txt";
        HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        DWORD wrote;
        WriteFile(h, "data", 4, &wrote, nullptr);
        CloseHandle(h);
      }
    }
  }
  HANDLE h = CreateFileA((root + "\\done").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  CloseHandle(h);
  return true;
}

// The floor: one listing per folder, nothing else.
void floorWalk(const std::string& folder, long& files, long& folders) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileExA((folder + "\\*").c_str(), kInfoBasic, &fd, FindExSearchNameMatch,
                              nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (fd.cFileName[0] == '.' &&
          (fd.cFileName[1] == 0 || (fd.cFileName[1] == '.' && fd.cFileName[2] == 0)))
        continue;
      ++folders;
      floorWalk(folder + "\\" + fd.cFileName, files, folders);
    } else {
      ++files;
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

double seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: walk_bench <tree folder> [rounds]\n");
    return 2;
  }
  const std::string root = argv[1];
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  if (!generate(root)) {
    std::fprintf(stderr, "could not generate the tree\n");
    return 1;
  }
  platform::win32::Win32System system;
  ui::ScriptedPrompter prompter;
  ui::ScriptedScreen screen;

  long floorFiles = 0, floorFolders = 0;
  floorWalk(root, floorFiles, floorFolders);  // warms the caches
  double bestFloor = 1e9, bestSearch = 1e9;
  std::int32_t searchFolders = 0;
  for (int r = 0; r < rounds; ++r) {
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    long files = 0, folders = 0;
    floorWalk(root, files, folders);
    QueryPerformanceCounter(&t1);
    scoutry::SearchWindow window(system, prompter, screen);
    std::string path = root;
    std::int32_t fileCount = 0, folderCount = 0;
    window.FindFiles(path, "index.dat", fileCount, folderCount);
    QueryPerformanceCounter(&t2);
    bestFloor = std::min(bestFloor, seconds(t0, t1));
    bestSearch = std::min(bestSearch, seconds(t1, t2));
    searchFolders = folderCount;
  }
  std::printf("tree: %ld files in %ld folders\n", floorFiles, floorFolders);
  std::printf("floor (FindFirstFileExA, basic, large fetch): %.3f s\n", bestFloor);
  std::printf("search walk (FindFiles, %ld folders):        %.3f s\n", long(searchFolders),
              bestSearch);
  std::printf("ratio: %.2f (best of %d rounds each)\n", bestSearch / bestFloor, rounds);
  return 0;
}
