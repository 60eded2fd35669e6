#include "common/session_log.h"

#include "platform/dir_lookup.h"

namespace common {

SessionLog::SessionLog(platform::Files& files, platform::Clock& clock,
                       std::function<std::string()> folder)
    : files_(files), clock_(clock), folder_(std::move(folder)) {}

std::string SessionLog::path() const {
  return folder_() + "\\" + kFileName;
}

std::string SessionLog::message(const std::string& label, std::int16_t step,
                                std::int16_t errorNumber, const std::string& description) {
  return label + " at line " + std::to_string(step) + " - " + description + " (" +
         std::to_string(errorNumber) + ")";
}

void SessionLog::writeLog(const std::string& label, std::int16_t step, std::int16_t errorNumber,
                          const std::string& description) noexcept {
  try {
    const std::string file = path();
    const std::string stamp = clock_.generalDate(clock_.now());
    // A log that does not exist yet counts as empty; the append creates it.
    std::uint64_t length = 0;
    files_.find(file, [&](const platform::FindData& d) {
      length = d.size;
      return false;
    });
    bool ok = true;
    if (length > kLimitBytes)
      ok = files_.writeFile(file, "Truncated " + stamp + "\r\n") == platform::err::kSuccess;
    const std::string record =
        "\"" + stamp + "\t" + message(label, step, errorNumber, description) + "\"\r\n";
    ok = files_.appendFile(file, record) == platform::err::kSuccess && ok;
    if (!ok) ++dropped_;
  } catch (...) {
    ++dropped_;
  }
}

}  // namespace common
