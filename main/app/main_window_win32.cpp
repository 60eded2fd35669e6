#include "main/app/main_window_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "common/run_error.h"
#include "ui/win32/link_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/status_bar_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

constexpr int kToolbarHeight = 60;
constexpr int kStatusHeight = 22;
constexpr int kPageTop = kToolbarHeight + 2;
constexpr int kPageHeight = MainWindowView::kHeight - kPageTop - kStatusHeight;

}  // namespace

PageControls::~PageControls() = default;

ToolbarBinding& PageControls::addToolbar(HWND parent, ui::Toolbar& model, Rect place,
                                         bool navigation) {
  auto& t = add<ToolbarBinding>(parent, model, place,
                                navigation ? navigationPictures() : actionPictures(), !navigation);
  toolbars_[t.hwnd()] = &t;
  return t;
}

TabStripBinding& PageControls::addTabStrip(HWND parent, ui::TabStrip& model, Rect place) {
  auto& strip = add<TabStripBinding>(parent, model, place);
  tabStrips_[strip.id()] = &strip;
  return strip;
}

SliderBinding& PageControls::addSlider(HWND parent, ui::Slider& model, Rect place) {
  auto& slider = add<SliderBinding>(parent, model, place);
  sliders_[slider.hwnd()] = &slider;
  return slider;
}

ControlBinding* PageControls::byId(int id) const {
  auto b = byId_.find(id);
  return b == byId_.end() ? nullptr : b->second;
}

ToolbarBinding* PageControls::toolbar(HWND control) const {
  auto t = toolbars_.find(control);
  return t == toolbars_.end() ? nullptr : t->second;
}

SliderBinding* PageControls::slider(HWND control) const {
  auto s = sliders_.find(control);
  return s == sliders_.end() ? nullptr : s->second;
}

TabStripBinding* PageControls::tabStrip(int id) const {
  auto t = tabStrips_.find(id);
  return t == tabStrips_.end() ? nullptr : t->second;
}

bool PageControls::isNotice(HWND control) const {
  return std::find(notices_.begin(), notices_.end(), control) != notices_.end();
}

bool PageControls::isLink(HWND control) const {
  return std::find(links_.begin(), links_.end(), control) != links_.end();
}

void PageControls::clear() {
  toolbars_.clear();
  sliders_.clear();
  tabStrips_.clear();
  byId_.clear();
  notices_.clear();
  links_.clear();
  bindings_.clear();
}

MainWindowView::MainWindowView(MainWindow& model) : m_(model) {
  if (!create(MainWindow::kCaption, kWidth, kHeight, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) return;
  closesOnEscape = false;
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  if (icon) {
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  m_.ownerHandle = reinterpret_cast<std::uintptr_t>(hwnd());
  LOGFONTA lf{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfHeight = -24;
  lf.lfWeight = FW_BOLD;
  controls_.titleFont = CreateFontIndirectA(&lf);
  controls_.anchors = &anchors;
  controls_.placeLateControls = [this] { applyAnchors(); };
  controls_.anchor(
      controls_.addToolbar(hwnd(), m_.navigationToolbar, {0, 0, kWidth, kToolbarHeight}, true)
          .hwnd(),
      Anchors::kWider);
  // An etched line under the navigation bar.
  controls_.anchor(
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, kToolbarHeight,
                      kWidth, 2, hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr),
      Anchors::kWider);
  pages_ =
      std::make_unique<PageSetBinding>(m_.pageTabs, hwnd(), Rect{0, kPageTop, kWidth, kPageHeight});
  const auto& page = pages_->pages();
  for (HWND p : page) controls_.anchor(p, Anchors::kGrow);
  // Building every page's controls took most of the start; the others wait for their
  // first showing.
  pages_->beforeShow = [this](int index) { buildPage(index); };
  buildPage(m_.pageTabs.tab());
  controls_.anchor(controls_
                       .add<StatusBarBinding>(hwnd(), m_.statusBar,
                                              {0, kHeight - kStatusHeight, kWidth, kStatusHeight})
                       .hwnd(),
                   Anchors::kDown | Anchors::kWider);
  timers_.push_back(std::make_unique<TimerBinding>(m_.statusAnimationTimer, hwnd(), 2));
  timers_.push_back(std::make_unique<TimerBinding>(m_.automaticCleaningTimer, hwnd(), 3));
}

void MainWindowView::buildPage(int index) {
  const auto at = static_cast<std::size_t>(index);
  if (index < 0 || at >= built_.size() || built_[at]) return;
  built_[at] = true;
  HWND panel = pages_->pages()[at];
  m_.pages.at(index, [&](auto& model) {
    PageViewSite site{controls_, panel};
    buildPageView(site, model);
  });
  // Built into a window the user may have resized already.
  applyAnchors();
}

MainWindowView::~MainWindowView() {
  timers_.clear();
  pages_.reset();
  controls_.clear();
  m_.ownerHandle = 0;
  if (controls_.titleFont) DeleteObject(controls_.titleFont);
}

LRESULT MainWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_COMMAND:
        if (lParam != 0) {
          HWND control = reinterpret_cast<HWND>(lParam);
          if (ToolbarBinding* t = controls_.toolbar(control)) {
            t->buttonCommand(LOWORD(wParam));
            return 0;
          }
          if (ControlBinding* b = controls_.byId(LOWORD(wParam))) {
            b->command(HIWORD(wParam));
            return 0;
          }
        }
        break;
      case WM_NOTIFY: {
        auto* n = reinterpret_cast<NMHDR*>(lParam);
        if (n->code == TCN_SELCHANGE) {
          if (TabStripBinding* t = controls_.tabStrip(static_cast<int>(n->idFrom)))
            t->selectionChanged();
          return 0;
        }
        break;
      }
      case WM_HSCROLL:
        if (SliderBinding* s = controls_.slider(reinterpret_cast<HWND>(lParam))) {
          s->scrolled();
          return 0;
        }
        break;
      case WM_DRAWITEM:
        if (TabStripBinding* t = controls_.tabStrip(static_cast<int>(wParam))) {
          t->draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
          return TRUE;
        }
        break;
      case WM_CTLCOLORSTATIC: {
        HWND control = reinterpret_cast<HWND>(lParam);
        HDC dc = reinterpret_cast<HDC>(wParam);
        bool notice = controls_.isNotice(control);
        bool link = controls_.isLink(control);
        if (notice || link) {
          SetTextColor(dc, notice ? RGB(176, 0, 0) : LinkBinding::colour());
          SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
          return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
      }
      case WM_TIMER:
        for (auto& t : timers_)
          if (t->id() == wParam) {
            t->tick();
            return 0;
          }
        break;
    }
  } catch (const common::RunError& e) {
    // A handler without a trap of its own: log it and keep the window running.
    m_.services().log.writeLog(MainWindow::kCaption, 0, static_cast<std::int16_t>(e.number()),
                               e.description());
    return 0;
  } catch (const std::exception&) {
    m_.services().log.writeLog(MainWindow::kCaption, 0, common::errnum::kInternal,
                               common::errorDescription(common::errnum::kInternal));
    return 0;
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
