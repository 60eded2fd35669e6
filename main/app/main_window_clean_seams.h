#pragma once
// The main window as the cleaning engines see it: the run frame's view over the status
// bar, the progress bar, statusAnimationTimer, the pointer and "Close application after cleaning",
// and the option boxes over the Clean page's boxes.
#include "main/app/main_window.h"
#include "main/clean/option_boxes.h"
#include "main/clean/run_frame.h"

namespace vorn {

class MainWindowRunView : public RunView {
 public:
  explicit MainWindowRunView(MainWindow& window) : w_(window) {}
  void setStatusText(const std::string& text) override;
  float progressValue() override;
  // Lets the window repaint, so the bar moves while the run goes on.
  void setProgressValue(float value) override;
  void setProgressMax(float maximum) override;
  void startAnimation(int intervalMs) override;
  void stopAnimation() override;
  void setBusyPointer(bool busy) override;
  bool closeAfterCleaning() override;
  void closeMainWindow() override;

 private:
  MainWindow& w_;
};

class MainWindowOptionBoxes : public OptionBoxes {
 public:
  explicit MainWindowOptionBoxes(MainWindow& window)
      : OptionBoxes(window.clean.optionTable), w_(window) {}
  int value(int areaCode, int index) override;
  bool enabled(int areaCode, int index) override;
  void setValue(int areaCode, int index, int value) override;
  std::string caption(int areaCode, int index) override;

 private:
  // The box, or null for an area or index the page does not have.
  ui::CheckBox* box(int areaCode, int index);
  MainWindow& w_;
};

}  // namespace vorn
