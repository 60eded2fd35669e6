#include "main/userdef/user_lists.h"

#include <algorithm>
#include <cctype>

#include "common/file_replace.h"
#include "common/full_path.h"
#include "common/run_error.h"
#include "common/text_lines.h"

namespace vorn {

std::string userDefinedListFile(int list) {
  return "userdef" + std::to_string(list) + ".lst";
}

std::string userDefinedTemplateFile(int list) {
  return "userdef" + std::to_string(list) + ".000";
}

std::vector<std::string> readUserDefinedList(platform::Files& files, const std::string& path) {
  std::string text;
  common::check(files.readFile(path, text));
  return common::splitLines(text);
}

platform::ErrorCode saveUserDefinedList(platform::Files& files, const std::string& programFolder,
                                        int list, const std::vector<std::string>& entries,
                                        platform::ErrorCode& templateError) {
  std::string contents;
  templateError = files.readFile(programFolder + "\\" + userDefinedTemplateFile(list), contents);
  if (templateError != platform::err::kSuccess) contents.clear();
  contents += common::joinLines(entries);
  return common::replaceFileContents(files, programFolder + "\\" + userDefinedListFile(list),
                                     contents);
}

namespace {

bool endsInBackslash(const std::string& s) {
  return !s.empty() && s.back() == '\\';
}

// "C:" and "C:\" are roots; both keep (or get) their backslash.
bool isDriveRoot(const std::string& s) {
  return (s.size() == 2 || (s.size() == 3 && s[2] == '\\')) && s[1] == ':';
}

}  // namespace

std::string folderEntry(const std::string& folder) {
  if (isDriveRoot(folder)) return folder.substr(0, 2) + "\\";
  std::string f = folder;
  while (endsInBackslash(f)) f.pop_back();
  return f;
}

std::string allFilesEntry(const std::string& folder) {
  return endsInBackslash(folder) ? folder + "*.*" : folder + "\\*.*";
}

std::string singleFileEntry(const std::string& folder, const std::string& file) {
  return endsInBackslash(folder) ? folder + file : folder + "\\" + file;
}

std::string shownEntry(const std::string& entry) {
  const common::PathProblem problem = common::fullPathProblem(entry);
  if (problem == common::PathProblem::None) return entry;
  // The mark first: a long entry would hide it at its end.
  return "[skipped: " + common::pathProblemText(problem) + "]  " + common::printableEntry(entry);
}

bool isAskedAboutFolder(const std::string& folder) {
  std::string f = folder;
  std::transform(f.begin(), f.end(), f.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* p : {"c:\\", "c:\\windows", "d:\\", "d:\\windows", "e:\\", "f:\\"})
    if (f == p) return true;
  return false;
}

}  // namespace vorn
