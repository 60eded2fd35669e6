#pragma once
// A list of items with a small icon and several text columns, shown as a plain list or
// as a report with column headers, optionally sorted by one column's text. Icons come
// from the list's image list: pictures stored under keys, each a position in the
// system's small-icon list, so items of one key share one picture.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ListView : public Control {
 public:
  enum class View { List, Report };
  enum class SortOrder { Ascending, Descending };

  struct Column {
    std::string title;
    int width = 100;  // in pixels, in the report view
  };
  struct Item {
    std::vector<std::string> texts;  // one per column; the first is the item's name
    std::string iconKey;
  };

  using Control::Control;

  // Runs with the column's position (0 for the first) when the user clicks its header.
  std::function<void(int column)> onColumnClick;
  std::function<void()> onDoubleClick;
  // The right mouse button was released over the list.
  std::function<void()> onRightButtonUp;

  void addColumn(const std::string& title, int width);
  const std::vector<Column>& columns() const { return columns_; }

  // The image list.
  void clearImages();
  void addImage(const std::string& key, int systemIcon);
  bool hasImage(const std::string& key) const;
  // The system icon position stored under `key`, -1 for a key with no picture.
  int imageOf(const std::string& key) const;
  const std::vector<std::pair<std::string, int>>& images() const { return images_; }

  // Adds an item; a sorted list puts it in its place (after the items it equals).
  void addItem(Item item);
  // Where the last added item went.
  int lastAdded() const { return lastAdded_; }
  void clearItems();
  const std::vector<Item>& items() const { return items_; }
  int listCount() const { return static_cast<int>(items_.size()); }
  // A column's text of an item, empty where the item has none.
  std::string text(int item, int column) const;
  // Shows the items added so far at once.
  void redraw();

  // The selected item's position, -1 for none; it follows its item through sorting.
  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int index);

  View view() const { return view_; }
  // Views hear of it as Change::Range.
  void setView(View view);

  // Sorting compares the key column's texts, ignoring case; equal texts keep their order.
  int sortKey() const { return sortKey_; }
  SortOrder sortOrder() const { return sortOrder_; }
  bool sorted() const { return sorted_; }
  void setSortKey(int column);
  void setSortOrder(SortOrder order);
  void setSorted(bool sorted);

  // Called by the view for the user's actions.
  void userSelected(int index);
  void userColumnClicked(int column);
  void userDoubleClicked();
  void userRightButtonUp();

 private:
  void sortItems();
  bool before(const Item& a, const Item& b) const;  // a sorts before b
  std::vector<Column> columns_;
  std::vector<std::pair<std::string, int>> images_;
  std::vector<Item> items_;
  int selected_ = -1;
  int lastAdded_ = -1;
  View view_ = View::List;
  int sortKey_ = 0;
  SortOrder sortOrder_ = SortOrder::Ascending;
  bool sorted_ = false;
};

}  // namespace ui
