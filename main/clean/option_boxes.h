#pragma once
// The cleaning-option check boxes as the engines and the run frame see them: five areas
// of boxes, each with a value (0 or 1) and an enabled state. The main window implements
// this over its check-box arrays; PlainOptionBoxes holds plain values.
#include <array>
#include <string>
#include <vector>

namespace vorn {

// Area codes, as the run frame's fixCheckboxes takes them.
namespace area {
inline constexpr int kIE = 1;
inline constexpr int kNetscape = 2;
inline constexpr int kOpera = 3;
inline constexpr int kWindows = 4;
inline constexpr int kUserDefined = 5;
inline constexpr int kAll = 9;
}  // namespace area

// The boxes of an area: Internet Explorer 5, Netscape 4, Opera 4, Windows 8, user-defined 4;
// 0 for any other code.
int optionCount(int areaCode);

class OptionBoxes {
 public:
  virtual ~OptionBoxes() = default;
  virtual int value(int areaCode, int index) = 0;
  virtual bool enabled(int areaCode, int index) = 0;
  // Setting a value from code counts as a click: the window runs the box's handler.
  virtual void setValue(int areaCode, int index, int value) = 0;
  // What the box says, for the report of a run; plain boxes say nothing.
  virtual std::string caption(int /*areaCode*/, int /*index*/) { return {}; }

  // The engines' guards: "checked" is any value but 0.
  bool checked(int areaCode, int index) { return value(areaCode, index) != 0; }
};

class PlainOptionBoxes : public OptionBoxes {
 public:
  struct Box {
    int value = 0;
    bool enabled = true;
  };
  PlainOptionBoxes();
  int value(int areaCode, int index) override { return box(areaCode, index).value; }
  bool enabled(int areaCode, int index) override { return box(areaCode, index).enabled; }
  void setValue(int areaCode, int index, int v) override { box(areaCode, index).value = v; }

  // Ticks the listed boxes of an area (test set-up).
  void check(int areaCode, std::initializer_list<int> indexes);
  Box& box(int areaCode, int index);

 private:
  std::array<std::vector<Box>, 6> areas_;
};

}  // namespace vorn
