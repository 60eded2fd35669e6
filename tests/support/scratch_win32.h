#pragma once
// What the Win32 tests share about their scratch folders and the Wine host beneath them.
#include <string>

namespace testing_support {

// True when the program runs under Wine.
bool underWine();
// The Unix path Wine maps a Windows path to, or an empty text.
std::string unixPath(const std::string& path);
// Runs a Unix program from /bin (Wine starts ELF files like any other) and waits up to
// 10 s. Its exit code is not reliably reported back, so callers check its effect.
bool runUnix(const std::string& program, const std::string& arguments);

// Removes a test's scratch folder with everything in it, by the programs' own link-safe
// removal: a link inside is removed as a link, never entered or followed. Under Wine, a
// Unix link cannot be removed through the Win32 API (and one whose target is gone is not
// even listed), so what the walk leaves there is removed by Unix `find -type l -delete`,
// which deletes the links themselves, and the walk runs again. Only folders whose name
// holds "tervane-" are touched. True when the folder is gone.
bool removeScratchTree(const std::string& folder);

}  // namespace testing_support
