#include "main/clean/option_boxes.h"

#include "common/run_error.h"

namespace vorn {

int optionCount(int areaCode) {
  switch (areaCode) {
    case area::kIE:
      return 5;
    case area::kNetscape:
    case area::kOpera:
    case area::kUserDefined:
      return 4;
    case area::kWindows:
      return 8;
    default:
      return 0;
  }
}

PlainOptionBoxes::PlainOptionBoxes() {
  for (int a = 1; a <= 5; ++a) areas_[a].resize(optionCount(a));
}

PlainOptionBoxes::Box& PlainOptionBoxes::box(int areaCode, int index) {
  if (areaCode < 1 || areaCode > 5 || index < 0 || index >= optionCount(areaCode))
    common::raise(common::errnum::kSubscript);
  return areas_[areaCode][index];
}

void PlainOptionBoxes::check(int areaCode, std::initializer_list<int> indexes) {
  for (int i : indexes) box(areaCode, i).value = 1;
}

}  // namespace vorn
