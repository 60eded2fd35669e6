#pragma once
// The Statistics page of the main window: the space recovered by the last cleanings.
#include "ui/button.h"
#include "ui/chart.h"

namespace vorn {

class StatisticsPage {
 public:
  static constexpr int kRows = 4;
  ui::Chart recoveredSpaceChart{"recoveredSpaceChart", "Recovered Hard-Drive Space (KB)", kRows};
  // Opens the report of what the last cleaning removed.
  ui::Button cleaningDetailsButton{"cleaningDetailsButton", "&Last Cleaning Details"};
};

}  // namespace vorn
