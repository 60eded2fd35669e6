#pragma once
// The Statistics page of the main window: the space recovered by the last cleanings.
#include "main/app/main_page.h"
#include "ui/button.h"
#include "ui/chart.h"

namespace vorn {

class StatisticsPage {
 public:
  static constexpr PageNavigation kNavigation{"4a", "S&tatistics", "Statistics"};
  explicit StatisticsPage(const PageContext&) {}
  StatisticsPage(const StatisticsPage&) = delete;

  static constexpr int kRows = 4;
  ui::Chart recoveredSpaceChart{"recoveredSpaceChart", "Recovered Hard-Drive Space (KB)", kRows};
  // Opens the report of what the last cleaning removed.
  ui::Button cleaningDetailsButton{"cleaningDetailsButton", "&Last Cleaning Details"};
};

void buildPageView(PageViewSite& site, StatisticsPage& page);

}  // namespace vorn
