#pragma once
// The operations of the other subsystems that the main window calls: the load handler's
// steps and the commands behind its buttons. Each subsystem fills its members when it is
// wired in; an empty member does nothing, so the window works before all are built.
#include <functional>

namespace vorn {

struct Child8Operations {
  using Op = std::function<void()>;

  // Load handler, in the order it calls them.
  Op findPath;  // inside loadSettings, when [Path] Detect is "0"
  Op fixPlugins, fixUserDef, fixPath, fixSliderSettings, listCookiestoSave, getStatistics;

  // Clean page.
  Op cmdRensaIE, cmdRensaNets, cmdRensaOpera, cmdRensaWin, RensaEgendef, Command21;
  Op Command25;  // Clean All
  Op Command23;  // user-defined lists editor
  Op Command1, Command2, Command3, cmdIECookies, cmdNetCookies, Command4, Command5;  // View

  // Path page.
  Op cmdIEHitta, cmdIESpara, Command10, Command11, Command12, Command13, Command14, Command15;
  Op Command19, Command17;  // user-defined list Add / Remove

  // Maintenance page.
  Op Command18;      // start automatic cleaning
  Op Check7;         // auto-start entry follows Check7
  Op Slider1Change;  // safety level moved
};

inline void runOp(const std::function<void()>& op) {
  if (op) op();
}

}  // namespace vorn
