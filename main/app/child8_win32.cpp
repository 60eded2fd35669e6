#include "main/app/child8_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "common/run_error.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/chart_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/file_list_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/link_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/picture_box_binding.h"
#include "ui/win32/progress_bar_binding.h"
#include "ui/win32/status_bar_binding.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

constexpr int kToolbarHeight = 60;
constexpr int kStatusHeight = 22;
constexpr int kPageTop = kToolbarHeight + 2;
constexpr int kPageHeight = Child8View::kHeight - kPageTop - kStatusHeight;

}  // namespace

ToolbarBinding& Child8View::addToolbar(HWND parent, ui::Toolbar& model, Rect place,
                                       bool navigation) {
  auto& t = add<ToolbarBinding>(parent, model, place,
                                navigation ? navigationPictures() : actionPictures(), !navigation);
  toolbars_[t.hwnd()] = &t;
  return t;
}

Child8View::Child8View(Child8& model) : m_(model) {
  if (!create(Child8::kCaption, kWidth, kHeight)) return;
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
  titleFont_ = CreateFontIndirectA(&lf);

  addToolbar(hwnd(), m_.Toolbar1, {0, 0, kWidth, kToolbarHeight}, true);
  // An etched line under the navigation bar.
  CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, kToolbarHeight, kWidth,
                  2, hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  pages_ =
      std::make_unique<PageSetBinding>(m_.SSTab1, hwnd(), Rect{0, kPageTop, kWidth, kPageHeight});
  buildCleanPage(pages_->pages()[Child8::kClean]);
  buildPathPage(pages_->pages()[Child8::kPath]);
  buildMaintenancePage(pages_->pages()[Child8::kMaintenance]);
  buildStatisticsPage(pages_->pages()[Child8::kStatistics]);
  buildHelpPage(pages_->pages()[Child8::kHelp]);
  buildAboutPage(pages_->pages()[Child8::kAbout]);
  add<StatusBarBinding>(hwnd(), m_.StatusBar1, {0, kHeight - kStatusHeight, kWidth, kStatusHeight});

  timers_.push_back(std::make_unique<TimerBinding>(m_.Timer2, hwnd(), 2));
  timers_.push_back(std::make_unique<TimerBinding>(m_.Timer3, hwnd(), 3));
}

Child8View::~Child8View() {
  timers_.clear();
  pages_.reset();
  bindings_.clear();
  m_.ownerHandle = 0;
  if (titleFont_) DeleteObject(titleFont_);
}

void Child8View::buildCleanPage(HWND page) {
  auto& strip = add<TabStripBinding>(page, m_.SSTab2, {8, 6, 604, 338});
  tabStrips_[strip.id()] = &strip;
  const auto& tabs = strip.pages();

  auto boxes = [&](HWND tab, ControlArray<ui::CheckBox>& array, int x, int first, int count,
                   int y0) {
    for (int i = 0; i < count; ++i)
      add<CheckBoxBinding>(tab, array[first + i], {x, y0 + i * 24, 280, 20});
  };
  auto viewFrame = [&](HWND tab, std::initializer_list<ui::Button*> buttons) {
    createFrame(tab, "View", {440, 8, 144, 28 + 30 * static_cast<int>(buttons.size())});
    int y = 28;
    for (ui::Button* b : buttons) {
      add<ButtonBinding>(tab, *b, {452, y, 120, 24});
      y += 30;
    }
  };
  auto notice = [&](HWND tab, ui::Label& label) {
    notices_.push_back(add<LabelBinding>(tab, label, {14, 230, 560, 18}).hwnd());
  };
  auto actions = [&](HWND tab, ui::Toolbar& clean, int area) {
    addToolbar(tab, clean, {14, 268, 190, 30});
    addToolbar(tab, m_.Toolbar19[area], {210, 268, 150, 30});
  };

  HWND ie = tabs[Child8::kIE];
  for (int i = 0; i < 5; ++i) add<CheckBoxBinding>(ie, m_.chkIE[i], {14, 14 + i * 24, 410, 20});
  viewFrame(ie, {&m_.Command1, &m_.cmdIECookies, &m_.Command4});
  notice(ie, m_.Label62);
  actions(ie, m_.Toolbar14, Child8::kIE);

  HWND ns = tabs[Child8::kNetscape];
  for (int i = 0; i < 4; ++i)
    add<CheckBoxBinding>(ns, m_.chkNetscape[i], {14, 14 + i * 24, 410, 20});
  viewFrame(ns, {&m_.Command2, &m_.cmdNetCookies, &m_.Command5});
  notice(ns, m_.Label60);
  actions(ns, m_.Toolbar15, Child8::kNetscape);

  HWND op = tabs[Child8::kOpera];
  for (int i = 0; i < 4; ++i) add<CheckBoxBinding>(op, m_.chkOpera[i], {14, 14 + i * 24, 410, 20});
  viewFrame(op, {&m_.Command3});
  notice(op, m_.Label61);
  actions(op, m_.Toolbar16, Child8::kOpera);

  HWND win = tabs[Child8::kWindows];
  boxes(win, m_.chkWindows, 14, 0, 4, 14);
  boxes(win, m_.chkWindows, 300, 4, 4, 14);
  notice(win, m_.Label63);
  actions(win, m_.Toolbar17, Child8::kWindows);

  HWND ud = tabs[Child8::kUserDef];
  for (int i = 0; i < 4; ++i)
    add<CheckBoxBinding>(ud, m_.chkEgendef[i], {14, 14 + i * 24, 410, 20});
  add<ButtonBinding>(ud, m_.Command23, {452, 14, 120, 24});
  actions(ud, m_.Toolbar18, Child8::kUserDef);

  HWND pl = tabs[Child8::kPlugins];
  actions(pl, m_.Toolbar22, Child8::kPlugins);

  add<ProgressBarBinding>(page, m_.ProgressBar1, {8, 358, 470, 20});
  add<ButtonBinding>(page, m_.Command25, {488, 354, 124, 28});
}

void Child8View::pathRow(HWND tab, int y, const char* caption, ui::TextBox& box,
                         ui::Button* browse) {
  createCaption(tab, caption, {14, y, 400, 16});
  add<TextBoxBinding>(tab, box, {14, y + 18, 520, 22});
  if (browse) add<ButtonBinding>(tab, *browse, {540, y + 18, 40, 22});
}

void Child8View::buildPathPage(HWND page) {
  auto& strip = add<TabStripBinding>(page, m_.SSTab3, {8, 6, 604, 392});
  tabStrips_[strip.id()] = &strip;
  const auto& tabs = strip.pages();
  auto commands = [&](HWND tab, ui::Button& detect, ui::Button& save, int y) {
    add<ButtonBinding>(tab, detect, {14, y, 100, 26});
    add<ButtonBinding>(tab, save, {122, y, 100, 26});
  };
  auto bars = [&](HWND tab, ui::Toolbar& detect, int area) {
    addToolbar(tab, detect, {14, 318, 150, 30});
    addToolbar(tab, m_.Toolbar2[area], {170, 318, 180, 30});
  };

  HWND ie = tabs[Child8::kIE];
  pathRow(ie, 12, "Internet Explorer History", m_.txtIETidigare, &m_.cmdIETidigare);
  pathRow(ie, 60, "Internet Explorer Cache", m_.txtIETemporary, &m_.cmdIETemporary);
  pathRow(ie, 108, "Internet Explorer Cookies", m_.txtIECookies, &m_.Command9);
  commands(ie, m_.cmdIEHitta, m_.cmdIESpara, 164);
  bars(ie, m_.Toolbar7, Child8::kIE);

  HWND ns = tabs[Child8::kNetscape];
  pathRow(ns, 12, "Netscape Profile Directory", m_.txtNetAnvandare, &m_.cmdNetAnvandare);
  createCaption(ns, "User", {14, 60, 200, 16});
  add<ComboBoxBinding>(ns, m_.cboNetAnvandare, {14, 78, 250, 200}, true);
  pathRow(ns, 108, "Netscape Cache", m_.txtNetTemporary, &m_.cmdNetTemporary);
  commands(ns, m_.Command10, m_.Command11, 164);
  bars(ns, m_.Toolbar5, Child8::kNetscape);

  HWND op = tabs[Child8::kOpera];
  pathRow(op, 12, "Opera User Directory", m_.txtOperaAnvandare, &m_.cmdOperaAnvandare);
  pathRow(op, 60, "Opera Cache", m_.txtOperaTemporary, &m_.cmdOperaTemporary);
  commands(op, m_.Command12, m_.Command13, 164);
  bars(op, m_.Toolbar8, Child8::kOpera);

  HWND win = tabs[Child8::kWindows];
  pathRow(win, 12, "Windows Document History", m_.txtWinDokument, &m_.cmdWinDokument);
  pathRow(win, 60, "Windows Temporary Files", m_.txtWinTemp, &m_.cmdWinTemp);
  pathRow(win, 108, "Downloaded Program Files Directory", m_.txtWinDownloaded,
          &m_.cmdWinDownloaded);
  commands(win, m_.Command14, m_.Command15, 164);
  bars(win, m_.Toolbar10, Child8::kWindows);

  HWND ud = tabs[Child8::kUserDef];
  addToolbar(ud, m_.Toolbar12, {14, 318, 100, 30});
  addToolbar(ud, m_.Toolbar13, {120, 318, 110, 30});
}

void Child8View::buildMaintenancePage(HWND page) {
  createFrame(page, "Settings", {8, 4, 300, 232});
  const char* captions[] = {"Clean:", "Days:", "Hours:", "Minutes:"};
  ui::ComboBox* combos[] = {&m_.cboClean, &m_.cboDay, &m_.cboHour, &m_.cboMinute};
  for (int i = 0; i < 4; ++i) {
    createCaption(page, captions[i], {22, 30 + i * 30, 70, 16});
    add<ComboBoxBinding>(page, *combos[i], {100, 26 + i * 30, i == 0 ? 190 : 80, 240});
  }
  add<CheckBoxBinding>(page, m_.Check7, {22, 148, 276, 20});
  add<CheckBoxBinding>(page, m_.chkAvsluta, {22, 172, 276, 20});
  add<ButtonBinding>(page, m_.Command18, {22, 200, 180, 26});

  createFrame(page, "Safety Level", {316, 4, 296, 112});
  auto& slider = add<SliderBinding>(page, m_.Slider1, {328, 24, 272, 32});
  sliders_[slider.hwnd()] = &slider;
  add<LabelBinding>(page, m_.Label14, {330, 62, 270, 46});

  createFrame(page, "Tabs", {316, 122, 296, 114});
  add<CheckBoxBinding>(page, m_.Check2, {330, 146, 130, 20});
  add<CheckBoxBinding>(page, m_.Check3, {470, 146, 130, 20});
  add<CheckBoxBinding>(page, m_.Check4, {330, 178, 130, 20});
  add<CheckBoxBinding>(page, m_.Check5, {470, 178, 130, 20});

  createFrame(page, "User Defined", {8, 242, 440, 154});
  // Lists 1 to 4, in the positions their controls carry.
  const int positions[] = {4, 1, 2, 3};
  for (int list = 0; list < 4; ++list) {
    int y = 264 + list * 30;
    add<TextBoxBinding>(page, m_.Text1[positions[list]], {22, y, 300, 22});
    add<CheckBoxBinding>(page, m_.Check1[positions[list]], {334, y + 1, 100, 20});
  }

  createFrame(page, "Paths", {456, 242, 156, 154});
  add<ButtonBinding>(page, m_.Command29, {470, 268, 128, 26});
}

void Child8View::buildStatisticsPage(HWND page) {
  add<ChartBinding>(page, m_.MSChart1, {8, 6, 604, 392});
}

void Child8View::buildHelpPage(HWND page) {
  add<ButtonBinding>(page, m_.Command22, {8, 12, 120, 28});
  add<ButtonBinding>(page, m_.Command24, {8, 48, 120, 28});
  add<ButtonBinding>(page, m_.Command26, {8, 84, 120, 28});
  createFrame(page, "Info", {140, 4, 472, 392});
  add<LabelBinding>(page, m_.lblInfo, {156, 28, 440, 18});
  add<ButtonBinding>(page, m_.Command27, {156, 52, 90, 26});
  add<PictureBoxBinding>(page, m_.WebBrowser1, {185, 96, 381, 163});
}

void Child8View::buildAboutPage(HWND page) {
  createFrame(page, "About", {110, 30, 400, 240});
  HWND title = createCaption(page, "Tervane", {130, 58, 360, 34});
  SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
  add<LabelBinding>(page, m_.lblVersion, {130, 100, 360, 18});
  add<LabelBinding>(page, m_.lblCredits, {130, 124, 360, 32});
  createCaption(page, "Home page:", {130, 170, 80, 16});
  links_.push_back(add<LinkBinding>(page, m_.Label42, {214, 170, 276, 16}).hwnd());
  createCaption(page, "E-mail:", {130, 194, 80, 16});
  add<LabelBinding>(page, m_.Label40, {214, 194, 276, 16});
}

LRESULT Child8View::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_COMMAND:
        if (lParam != 0) {
          HWND control = reinterpret_cast<HWND>(lParam);
          if (auto t = toolbars_.find(control); t != toolbars_.end()) {
            t->second->buttonCommand(LOWORD(wParam));
            return 0;
          }
          if (auto b = byId_.find(LOWORD(wParam)); b != byId_.end()) {
            b->second->command(HIWORD(wParam));
            return 0;
          }
        }
        break;
      case WM_NOTIFY: {
        auto* n = reinterpret_cast<NMHDR*>(lParam);
        if (n->code == TCN_SELCHANGE) {
          if (auto t = tabStrips_.find(static_cast<int>(n->idFrom)); t != tabStrips_.end())
            t->second->selectionChanged();
          return 0;
        }
        break;
      }
      case WM_HSCROLL:
        if (auto s = sliders_.find(reinterpret_cast<HWND>(lParam)); s != sliders_.end()) {
          s->second->scrolled();
          return 0;
        }
        break;
      case WM_DRAWITEM:
        if (auto t = tabStrips_.find(static_cast<int>(wParam)); t != tabStrips_.end()) {
          t->second->draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
          return TRUE;
        }
        break;
      case WM_CTLCOLORSTATIC: {
        HWND control = reinterpret_cast<HWND>(lParam);
        HDC dc = reinterpret_cast<HDC>(wParam);
        bool notice = std::find(notices_.begin(), notices_.end(), control) != notices_.end();
        bool link = std::find(links_.begin(), links_.end(), control) != links_.end();
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
    m_.services().log.writeLog(Child8::kCaption, 0, static_cast<std::int16_t>(e.number()),
                               e.description());
    return 0;
  } catch (const std::exception&) {
    m_.services().log.writeLog(Child8::kCaption, 0, common::errnum::kInternal,
                               common::errorDescription(common::errnum::kInternal));
    return 0;
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
