#include "main/dialogs/cookie_text.h"

#include <cstdint>
#include <vector>

#include "common/conversions.h"
#include "common/text_lines.h"
#include "platform/file_time.h"

namespace vorn {
namespace {

// Seconds from 1601-01-01 (file time) to 1970-01-01 (the Unix time Netscape stores).
constexpr std::uint64_t kUnixEpochSeconds = 11644473600ULL;

std::string expiryText(platform::FileTime time, platform::Clock& clock) {
  return clock.generalDate(clock.toLocal(time));
}

std::vector<std::string> tabFields(const std::string& record) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = record.find('\t', start);
    fields.push_back(record.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

}  // namespace

std::string ieCookieInformation(const std::string& fileText, platform::Clock& clock) {
  const std::vector<std::string> lines = common::splitLines(fileText);
  const std::string asItStands = common::joinLines(lines);
  // Each record: name, value, site and path, flags, expiry (low, high), creation (low,
  // high), then "*".
  std::string shown;
  std::size_t i = 0;
  for (; i + 9 <= lines.size(); i += 9) {
    std::uint64_t low = 0, high = 0;
    if (lines[i + 8] != "*" || !common::readDigits(lines[i + 4], low) ||
        !common::readDigits(lines[i + 5], high) || low > 0xFFFFFFFFULL || high > 0xFFFFFFFFULL)
      return asItStands;
    if (!shown.empty()) shown += "\r\n";
    shown += "Site: " + lines[i + 2] + "\r\nName: " + lines[i] + "\r\nValue: " + lines[i + 1] +
             "\r\nExpires: " + expiryText((high << 32) | low, clock) + "\r\n";
  }
  if (shown.empty() || i != lines.size()) return asItStands;
  return shown;
}

std::string netscapeCookieRow(const std::string& record, platform::Clock& clock) {
  const std::vector<std::string> f = tabFields(record);
  std::uint64_t seconds = 0;
  if (f.size() != 7 || !common::readDigits(f[4], seconds)) return record;
  const std::string expires =
      seconds == 0 ? std::string("end of session")
                   : expiryText((seconds + kUnixEpochSeconds) * platform::kTicksPerSecond, clock);
  return f[0] + "\t" + f[2] + "\t" + f[5] + "\t" + f[6] + "\t" + expires;
}

}  // namespace vorn
