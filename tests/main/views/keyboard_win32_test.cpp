// The keyboard in the cleaner's real windows under Wine: no two controls shown together
// mark the same access key, every button, check box and field label marks one, and each
// window opens focused, with Enter on its default button and Esc closing it; resizable
// windows keep their buttons in the corner and never shrink below their first size.
// Everything is sent on this thread, so the test ends by itself.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "main/app/main_window_win32.h"
#include "main/app/notice_dialog_win32.h"
#include "main/dialogs/analysis_progress_dialog_win32.h"
#include "main/dialogs/analysis_report_dialog_win32.h"
#include "main/dialogs/clean_all_confirm_dialog_win32.h"
#include "main/dialogs/done_dialog_win32.h"
#include "main/dialogs/history_viewer_win32.h"
#include "main/dialogs/ie_cookies_dialog_win32.h"
#include "main/dialogs/net_cookies_dialog_win32.h"
#include "main/plugins/plugin_info_dialog_win32.h"
#include "main/userdef/user_lists_viewer_win32.h"
#include "tests/main/app/app_fixture.h"
#include "ui/mnemonic.h"
#include "ui/win32/keyboard.h"

namespace vorn {
namespace {

std::string classOf(HWND w) {
  char c[64] = {};
  GetClassNameA(w, c, sizeof c);
  return c;
}

std::string textOf(HWND w) {
  char t[512] = {};
  GetWindowTextA(w, t, sizeof t);
  return t;
}

bool isField(HWND w) {
  const std::string c = classOf(w);
  return c == "Edit" || c == "ComboBox" || c == "ListBox" ||
         (c.rfind("Tervane", 0) == 0 && c.find("List") != std::string::npos) || c == WC_LISTVIEWA;
}

// What a window shows at once: every caption, and those that should mark a key but do not.
struct Captions {
  HWND top;
  std::vector<std::string> all, unmarked;
};

BOOL CALLBACK collect(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Captions*>(p);
  if (!ui::win32::shownWithin(w, s->top)) return TRUE;
  const std::string cls = classOf(w);
  std::vector<std::string> texts;
  bool needsKey = false;
  if (cls == "Button") {
    texts.push_back(textOf(w));
    needsKey = (GetWindowLongA(w, GWL_STYLE) & 0xF) != BS_GROUPBOX;
  } else if (cls == "Static") {
    texts.push_back(textOf(w));
    // A label names the field that follows it.
    HWND next = GetWindow(w, GW_HWNDNEXT);
    needsKey = next && isField(next);
  } else if (cls == TOOLBARCLASSNAMEA) {
    const int count = static_cast<int>(SendMessageA(w, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TBBUTTON b{};
      char t[256] = {};
      SendMessageA(w, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
      SendMessageA(w, TB_GETBUTTONTEXTA, static_cast<WPARAM>(b.idCommand),
                   reinterpret_cast<LPARAM>(t));
      texts.push_back(t);
    }
    needsKey = true;
  }
  for (const std::string& t : texts) {
    s->all.push_back(t);
    if (needsKey && !ui::mnemonicOf(t)) s->unmarked.push_back(t);
  }
  return TRUE;
}

// OK and Cancel answer to Enter and Esc; "..." has no letter; the same caption again
// (the tab's "Clean All" beside the page's) is the same command under the same key.
bool keyExcused(const std::string& caption, const std::vector<std::string>& all) {
  if (caption.empty() || caption == "OK" || caption == "Cancel" || caption == "..." ||
      caption == "Activate")
    return true;
  for (const std::string& other : all)
    if (other != caption && ui::mnemonicOf(other) && ui::withoutMnemonic(other) == caption)
      return true;
  return false;
}

// Returns how many captions mark a key, so that a test sees it looked at something.
int expectKeysApart(HWND top, const std::string& where) {
  Captions s{top, {}, {}};
  EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&s));
  int marked = 0;
  for (const std::string& c : s.all) marked += ui::mnemonicOf(c) != 0;
  for (const std::string& clash : ui::mnemonicClashes(s.all))
    ADD_FAILURE() << where << ": " << clash;
  for (const std::string& c : s.unmarked)
    if (!keyExcused(c, s.all)) ADD_FAILURE() << where << ": no access key on \"" << c << "\"";
  return marked;
}

TEST(Keyboard, NoTwoControlsOfAMainWindowPageOrTabShareAnAccessKey) {
  testing::AppFixture app;
  app.makeWindow();
  MainWindow& m = *app.mainWindow;
  MainWindowView view(m);
  ASSERT_NE(view.hwnd(), nullptr);
  ui::TabStrip* areaStrips[] = {&m.clean.areaTabs, &m.paths.areaTabs, nullptr,
                                nullptr,           nullptr,           nullptr};
  int total = 0;
  for (int page = 0; page < m.pageTabs.tabCount(); ++page) {
    m.pageTabs.setTab(page);
    ui::TabStrip* strip = areaStrips[page];
    const int tabs = strip ? strip->tabCount() : 1;
    for (int tab = 0; tab < tabs; ++tab) {
      if (strip) strip->setTab(tab);
      // The navigation bar's seven on every page.
      const int marked = expectKeysApart(
          view.hwnd(), m.pageTabs.tabAt(page).caption + " page, tab " + std::to_string(tab));
      EXPECT_GE(marked, 7);
      total += marked;
    }
  }
  EXPECT_GT(total, 200);
}

std::string focusedText(HWND top) {
  HWND f = GetFocus();
  if (!f || !IsChild(top, f)) return "(none)";
  return classOf(f) == "Button" ? textOf(f) : classOf(f);
}

std::string defaultText(HWND top) {
  const LRESULT id = SendMessageA(top, DM_GETDEFID, 0, 0);
  return HIWORD(id) == DC_HASDEFID ? textOf(GetDlgItem(top, LOWORD(id))) : "(none)";
}

// Esc as the keyboard brings it to the message loop; true when the window asked to close.
bool escapeAsksToClose(ui::win32::Form& form) {
  bool asked = false;
  form.onCloseRequest = [&asked] {
    asked = true;
    return false;
  };
  MSG msg{GetFocus() ? GetFocus() : form.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
  ui::win32::translateWindowKeys(msg);
  MSG pending;
  while (PeekMessageA(&pending, form.hwnd(), 0, 0, PM_REMOVE)) DispatchMessageA(&pending);
  return asked;
}

TEST(Keyboard, DialogsOpenFocusedWithEnterAndEscapeAndKeysApart) {
  testing::AppFixture app;
  RegistryAccess registry(app.fake.registry, app.prompter);
  IECookiesDialog ieCookies(
      app.fake.files, app.fake.clock, app.log, app.prompter, app.windows, app.folder(),
      [] { return std::string("C:\\Cookies"); }, [] {});
  NetCookiesDialog netCookies(app.fake.files, app.fake.clock, app.log, app.prompter, app.windows,
                              app.folder(), [] { return std::string("C:\\Profile"); });
  PluginInfoDialog pluginInfo(app.fake.files, app.prompter, app.windows);
  UserListsViewer userLists(app.fake.files, app.log, app.windows, app.session, app.folder());
  NoticeDialog notice(app.settings, app.log, app.session, app.windows, [] {});
  CleanAllConfirmDialog cleanAll(app.windows);
  AnalysisProgressDialog progress(app.windows);
  HistoryViewer history({app.fake.files, registry, app.log, app.screen, app.windows},
                        [] { return std::string("C:\\Profile"); });
  DocHistoryDialog docHistory(app.fake.files, app.log, app.prompter, app.windows,
                              [] { return std::string("C:\\Recent"); });
  AnalysisReportDialog report({app.fake.files, app.prompter, app.windows});
  DoneDialog done(app.windows);

  // Esc: "close" asks as the close box does; otherwise the button it presses.
  bool cancelled = false, progressCancelled = false;
  cleanAll.cancelButton.onClick = [&] { cancelled = true; };
  progress.cancelButton.onClick = [&] { progressCancelled = true; };
  ieCookies.cancelButton.onClick = [&] { cancelled = true; };
  netCookies.cancelButton.onClick = [&] { cancelled = true; };
  notice.okButton.onClick = [&] { cancelled = true; };
  done.okButton.onClick = [&] { cancelled = true; };

  struct Row {
    const char* name;
    std::function<std::unique_ptr<ui::win32::Form>()> make;
    const char* focused;
    const char* defaultButton;
    bool* pressedByEscape;  // null: Esc asks to close
  } rows[] = {
      {"Internet Explorer Cookies",
       [&] { return std::make_unique<IECookiesDialogView>(ieCookies); }, "ListBox", "OK",
       &cancelled},
      {"Netscape Cookies", [&] { return std::make_unique<NetCookiesDialogView>(netCookies); },
       "ListBox", "OK", &cancelled},
      {"Plugin Info", [&] { return std::make_unique<PluginInfoDialogView>(pluginInfo); }, "OK",
       "OK", nullptr},
      {"User.def editor", [&] { return std::make_unique<UserListsViewerView>(userLists); },
       "ComboBox", "&Done", nullptr},
      {"Notice!", [&] { return std::make_unique<NoticeDialogView>(notice); }, "OK", "OK",
       &cancelled},
      {"done message", [&] { return std::make_unique<DoneDialogView>(done); }, "OK", "OK",
       &cancelled},
      {"Clean All", [&] { return std::make_unique<CleanAllConfirmDialogView>(cleanAll); }, "&Clean",
       "&Clean", &cancelled},
      {"progress", [&] { return std::make_unique<AnalysisProgressDialogView>(progress); }, "Cancel",
       "Cancel", &progressCancelled},
      {"View URLs", [&] { return std::make_unique<HistoryViewerView>(history); }, "ListBox",
       "&Done", nullptr},
      {"View Doc History", [&] { return std::make_unique<DocHistoryDialogView>(docHistory); },
       "ListBox", "&Done", nullptr},
      // The report's own text box takes Esc as a close, as a multi-line edit does.
      {"Analysis", [&] { return std::make_unique<AnalysisReportDialogView>(report); }, "Edit",
       "&Close", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    cancelled = progressCancelled = false;
    std::unique_ptr<ui::win32::Form> view = row.make();
    ASSERT_NE(view->hwnd(), nullptr);
    view->quitOnDestroy = false;
    view->show();
    EXPECT_EQ(focusedText(view->hwnd()), row.focused);
    EXPECT_EQ(defaultText(view->hwnd()), row.defaultButton);
    expectKeysApart(view->hwnd(), row.name);
    const bool asked = escapeAsksToClose(*view);
    if (row.pressedByEscape)
      EXPECT_TRUE(*row.pressedByEscape && !asked) << "Esc presses the cancel button";
    else
      EXPECT_TRUE(asked) << "Esc asks to close";
  }
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// A control's distance from its window's right and bottom edges, in client terms.
POINT gapToCorner(HWND top, HWND control) {
  RECT client{}, r{};
  GetClientRect(top, &client);
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
  return {client.right - r.right, client.bottom - r.bottom};
}

struct FindButton {
  const char* caption;
  HWND found;
};

BOOL CALLBACK findButton(HWND w, LPARAM p) {
  auto* f = reinterpret_cast<FindButton*>(p);
  if (classOf(w) != "Button" || textOf(w) != f->caption) return TRUE;
  f->found = w;
  return FALSE;
}

HWND buttonCaptioned(HWND top, const char* caption) {
  FindButton f{caption, nullptr};
  EnumChildWindows(top, findButton, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

TEST(Resizing, ControlsKeepToTheCornerAndTheWindowNeverShrinksBelowItsFirstSize) {
  testing::AppFixture app;
  app.makeWindow();
  NetCookiesDialog netCookies(app.fake.files, app.fake.clock, app.log, app.prompter, app.windows,
                              app.folder(), [] { return std::string("C:\\Profile"); });
  RegistryAccess registry(app.fake.registry, app.prompter);
  HistoryViewer history({app.fake.files, registry, app.log, app.screen, app.windows},
                        [] { return std::string("C:\\Profile"); });
  struct Row {
    const char* name;
    std::function<std::unique_ptr<ui::win32::Form>()> make;
    const char* cornerButton;  // keeps its distance to the bottom right corner
  } rows[] = {
      {"main window", [&] { return std::make_unique<MainWindowView>(*app.mainWindow); },
       "Clean &All"},
      {"Netscape Cookies", [&] { return std::make_unique<NetCookiesDialogView>(netCookies); },
       "Cancel"},
      {"View URLs", [&] { return std::make_unique<HistoryViewerView>(history); }, "&Done"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::unique_ptr<ui::win32::Form> view = row.make();
    view->quitOnDestroy = false;
    HWND top = view->hwnd();
    HWND corner = buttonCaptioned(top, row.cornerButton);
    ASSERT_NE(corner, nullptr);
    RECT first{};
    GetWindowRect(top, &first);
    const POINT gap = gapToCorner(top, corner);
    SetWindowPos(top, nullptr, 0, 0, first.right - first.left + 200, first.bottom - first.top + 150,
                 SWP_NOZORDER | SWP_NOMOVE);
    const POINT grown = gapToCorner(top, corner);
    EXPECT_EQ(grown.x, gap.x);
    EXPECT_EQ(grown.y, gap.y);
    MINMAXINFO info{};
    SendMessageA(top, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, first.right - first.left);
    EXPECT_EQ(info.ptMinTrackSize.y, first.bottom - first.top);
  }
}

}  // namespace
}  // namespace vorn
