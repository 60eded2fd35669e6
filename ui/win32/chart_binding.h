#pragma once
// A chart as a window of its own that draws the title and one labelled bar per row.
#include "ui/chart.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ChartBinding : public ControlBinding {
 public:
  ChartBinding(Chart& model, HWND parent, int id, Rect place);

 protected:
  void update(Change what) override;
};

}  // namespace ui::win32
