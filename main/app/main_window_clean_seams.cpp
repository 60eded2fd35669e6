#include "main/app/main_window_clean_seams.h"

#include <cmath>

#include "ui/mnemonic.h"

namespace vorn {

void MainWindowRunView::setStatusText(const std::string& text) {
  w_.statusBar.setSimpleText(text);
}

float MainWindowRunView::progressValue() {
  return static_cast<float>(w_.clean.progressBar.value());
}

void MainWindowRunView::setProgressValue(float value) {
  w_.clean.progressBar.setValue(static_cast<int>(std::lround(value)));
  w_.services().screen.doEvents();
}

void MainWindowRunView::setProgressMax(float maximum) {
  w_.clean.progressBar.setRange(w_.clean.progressBar.min(), static_cast<int>(std::lround(maximum)));
}

void MainWindowRunView::startAnimation(int intervalMs) {
  w_.statusAnimationTimer.setInterval(intervalMs);
  w_.statusAnimationTimer.setEnabled(true);
}

void MainWindowRunView::stopAnimation() {
  w_.statusAnimationTimer.setInterval(0);
  w_.statusAnimationTimer.setEnabled(false);
}

void MainWindowRunView::setBusyPointer(bool busy) {
  w_.services().screen.setMousePointer(busy ? ui::Pointer::Hourglass : ui::Pointer::Default);
}

bool MainWindowRunView::closeAfterCleaning() {
  return w_.maintenance.closeAfterCleaningBox.value() == ui::CheckBox::kChecked;
}

void MainWindowRunView::closeMainWindow() {
  w_.services().windows.close(w_);
}

ui::CheckBox* MainWindowOptionBoxes::box(int areaCode, int index) {
  ControlArray<ui::CheckBox>* boxes = w_.clean.options(areaCode);
  if (!boxes || index < 0 || index >= static_cast<int>(boxes->size())) return nullptr;
  return &(*boxes)[static_cast<std::size_t>(index)];
}

int MainWindowOptionBoxes::value(int areaCode, int index) {
  ui::CheckBox* b = box(areaCode, index);
  return b ? b->value() : 0;
}

std::string MainWindowOptionBoxes::caption(int areaCode, int index) {
  ui::CheckBox* b = box(areaCode, index);
  // The report and the questions name the option as text, without its access key.
  return b ? ui::withoutMnemonic(b->caption()) : std::string();
}

bool MainWindowOptionBoxes::enabled(int areaCode, int index) {
  ui::CheckBox* b = box(areaCode, index);
  return b && b->enabled();
}

void MainWindowOptionBoxes::setValue(int areaCode, int index, int value) {
  if (ui::CheckBox* b = box(areaCode, index)) b->setValue(value);
}

}  // namespace vorn
