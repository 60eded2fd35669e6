// The list view model: sorting by a column's text, items added into a sorted list, and
// the selection following its item.
#include "ui/list_view.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

std::vector<std::string> names(const ListView& v) {
  std::vector<std::string> out;
  for (int i = 0; i < v.listCount(); ++i) out.push_back(v.text(i, 0));
  return out;
}

struct Recorder : ControlView {
  void modelChanged(Control&, Change what) override { changes.push_back(what); }
  std::vector<Change> changes;
};

TEST(ListViewModel, SortsByTheKeyColumnIgnoringCaseAndKeepsEqualTextsInOrder) {
  ListView v{"v"};
  v.addColumn("Name", 100);
  v.addColumn("Type", 100);
  v.addItem({{"b", "gif"}, ""});
  v.addItem({{"A", "htm"}, ""});
  v.addItem({{"c", "GIF"}, ""});
  v.addItem({{"d"}, ""});  // no Type text: sorts as empty
  EXPECT_EQ(names(v), (std::vector<std::string>{"b", "A", "c", "d"}));  // unsorted
  v.setSortKey(1);
  v.setSorted(true);
  EXPECT_EQ(names(v), (std::vector<std::string>{"d", "b", "c", "A"}));
  v.setSortOrder(ListView::SortOrder::Descending);
  EXPECT_EQ(names(v), (std::vector<std::string>{"A", "b", "c", "d"}));
}

TEST(ListViewModel, AnItemAddedToASortedListGoesToItsPlaceAndTheSelectionFollows) {
  ListView v{"v"};
  v.addColumn("Name", 100);
  for (const char* n : {"c", "a", "e"}) v.addItem({{n}, ""});
  v.setSorted(true);
  v.setSelectedIndex(1);  // "c"
  Recorder r;
  v.bind(&r);
  v.addItem({{"b"}, ""});
  v.addItem({{"f"}, ""});
  v.bind(nullptr);
  EXPECT_EQ(names(v), (std::vector<std::string>{"a", "b", "c", "e", "f"}));
  EXPECT_EQ(v.lastAdded(), 4);
  EXPECT_EQ(v.selectedIndex(), 2);
  EXPECT_EQ(r.changes, (std::vector<Change>{Change::ItemAdded, Change::ItemAdded}));
  v.clearItems();
  EXPECT_EQ(v.selectedIndex(), -1);
}

TEST(ListViewModel, ImagesAreKeptOncePerKey) {
  ListView v{"v"};
  v.addImage("GIF Image", 7);
  v.addImage("GIF Image", 9);
  EXPECT_EQ(v.imageOf("GIF Image"), 7);
  EXPECT_EQ(v.imageOf("other"), -1);
  EXPECT_EQ(v.images().size(), 1u);
  v.clearImages();
  EXPECT_FALSE(v.hasImage("GIF Image"));
}

}  // namespace
}  // namespace ui
