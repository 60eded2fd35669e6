#include "ui/list_view.h"

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

int compareNoCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace

void ListView::addColumn(const std::string& title, int width) {
  columns_.push_back({title, width});
  notify(Change::Items);
}

void ListView::clearImages() {
  images_.clear();
}

void ListView::addImage(const std::string& key, int systemIcon) {
  if (!hasImage(key)) images_.emplace_back(key, systemIcon);
}

bool ListView::hasImage(const std::string& key) const {
  return std::any_of(images_.begin(), images_.end(), [&](const auto& i) { return i.first == key; });
}

int ListView::imageOf(const std::string& key) const {
  for (const auto& i : images_)
    if (i.first == key) return i.second;
  return -1;
}

std::string ListView::text(int item, int column) const {
  if (item < 0 || item >= listCount() || column < 0) return {};
  const auto& texts = items_[static_cast<std::size_t>(item)].texts;
  return static_cast<std::size_t>(column) < texts.size() ? texts[static_cast<std::size_t>(column)]
                                                         : std::string();
}

void ListView::addItem(Item item) {
  auto at = items_.end();
  // Found by halves, so a long listing into a sorted list stays quick.
  if (sorted_)
    at = std::upper_bound(items_.begin(), items_.end(), item,
                          [this](const Item& a, const Item& b) { return before(a, b); });
  lastAdded_ = static_cast<int>(at - items_.begin());
  items_.insert(at, std::move(item));
  if (selected_ >= lastAdded_) ++selected_;
  notify(Change::ItemAdded);
}

void ListView::clearItems() {
  items_.clear();
  selected_ = -1;
  notify(Change::Items);
}

void ListView::redraw() {
  notify(Change::Value);
}

void ListView::setSelectedIndex(int index) {
  if (index < -1 || index >= listCount() || index == selected_) return;
  selected_ = index;
  notify(Change::Selection);
}

void ListView::userSelected(int index) {
  if (index >= -1 && index < listCount()) selected_ = index;
}

void ListView::setView(View view) {
  if (view == view_) return;
  view_ = view;
  notify(Change::Range);
}

void ListView::setSortKey(int column) {
  sortKey_ = column;
  if (sorted_) {
    sortItems();
    notify(Change::Items);
  }
}

void ListView::setSortOrder(SortOrder order) {
  sortOrder_ = order;
  if (sorted_) {
    sortItems();
    notify(Change::Items);
  }
}

void ListView::setSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) {
    sortItems();
    notify(Change::Items);
  }
}

bool ListView::before(const Item& a, const Item& b) const {
  auto textOf = [this](const Item& i) {
    return static_cast<std::size_t>(sortKey_) < i.texts.size()
               ? i.texts[static_cast<std::size_t>(sortKey_)]
               : std::string();
  };
  const int c = compareNoCase(textOf(a), textOf(b));
  return sortOrder_ == SortOrder::Ascending ? c < 0 : c > 0;
}

void ListView::sortItems() {
  const Item* selected = selected_ >= 0 ? &items_[static_cast<std::size_t>(selected_)] : nullptr;
  std::vector<std::size_t> order(items_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return before(items_[a], items_[b]);
  });
  std::vector<Item> sortedItems;
  sortedItems.reserve(items_.size());
  int newSelected = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (selected == &items_[order[i]]) newSelected = static_cast<int>(i);
    sortedItems.push_back(std::move(items_[order[i]]));
  }
  items_ = std::move(sortedItems);
  selected_ = newSelected;
}

void ListView::userColumnClicked(int column) {
  if (onColumnClick) onColumnClick(column);
}

void ListView::userDoubleClicked() {
  if (onDoubleClick) onDoubleClick();
}

void ListView::userRightButtonUp() {
  if (onRightButtonUp) onRightButtonUp();
}

}  // namespace ui
