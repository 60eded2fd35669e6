#pragma once
// The report of what one cleaning run removed (or, for an analysis, would remove): the
// totals first, then per area the items of each kind, largest first, and what could not
// be removed with the reason.
#include <cstdint>
#include <string>
#include <vector>

#include "common/conversions.h"
#include "platform/change_recorder.h"

namespace vorn {

inline constexpr const char* kReportFile = "vorn-report.txt";

// "512 bytes", "1.5 KB", "23.4 MB", "2.0 GB".
std::string sizeText(std::uint64_t bytes);
using common::countText;

struct ReportTotals {
  std::uint64_t files = 0, bytes = 0, folders = 0, links = 0, values = 0, keys = 0, rewritten = 0,
                overwritten = 0, shellDeletes = 0, cacheEntries = 0, failed = 0;
};
ReportTotals reportTotals(const std::vector<platform::RecordedChange>& changes);
// The totals of a run as its report states them, which the done message and the chart
// repeat: a cookie file overwritten, cut and removed counts once, at its first size.
ReportTotals runTotals(const std::vector<platform::RecordedChange>& recorded);
// "23.4 MB in 1,204 files, 37 registry values", with the other counts only where not 0.
std::string totalsLine(const ReportTotals& totals);

// One item as the report lists it: a cookie file's overwrite passes and its removal are
// one item, at the size the file had before the first pass.
struct ReportItem {
  platform::RecordedChange change;
  int passes = 0;  // overwrite passes merged into the item
};
// The items in the report's order: areas and their options in the order they ran (what
// ran outside any option first), within each the items done by kind, largest first, then
// those not done.
std::vector<ReportItem> reportItems(const std::vector<platform::RecordedChange>& changes);
// The words the report heads a kind of item with ("Files", "Registry values").
std::string kindTitle(platform::RecordedChange::Kind kind);
// How an item is named; the bins of every drive have no path of their own.
std::string itemName(const platform::RecordedChange& change);
// "2.0 KB" for the kinds that have a size, empty for the others.
std::string itemSizeText(const ReportItem& item);
// What became of the item: "would remove" or "removed" (with its overwrite passes), or,
// for an item not done, the reason as the report words it.
std::string outcomeText(const ReportItem& item, bool analysis);

// `heading` names the run ("Cleaning of 12/8/2026 12:19:12 AM").
std::string cleaningReportText(const std::vector<platform::RecordedChange>& changes,
                               const std::string& heading, bool analysis);

}  // namespace vorn
