#pragma once
// A bar chart with a title and labelled rows, one value per row.
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

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
