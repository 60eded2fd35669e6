#pragma once
// The report of what one cleaning run removed (or, for an analysis, would remove): the
// totals first, then per area the items of each kind, largest first, and what could not
// be removed with the reason.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/change_recorder.h"

namespace vorn {

inline constexpr const char* kReportFile = "vorn-report.txt";

// "512 bytes", "1.5 KB", "23.4 MB", "2.0 GB".
std::string sizeText(std::uint64_t bytes);
// "1,204": digits grouped by threes.
std::string countText(std::uint64_t count);

struct ReportTotals {
  std::uint64_t files = 0, bytes = 0, folders = 0, links = 0, values = 0, keys = 0, rewritten = 0,
                overwritten = 0, shellDeletes = 0, failed = 0;
};
ReportTotals reportTotals(const std::vector<platform::RecordedChange>& changes);
// "23.4 MB in 1,204 files, 37 registry values", with the other counts only where not 0.
std::string totalsLine(const ReportTotals& totals);

// `heading` names the run ("Cleaning of 12/8/2026 12:19:12 AM").
std::string cleaningReportText(const std::vector<platform::RecordedChange>& changes,
                               const std::string& heading, bool analysis);

}  // namespace vorn
