#pragma once
// Whether automatic cleaning is switched on. Engines that must behave differently during
// unattended runs read it through this query; only the automatic cleaning changes it.
namespace vorn {

class AutomaticCleaningState {
 public:
  virtual ~AutomaticCleaningState() = default;
  // True from "Start Automatic Cleaning" until "Stop Automatic Cleaning" or the end of
  // the program, whether the window is in the tray or restored.
  virtual bool automaticCleaningOn() const = 0;
};

}  // namespace vorn
