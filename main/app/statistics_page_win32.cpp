#include "main/app/page_view_win32.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/chart_binding.h"

namespace vorn {

using namespace ui::win32;

void buildPageView(PageViewSite& site, StatisticsPage& m) {
  PageControls& c = site.controls;
  HWND page = site.panel;
  c.anchor(c.add<ChartBinding>(page, m.recoveredSpaceChart, {8, 6, 604, 356}).hwnd(),
           Anchors::kGrow);
  c.anchor(c.add<ButtonBinding>(page, m.cleaningDetailsButton, {452, 370, 160, 26}).hwnd(),
           Anchors::kDown | Anchors::kRight);
}

}  // namespace vorn
