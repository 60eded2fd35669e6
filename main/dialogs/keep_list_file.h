#pragma once
// The keep-list files of the program folder (cookies1.lst for Internet Explorer,
// cookies2.lst for Netscape): ANSI text, one entry a line ended by CR LF, and a template
// of the same base name with the extension ".000" whose content goes in front of the
// entries. Shared by both cookie dialogs and the start-up.
#include <string>
#include <vector>

#include "common/session_log.h"
#include "platform/files.h"
#include "ui/prompter.h"

namespace vorn {

inline constexpr const char* kIEKeepList = "cookies1.lst";
inline constexpr const char* kIEKeepListTemplate = "cookies1.000";
inline constexpr const char* kNetscapeKeepList = "cookies2.lst";
inline constexpr const char* kNetscapeKeepListTemplate = "cookies2.000";

// Every line of a list file is one entry. A file that cannot be read raises the run-time
// error its failure stands for, so that the caller's trap logs it under its own name.
std::vector<std::string> readListFile(platform::Files& files, const std::string& path);

// What a save did. The template's failure does not stop the save (the list then holds
// the entries alone); a failed write leaves the old list file exactly as it was.
struct ListSave {
  platform::ErrorCode templateError = platform::err::kSuccess;
  platform::ErrorCode writeError = platform::err::kSuccess;
};

// Makes the list file the template's content followed by each entry and CR LF, in order.
// The new file is complete beside the old one before it takes its place, so a crash or
// a full disk never leaves a partial list or none: the next cleaning would otherwise
// remove every cookie the user chose to keep.
ListSave saveListFile(platform::Files& files, const std::string& templatePath,
                      const std::string& listPath, const std::vector<std::string>& entries);

// True when the list was saved. Otherwise says so aloud, in the log under `label` and in
// a message naming the file and the reason, so the dialog can stay open: the cleaning
// would run on the old list, against what the user sees.
bool keepListSaved(const ListSave& saved, const std::string& listPath, common::SessionLog& log,
                   ui::Prompter& prompter, const std::string& label);

// A candidate is already in the list when it equals an entry whose trailing blanks have
// been removed. Case matters.
bool isListedEntry(const std::vector<std::string>& list, const std::string& candidate);

}  // namespace vorn
