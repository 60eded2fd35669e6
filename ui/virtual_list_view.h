#pragma once
// A report list whose items live in the model, not in the control: the view asks for
// the texts of the rows it draws, so a list of any length shows at once.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class VirtualListView : public Control {
 public:
  struct Column {
    std::string title;
    int width = 100;  // in pixels
    bool rightAligned = false;
  };

  using Control::Control;

  // The text of a row's column; asked for by the view as rows come into sight.
  std::function<std::string(int row, int column)> textOf;
  // Runs with the column's position (0 for the first) when the user clicks its header.
  std::function<void(int column)> onColumnClick;

  void setColumns(std::vector<Column> columns);
  const std::vector<Column>& columns() const { return columns_; }

  int rowCount() const { return rows_; }
  // The number of rows; every row is drawn anew.
  void setRowCount(int rows);
  // The rows' texts changed (they were sorted): every row is drawn anew.
  void refresh() { notify(Change::Items); }
  std::string text(int row, int column) const {
    return textOf && row >= 0 && row < rows_ ? textOf(row, column) : std::string();
  }

  // Called by the view.
  void userColumnClicked(int column) {
    if (onColumnClick) onColumnClick(column);
  }

 private:
  std::vector<Column> columns_;
  int rows_ = 0;
};

}  // namespace ui
