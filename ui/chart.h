#pragma once
// A bar chart with a title and labelled rows, one value per row.
#include <string>
#include <vector>

#include "common/conversions.h"
#include "ui/control.h"

namespace ui {

// A stored whole number as the chart shows it, in groups of three digits ("98,919");
// anything else as it stands.
inline std::string groupedDigits(const std::string& stored) {
  std::uint64_t value = 0;
  return common::readDigits(stored, value) ? common::countText(value) : stored;
}

// A row's label as the chart shows it: the date over the time, so that the labels of
// neighbouring rows never run into each other.
inline std::string stackedLabel(const std::string& label) {
  std::string shown = label;
  const std::size_t space = shown.find(' ');
  if (space != std::string::npos) shown[space] = '\n';
  return shown;
}

class Chart : public Control {
 public:
  struct Row {
    std::string label;
    std::string value;  // as the chart shows and the settings file stores it
  };

  Chart(std::string name, std::string title, int rows)
      : Control(std::move(name), std::move(title)), rows_(static_cast<std::size_t>(rows)) {}

  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Rows are numbered from 1, as the chart control numbers them.
  const Row& row(int n) const { return rows_.at(static_cast<std::size_t>(n - 1)); }
  void setRow(int n, const std::string& label, const std::string& value) {
    rows_.at(static_cast<std::size_t>(n - 1)) = {label, value};
    notify(Change::Items);
  }

 private:
  std::vector<Row> rows_;
};

}  // namespace ui
