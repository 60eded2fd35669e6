#include "main/app/unattended.h"

#include "main/clean/analysis.h"

namespace vorn {

ui::Answer UnattendedPrompter::messageBox(const std::string& text, const std::string& title,
                                          unsigned style) {
  if (!quiet_) return inner_.messageBox(text, title, style);
  std::string line = title.empty() ? text : title + ": " + text;
  // One line in the log and the report, however the box would have broken it.
  std::replace(line.begin(), line.end(), '\r', ' ');
  std::replace(line.begin(), line.end(), '\n', ' ');
  messages_.push_back(line);
  log_.writeLog(kUnattendedLogLabel, 0, 0, "not shown: " + line);
  return defaultAnswer(style);
}

void UnattendedPrompter::setQuiet(bool quiet) {
  if (quiet && !quiet_) messages_.clear();
  quiet_ = quiet;
}

RunLockScope::RunLockScope(platform::RunLock* lock, ui::Prompter& prompter)
    : lock_(lock), held_(!lock || lock->tryAcquire()) {
  if (!held_) prompter.messageBox(kBusyMessage, "Info", ui::mb::kOk | ui::mb::kIconInformation);
}

std::string messagesSection(const std::vector<std::string>& messages) {
  if (messages.empty()) return "";
  std::string text = "\r\nMessages not shown, since nobody was asked (" +
                     std::to_string(messages.size()) + "):\r\n";
  for (const std::string& m : messages) text += "  " + m + "\r\n";
  return text;
}

}  // namespace vorn
