#include "ui/button.h"

namespace ui {

bool Button::click() {
  if (!enabled() || !visible() || !onClick) return false;
  // A copy: the handler may replace itself.
  auto handler = onClick;
  handler();
  return true;
}

}  // namespace ui
