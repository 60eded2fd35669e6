#pragma once
// The cleaning-option check boxes as the engines and the run frame see them: five areas
// of boxes, each with a value (0 or 1) and an enabled state. The main window implements
// this over the Clean page's boxes; which boxes there are comes from an option table.
#include <string>
#include <string_view>

#include "main/clean/option_table.h"

namespace vorn {

class OptionBoxes {
 public:
  explicit OptionBoxes(const OptionTable& table = OptionTable::standard()) : table_(table) {}
  virtual ~OptionBoxes() = default;
  virtual int value(int areaCode, int index) = 0;
  virtual bool enabled(int areaCode, int index) = 0;
  // Setting a value from code counts as a click: the window runs the box's handler.
  virtual void setValue(int areaCode, int index, int value) = 0;
  // What the box says, for the report of a run; plain boxes say nothing.
  virtual std::string caption(int /*areaCode*/, int /*index*/) { return {}; }

  // The rows these boxes were made from.
  const OptionTable& options() const { return table_; }
  OptionTable::Place place(std::string_view id) const { return table_.place(id); }

  // The engines' guards: "checked" is any value but 0.
  bool checked(int areaCode, int index) { return value(areaCode, index) != 0; }
  // The same by the option's id in the table.
  int valueOf(std::string_view id) {
    const OptionTable::Place p = place(id);
    return value(p.area, p.index);
  }
  bool checked(std::string_view id) { return valueOf(id) != 0; }
  // Ticked and not greyed out for a missing folder.
  bool usable(std::string_view id) {
    const OptionTable::Place p = place(id);
    return checked(p.area, p.index) && enabled(p.area, p.index);
  }

 private:
  const OptionTable& table_;
};

}  // namespace vorn
