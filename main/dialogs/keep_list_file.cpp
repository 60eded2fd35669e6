#include "main/dialogs/keep_list_file.h"

#include "common/file_replace.h"
#include "common/run_error.h"
#include "common/save_failure.h"
#include "common/text_lines.h"
#include "main/clean/application_title.h"

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

bool keepListSaved(const ListSave& saved, const std::string& listPath, common::SessionLog& log,
                   ui::Prompter& prompter, const std::string& label) {
  if (saved.writeError == platform::err::kSuccess) return true;
  log.writeLog(label, 0, 0, common::saveFailureLogText(listPath, saved.writeError));
  prompter.messageBox(common::saveFailureMessage("The keep list", listPath, saved.writeError) +
                          "\r\n\r\nThe list on disk is unchanged. Free some space or make the "
                          "file writable and press OK again, or Cancel to keep the old list.",
                      kApplicationTitle, ui::mb::kOk | ui::mb::kIconError);
  return false;
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
