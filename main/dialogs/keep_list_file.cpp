#include "main/dialogs/keep_list_file.h"

#include "common/file_replace.h"
#include "common/run_error.h"
#include "common/text_lines.h"

namespace vorn {

std::vector<std::string> readListFile(platform::Files& files, const std::string& path) {
  std::string text;
  common::check(files.readFile(path, text));
  return common::splitLines(text);
}

ListSave saveListFile(platform::Files& files, const std::string& templatePath,
                      const std::string& listPath, const std::vector<std::string>& entries) {
  ListSave result;
  std::string contents;
  result.templateError = files.readFile(templatePath, contents);
  if (result.templateError != platform::err::kSuccess) contents.clear();
  contents += common::joinLines(entries);
  result.writeError = common::replaceFileContents(files, listPath, contents);
  return result;
}

bool isListedEntry(const std::vector<std::string>& list, const std::string& candidate) {
  for (const std::string& entry : list) {
    const std::size_t end = entry.find_last_not_of(' ');
    const std::string trimmed = end == std::string::npos ? std::string() : entry.substr(0, end + 1);
    if (trimmed == candidate) return true;
  }
  return false;
}

}  // namespace vorn
