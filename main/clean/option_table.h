#pragma once
// The cleaning options, declared once. Each row is one check box of the Clean page: which
// area it belongs to, what it says, the [Rensa] key mainten.ini keeps its value under,
// the folder it cannot do without, and the id its engine looks it up by. The page builds
// and lays out its boxes from the rows, the window loads and saves them by their keys,
// the run frame counts their progress steps, and the report names them by their captions.
// To add an option, add a row here and the engine's step that asks for its id.
#include <string>
#include <string_view>
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
// The areas with option boxes, in the order the page and "Clean All" take them.
inline constexpr int kWithOptions[] = {kIE, kNetscape, kOpera, kWindows, kUserDefined};
}  // namespace area

struct OptionRow {
  const char* id;       // the engine's look-up
  int area;             // area code
  const char* caption;  // the box's text; the user-defined boxes take their lists' names
  const char* key;      // under [Rensa] in mainten.ini
  // The path role whose folder must be found for the box to be usable ("" for none: the
  // browsers' boxes follow their whole area's paths).
  const char* needs = "";
  int column = 0;  // the column of the area's tab it stands in
};

class OptionTable {
 public:
  explicit OptionTable(std::vector<OptionRow> rows) : rows_(std::move(rows)) {}

  // The program's own options, in the order of their stored keys.
  static const OptionTable& standard();

  int size() const { return static_cast<int>(rows_.size()); }
  // The row at a position of the whole table (the stored order).
  const OptionRow& row(int position) const { return rows_.at(static_cast<std::size_t>(position)); }
  const std::vector<OptionRow>& rows() const { return rows_; }

  // The boxes of an area; 0 for a code without options.
  int count(int areaCode) const;
  // The row of an area's box, counted from 0 within the area; null when there is none.
  const OptionRow* find(int areaCode, int index) const;
  // The area code and index within it of the option with this id; raises 9 (Subscript
  // out of range) for an id no row has, so a misspelt look-up fails at once.
  struct Place {
    int area;
    int index;
  };
  Place place(std::string_view id) const;
  // Position within the area of a row given by its position in the whole table.
  int indexInArea(int position) const;

 private:
  std::vector<OptionRow> rows_;
};

// The boxes of an area in the program's own table.
inline int optionCount(int areaCode) {
  return OptionTable::standard().count(areaCode);
}

}  // namespace vorn
