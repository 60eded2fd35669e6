#pragma once
// The four user-defined lists: their entry files in the program folder ("userdef1.lst" ..
// "userdef4.lst"), the templates each saved file starts with ("userdef1.000" ..), and the
// entries the editor builds from a picked folder or file.
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/win_types.h"

namespace vorn {

inline constexpr int kUserDefinedLists = 4;

// "userdefN.lst" and "userdefN.000" for list N (1..4).
std::string userDefinedListFile(int list);
std::string userDefinedTemplateFile(int list);

// The entries of a list file: one per line, every line whole (a comma is part of a path).
// A file that cannot be read raises its run-time error.
std::vector<std::string> readUserDefinedList(platform::Files& files, const std::string& path);

// Writes the list file of `list` as its template followed by the entries, each ended by
// CR LF. The new file is built beside the old one and moved over it when complete, so a
// failure leaves the old list whole. A template that cannot be read counts as empty and
// its error is returned in `templateError`; the save goes on. Returns the write's code.
platform::ErrorCode saveUserDefinedList(platform::Files& files, const std::string& programFolder,
                                        int list, const std::vector<std::string>& entries,
                                        platform::ErrorCode& templateError);

// What the editor adds for the folder `folder` (as the picker gives it).
std::string folderEntry(const std::string& folder);    // without a trailing "\" but a root's
std::string allFilesEntry(const std::string& folder);  // folder "\*.*"
std::string singleFileEntry(const std::string& folder, const std::string& file);

// How an entry shows in the editor and in "Defined Files": as it is when it is a full
// path, otherwise printable and marked first with why the cleaning skips it.
std::string shownEntry(const std::string& entry);

// Folders whose folder or all-files entry is asked about first; compared in lower case.
bool isAskedAboutFolder(const std::string& folder);

}  // namespace vorn
