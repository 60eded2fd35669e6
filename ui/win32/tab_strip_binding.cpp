#include "ui/win32/tab_strip_binding.h"

#include "ui/win32/panel.h"

namespace ui::win32 {

TabStripBinding::TabStripBinding(TabStrip& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, WC_TABCONTROLA,
                     WS_TABSTOP | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED, place),
      strip_(model) {
  for (int i = 0; i < strip_.tabCount(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(strip_.tabAt(i).caption.c_str());
    SendMessageA(hwnd(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  RECT r{0, 0, place.width, place.height};
  SendMessageA(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  for (int i = 0; i < strip_.tabCount(); ++i)
    pages_.push_back(createPanel(
        parent, {place.x + r.left, place.y + r.top, r.right - r.left, r.bottom - r.top}, false));
  // Above the strip, which clips itself around them.
  for (HWND page : pages_)
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  showShownPage();
}

void TabStripBinding::showShownPage() {
  SendMessageA(hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(strip_.tab()), 0);
  if (beforeShow) beforeShow(strip_.tab());
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
    ShowWindow(pages_[i], i == strip_.tab() ? SW_SHOW : SW_HIDE);
}

void TabStripBinding::update(Change what) {
  if (what == Change::Selection) showShownPage();
  if (what == Change::Items) InvalidateRect(hwnd(), nullptr, TRUE);
}

void TabStripBinding::selectionChanged() {
  int chosen = static_cast<int>(SendMessageA(hwnd(), TCM_GETCURSEL, 0, 0));
  strip_.userSelected(chosen);
  showShownPage();
}

void TabStripBinding::draw(const DRAWITEMSTRUCT& item) {
  int index = static_cast<int>(item.itemID);
  if (index < 0 || index >= strip_.tabCount()) return;
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(item.hDC, TRANSPARENT);
  bool enabled = strip_.tabEnabled(index) && strip_.enabled();
  SetTextColor(item.hDC, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  HGDIOBJ old = SelectObject(item.hDC, GetStockObject(DEFAULT_GUI_FONT));
  const std::string& text = strip_.tabAt(index).caption;
  DrawTextA(item.hDC, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, old);
}

PageSetBinding::PageSetBinding(TabStrip& model, HWND parent, Rect place) : strip_(model) {
  for (int i = 0; i < strip_.tabCount(); ++i)
    pages_.push_back(createPanel(parent, place, i == strip_.tab()));
  strip_.bind(this);
}

PageSetBinding::~PageSetBinding() {
  if (strip_.view() == this) strip_.bind(nullptr);
}

void PageSetBinding::modelChanged(Control&, Change what) {
  if (what != Change::Selection) return;
  if (beforeShow) beforeShow(strip_.tab());
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
    ShowWindow(pages_[i], i == strip_.tab() ? SW_SHOW : SW_HIDE);
}

}  // namespace ui::win32
