#pragma once
// Option boxes as plain values, for engines tested without a window.
#include <initializer_list>
#include <map>
#include <utility>

#include "common/run_error.h"
#include "main/clean/option_boxes.h"

namespace vorn {

class PlainOptionBoxes : public OptionBoxes {
 public:
  struct Box {
    int value = 0;
    bool enabled = true;
  };
  explicit PlainOptionBoxes(const OptionTable& table = OptionTable::standard())
      : OptionBoxes(table) {}
  int value(int areaCode, int index) override { return box(areaCode, index).value; }
  bool enabled(int areaCode, int index) override { return box(areaCode, index).enabled; }
  void setValue(int areaCode, int index, int v) override { box(areaCode, index).value = v; }

  // Ticks the listed boxes of an area (test set-up).
  void check(int areaCode, std::initializer_list<int> indexes) {
    for (int i : indexes) box(areaCode, i).value = 1;
  }
  Box& box(int areaCode, int index) {
    if (!options().find(areaCode, index)) common::raise(common::errnum::kSubscript);
    return boxes_[{areaCode, index}];
  }

 private:
  std::map<std::pair<int, int>, Box> boxes_;
};

}  // namespace vorn
