#pragma once
// Freed disk space of the last four cleaning runs: four chart rows (value and label), the
// slot the next run writes, and their storage in [Statistics] of mainten.ini. The
// chart on the Statistics page draws these rows; it holds no copy of its own.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/session_log.h"
#include "common/settings.h"

namespace vorn {

struct ChartRow {
  std::string value;  // freed kilobytes, decimal text
  std::string label;  // date and time of the run
};

// Free space in kilobytes to the nearest whole number (ties to even). 64 bits wide: a
// drive with more than 2 TB free would overflow the 32-bit value of old.
std::int64_t wholeKilobytes(double kilobytes);

class Statistics {
 public:
  static constexpr int kRows = 4;
  static constexpr int kFull = 5;  // every row filled: the next run shifts first

  // `freeSpaceKB` reads the free space of "C:\" (0 when the query fails).
  Statistics(common::Settings& settings, common::SessionLog& log, std::string iniPath,
             std::function<double()> freeSpaceKB);

  // Loads the slot and the rows from the settings file (at start-up).
  void getStatistics();
  // Records a finished run: the change of free space since `freeSpaceBefore`, labelled
  // with `lastCleanedText`. Takes the new reading into `freeSpaceAfter` and moves it
  // on into `freeSpaceBefore`.
  void updateGraph(std::int64_t& freeSpaceBefore, std::int64_t& freeSpaceAfter,
                   const std::string& lastCleanedText);
  // What the run itself removed, in bytes, where that is known (the run's report). The
  // chart then shows it, and the change of free space, which every other program
  // writing to the disk at the same time distorts, only goes to the log.
  void setFreedBytes(std::function<std::optional<std::uint64_t>()> freedBytes) {
    freedBytes_ = std::move(freedBytes);
  }
  // Drops the oldest row: rows 2..4 move up one, the slot becomes 4.
  void fixGraphData();

  const std::array<ChartRow, kRows>& rows() const { return rows_; }
  int statisticsSlot() const { return slot_; }
  // Runs whenever the rows change, so the chart can redraw.
  std::function<void()> changed;

 private:
  ChartRow& row(int number);
  void notify();

  common::Settings& settings_;
  common::SessionLog& log_;
  std::string ini_;
  std::function<std::optional<std::uint64_t>()> freedBytes_;
  std::function<double()> freeSpaceKB_;
  std::array<ChartRow, kRows> rows_{};
  int slot_ = 1;
};

}  // namespace vorn
