#include "main/app/child8_clean_seams.h"

#include <cmath>

namespace vorn {

void Child8RunView::setStatusText(const std::string& text) { w_.StatusBar1.setSimpleText(text); }

float Child8RunView::progressValue() { return static_cast<float>(w_.ProgressBar1.value()); }

void Child8RunView::setProgressValue(float value) {
  w_.ProgressBar1.setValue(static_cast<int>(std::lround(value)));
  w_.services().screen.doEvents();
}

void Child8RunView::setProgressMax(float maximum) {
  w_.ProgressBar1.setRange(w_.ProgressBar1.min(), static_cast<int>(std::lround(maximum)));
}

void Child8RunView::startAnimation(int intervalMs) {
  w_.Timer2.setInterval(intervalMs);
  w_.Timer2.setEnabled(true);
}

void Child8RunView::stopAnimation() {
  w_.Timer2.setInterval(0);
  w_.Timer2.setEnabled(false);
}

void Child8RunView::setBusyPointer(bool busy) {
  w_.services().screen.setMousePointer(busy ? ui::Pointer::Hourglass : ui::Pointer::Default);
}

bool Child8RunView::closeAfterCleaning() { return w_.chkAvsluta.value() == ui::CheckBox::kChecked; }

void Child8RunView::closeMainWindow() { w_.services().windows.close(w_); }

ui::CheckBox* Child8OptionBoxes::box(int areaCode, int index) {
  ControlArray<ui::CheckBox>* boxes = nullptr;
  switch (areaCode) {
    case area::kIE: boxes = &w_.chkIE; break;
    case area::kNetscape: boxes = &w_.chkNetscape; break;
    case area::kOpera: boxes = &w_.chkOpera; break;
    case area::kWindows: boxes = &w_.chkWindows; break;
    case area::kUserDefined: boxes = &w_.chkEgendef; break;
    default: return nullptr;
  }
  if (index < 0 || index >= static_cast<int>(boxes->size())) return nullptr;
  return &(*boxes)[static_cast<std::size_t>(index)];
}

int Child8OptionBoxes::value(int areaCode, int index) {
  ui::CheckBox* b = box(areaCode, index);
  return b ? b->value() : 0;
}

bool Child8OptionBoxes::enabled(int areaCode, int index) {
  ui::CheckBox* b = box(areaCode, index);
  return b && b->enabled();
}

void Child8OptionBoxes::setValue(int areaCode, int index, int value) {
  if (ui::CheckBox* b = box(areaCode, index)) b->setValue(value);
}

}  // namespace vorn
