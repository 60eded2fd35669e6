#include "ui/virtual_list_view.h"

namespace ui {

void VirtualListView::setColumns(std::vector<Column> columns) {
  columns_ = std::move(columns);
  notify(Change::Range);
}

void VirtualListView::setRowCount(int rows) {
  rows_ = rows < 0 ? 0 : rows;
  notify(Change::Items);
}

}  // namespace ui
