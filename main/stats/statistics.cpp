#include "main/stats/statistics.h"

#include <cmath>
#include <limits>

#include "common/conversions.h"
#include "common/error_trap.h"
#include "common/run_error.h"

namespace vorn {
namespace {
constexpr const char* kSection = "Statistics";
}

std::int64_t wholeKilobytes(double kilobytes) {
  if (!std::isfinite(kilobytes) || std::fabs(kilobytes) > 9.0e15)
    common::raise(common::errnum::kOverflow);
  return static_cast<std::int64_t>(std::nearbyint(kilobytes));
}

Statistics::Statistics(common::Settings& settings, common::SessionLog& log, std::string iniPath,
                       std::function<double()> freeSpaceKB)
    : settings_(settings),
      log_(log),
      ini_(std::move(iniPath)),
      freeSpaceKB_(std::move(freeSpaceKB)) {}

ChartRow& Statistics::row(int number) {
  if (number < 1 || number > kRows) common::raise(common::errnum::kSubscript);
  return rows_[number - 1];
}

void Statistics::notify() {
  if (changed) changed();
}

void Statistics::getStatistics() {
  common::ErrorTrap trap(log_, "getStatistics");
  trap.run([&] {
    const int stored = common::toInteger(settings_.getini(kSection, "Current", ini_));
    // A slot outside the chart starts over at the first row.
    slot_ = stored >= 1 && stored <= kFull ? stored : 1;
  });
  trap.run([&] {
    for (int i = 1; i <= kRows; ++i) {
      const std::string n = std::to_string(i);
      rows_[i - 1] = {settings_.getini(kSection, "Size" + n, ini_),
                      settings_.getini(kSection, "Date" + n, ini_)};
    }
    notify();
  });
}

void Statistics::updateGraph(std::int64_t& freeSpaceBefore, std::int64_t& freeSpaceAfter,
                             const std::string& lastCleanedText) {
  common::ErrorTrap trap(log_, "updateGraph");
  std::string freed;
  trap.step = 1;
  trap.runStep([&] { freeSpaceAfter = wholeKilobytes(freeSpaceKB_ ? freeSpaceKB_() : 0); });
  trap.runStep([&] { freed = std::to_string(freeSpaceBefore - freeSpaceAfter); });
  // The size of the change, whichever way the free space moved.
  trap.runStep([&] {
    if (!freed.empty() && freed[0] == '-') freed.erase(0, 1);
  });
  trap.runStep([&] {
    const std::optional<std::uint64_t> bytes = freedBytes_ ? freedBytes_() : std::nullopt;
    if (!bytes) return;
    log_.writeLog("updateGraph", 0, 0, "free space of C:\\ changed by " + freed + " KB");
    // Whole kilobytes, a started one counting: a run that removed anything shows.
    freed = std::to_string((*bytes + 1023) / 1024);
  });
  trap.runStep([&] {
    if (slot_ == kFull) fixGraphData();
  });
  trap.runStep([&] {
    ChartRow& r = row(slot_);
    r.value = freed;
    r.label = lastCleanedText;
  });
  trap.runStep([&] { freeSpaceBefore = freeSpaceAfter; });
  trap.runStep([&] {
    if (slot_ < kFull) ++slot_;
  });
  notify();
}

void Statistics::fixGraphData() {
  common::ErrorTrap trap(log_, "fixGraphData");
  trap.run([&] {
    for (int i = 2; i <= kRows; ++i) row(i - 1) = row(i);
  });
  slot_ = kRows;
}

}  // namespace vorn
