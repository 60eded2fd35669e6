// The Analysis window under Wine: 100,000 rows show at once through the virtual list,
// a header click sorts, the layout follows the window's size, and Esc closes it. Every
// step is a sent message on this thread: nothing waits, so the test ends by itself.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include "main/dialogs/analysis_report_dialog_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_window_host.h"

namespace vorn {
namespace {

using Kind = platform::RecordedChange::Kind;

std::string itemText(HWND list, int item, int column) {
  char buffer[260] = {};
  LVITEMA lv{};
  lv.iSubItem = column;
  lv.pszText = buffer;
  lv.cchTextMax = sizeof buffer;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
  return buffer;
}

struct Search {
  const char *cls, *text;
  HWND found;
};

BOOL CALLBACK visit(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  char c[64] = {}, t[64] = {};
  GetClassNameA(w, c, sizeof c);
  GetWindowTextA(w, t, sizeof t);
  if (lstrcmpiA(c, s->cls) != 0 || (s->text && lstrcmpA(t, s->text) != 0)) return TRUE;
  s->found = w;
  return FALSE;
}

HWND childOfClass(HWND parent, const char* cls, const char* text = nullptr) {
  Search s{cls, text, nullptr};
  EnumChildWindows(parent, visit, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// A child's place in its parent's client area.
RECT placeOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(AnalysisWindowView, AHundredThousandRowsShowSortAndFollowTheWindowsSize) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  std::vector<platform::RecordedChange> changes;
  constexpr int kRows = 100000;
  changes.reserve(kRows);
  for (int i = 0; i < kRows; ++i)
    changes.push_back({Kind::FileDeleted, "C:\\Cache\\f" + std::to_string(i) + ".htm",
                       static_cast<std::uint64_t>(i % 1000), "Internet Explorer", 0, "Cache", ""});
  platform::fake::FakeSystem fake;
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows;
  AnalysisReportDialog model{{fake.files, prompter, windows}};
  bool shown = false;
  windows.whileModal[AnalysisReportDialog::kCaption] = [&](ui::WindowModel&) {
    AnalysisReportDialogView view(model);
    HWND top = view.hwnd();
    ASSERT_NE(top, nullptr);
    shown = true;
    HWND list = childOfClass(top, WC_LISTVIEWA);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(childOfClass(top, "Edit"), nullptr) << "the text pane is only for a saved report";
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kRows);
    // Largest first, as the report lists them: 999 bytes, the first of them f999.
    EXPECT_EQ(itemText(list, 0, AnalysisReportDialog::kPath), "C:\\Cache\\f999.htm");
    EXPECT_EQ(itemText(list, kRows - 1, AnalysisReportDialog::kSize), "0 bytes");
    EXPECT_EQ(itemText(list, 5, AnalysisReportDialog::kOutcome), "would remove");

    // A click on the Path header, as the list view tells its frame.
    NMLISTVIEW click{};
    click.hdr.hwndFrom = list;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = AnalysisReportDialog::kPath;
    SendMessageA(GetParent(list), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(itemText(list, 0, AnalysisReportDialog::kPath), "C:\\Cache\\f0.htm");
    EXPECT_EQ(itemText(list, 1, AnalysisReportDialog::kPath), "C:\\Cache\\f1.htm");

    // Enlarged: the list fills the room, the buttons keep to the bottom right corner.
    HWND close = childOfClass(top, "Button", "&Close");
    HWND saveAs = childOfClass(top, "Button", "&Save As...");
    ASSERT_TRUE(close && saveAs);
    SetWindowPos(top, nullptr, 0, 0, 1100, 800, SWP_NOZORDER | SWP_NOMOVE);
    RECT client{};
    GetClientRect(top, &client);
    const RECT closePlace = placeOf(close), frame = placeOf(GetParent(list));
    EXPECT_EQ(closePlace.right, client.right - 10);
    EXPECT_EQ(closePlace.bottom, client.bottom - 10);
    EXPECT_LT(placeOf(saveAs).right, closePlace.left);
    EXPECT_EQ(frame.right, client.right - 10);
    EXPECT_GT(frame.bottom, client.bottom - 80);
    RECT listRect{};
    GetWindowRect(list, &listRect);
    EXPECT_EQ(listRect.right - listRect.left, frame.right - frame.left);
    EXPECT_EQ(listRect.bottom - listRect.top, frame.bottom - frame.top);
    // Never smaller than its controls need.
    SetWindowPos(top, nullptr, 0, 0, 50, 50, SWP_NOZORDER | SWP_NOMOVE);
    GetClientRect(top, &client);
    EXPECT_GE(client.right, 420);
    EXPECT_GE(client.bottom, 260);

    // Esc, as the dialog keys send it, closes the window.
    SendMessageA(top, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_FALSE(windows.isOpen(model));
  };
  model.open(changes, "Analysis of all areas", true, "", nullptr);
  EXPECT_TRUE(shown);
  EXPECT_EQ(windows.events, (std::vector<std::string>{"modal Analysis", "close Analysis"}));
}

// A report of an earlier session, without rows: its text, whole, in a read-only pane.
TEST(AnalysisWindowView, ASavedReportShowsAsItsText) {
  platform::fake::FakeSystem fake;
  ui::ScriptedPrompter prompter;
  ui::ScriptedWindowHost windows;
  AnalysisReportDialog model{{fake.files, prompter, windows}};
  std::string report = "Cleaning of then\r\nRemoved: 1 byte in 1 file, 0 registry values\r\n";
  for (int i = 0; i < 2000; ++i) report += "  C:\\Cache\\file" + std::to_string(i) + ".htm\r\n";
  std::string shownText;
  windows.whileModal[AnalysisReportDialog::kDetailsCaption] = [&](ui::WindowModel&) {
    AnalysisReportDialogView view(model);
    EXPECT_EQ(childOfClass(view.hwnd(), WC_LISTVIEWA), nullptr);
    HWND edit = childOfClass(view.hwnd(), "Edit");
    ASSERT_NE(edit, nullptr);
    shownText.resize(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1);
    GetWindowTextA(edit, shownText.data(), static_cast<int>(shownText.size()));
    shownText.pop_back();
  };
  model.openSaved(report, nullptr);
  EXPECT_EQ(shownText, report);
}

}  // namespace
}  // namespace vorn
