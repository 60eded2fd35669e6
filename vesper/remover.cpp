#include "vesper/remover.h"

#include <cctype>
#include <vector>

#include "common/conversions.h"
#include "common/error_trap.h"
#include "common/full_path.h"
#include "common/history_folders.h"
#include "common/index_folders.h"
#include "common/ini_text.h"
#include "common/run_error.h"
#include "common/settings.h"

namespace vesper {
namespace {

constexpr const char* kLabel = "VESPER-Main";

}  // namespace

// The log's folder is asked for on every record: the remover may be started from a
// run-once entry before anything else of the program is known.
Remover::Remover(platform::System& system)
    : system_(system), log_(system.files, system.clock, [&system] {
        return common::programFolder(system.process);
      }) {}

std::string Remover::programFile(const std::string& name) const {
  return common::programFolder(system_.process) + "\\" + name;
}

void Remover::logMain(int number, const std::string& description) {
  log_.writeLog(kLabel, static_cast<std::int16_t>(step_), static_cast<std::int16_t>(number),
                description);
}

// One statement of the main sequence: a failure is logged with the step counter and the
// last path handed to a deletion, and the run goes on.
template <class Statement>
void Remover::statement(Statement&& body) {
  try {
    body();
  } catch (const common::RunError& e) {
    logMain(e.number(), lastPath_);
  } catch (const std::exception&) {
    logMain(common::errnum::kInternal, lastPath_);
  }
}

std::string Remover::getIni(const std::string& section, const std::string& key,
                            const std::string& file) {
  std::string result;
  common::ErrorTrap trap(log_, "VESPER-getIni");
  trap.run([&] {
    std::string text;
    // A file that cannot be read has no values, as with the profile API.
    if (system_.files.readFile(file, text) != platform::err::kSuccess) return;
    std::optional<std::string> value = common::iniLookup(text, section, key);
    if (!value) return;
    result = value->substr(0, 254);
    std::size_t nul = result.find('\0');
    if (nul != std::string::npos) result.resize(nul);
  });
  return result;
}

bool Remover::checkFileName(const std::string& path) {
  bool found = false;
  common::ErrorTrap trap(log_, "VESPER-checkFileName");
  trap.run([&] { found = common::fileExists(system_.files, path); });
  return found;
}

void Remover::Main() {
  const std::string mainten = programFile("mainten.ini");
  const std::string index = programFile("index.ini");

  std::string folders[4];  // IE3, IE2, IE1, IE4
  const char* keys[4] = {"IE3", "IE2", "IE1", "IE4"};
  for (int k = 0; k < 4; ++k) {
    folders[k] = getIni("Path", keys[k], mainten);
    ++step_;
  }

  if (checkFileName(index)) {
    int count = 0;
    statement([&] { count = common::toInteger(getIni("Path", "0", index)); });
    std::vector<std::string> entries;
    statement([&] {
      if (count < 0) common::raise(common::errnum::kSubscript);
      entries.resize(static_cast<std::size_t>(count) + 1);
    });
    for (int j = 0; j < static_cast<int>(entries.size()); ++j) {
      step_ += 100;
      entries[j] = getIni("Path", std::to_string(j + 1), index);
      ++step_;
      const std::string& entry = entries[j];
      if (entry.empty()) continue;
      // The list is a file anyone may edit, and this program runs with the rights of
      // whoever starts Windows: it deletes only what the search can have recorded.
      if (!common::isIndexFileEntry(entry)) {
        logMain(common::errnum::kInvalidCall, "Skipped " + entry);
        continue;
      }
      if (checkFileName(entry)) {
        lastPath_ = entry;
        statement([&] { common::killFiles(system_.removal, entry); });
        ++step_;
      }
    }
  }

  for (const std::string& folder : folders) {
    const std::string pattern = folder + "*.dat";
    if (common::isFullPath(folder) && checkFileName(pattern)) {
      lastPath_ = pattern;
      statement([&] { common::killFiles(system_.removal, pattern); });
    }
    ++step_;
  }

  const std::string history = getIni("Path", "IE1", mainten);
  if (!common::isFullPath(history)) return;
  std::vector<std::string> historyFolders;
  statement([&] { historyFolders = common::listHistoryFolders(system_.files, history); });
  for (const std::string& folder : historyFolders) {
    lastPath_ = folder;
    statement([&] {
      // Never through a link: a history folder that is one stays, and so does its target.
      const platform::RemovalReport report = system_.removal.removeFolder(folder);
      if (!report.complete()) common::raiseWin32(report.firstError);
    });
  }
}

}  // namespace vesper
