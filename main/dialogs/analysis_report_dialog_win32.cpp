#include "main/dialogs/analysis_report_dialog_win32.h"

// After windows.h, which it builds on.
#include <commdlg.h>

#include <algorithm>
#include <string>

#include "ui/win32/button_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/text_box_binding.h"
#include "ui/win32/virtual_list_view_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

constexpr int kWidth = 760, kHeight = 480;        // the client area as it opens
constexpr int kMinWidth = 420, kMinHeight = 260;  // below this the controls overlap
constexpr int kMargin = 10, kButtonWidth = 86, kButtonHeight = 26, kGap = 8;
constexpr int kLineHeight = 14;  // of a label's line in the dialog font
// The totals wrap to a second line in a narrow window, with refusals beside them.
constexpr int kTotalsHeight = 2 * kLineHeight;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

bool endsWithNoCase(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  for (std::size_t i = 0; i < end.size(); ++i) {
    char c = text[text.size() - end.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != end[i]) return false;
  }
  return true;
}

}  // namespace

AnalysisReportDialogView::AnalysisReportDialogView(AnalysisReportDialog& m) : model_(m) {
  if (!create(m.caption(), kWidth, kHeight, kStyle)) return;
  heading_ = add<LabelBinding>(m.headingLabel, {}).hwnd();
  // Only one of them: a report of 100,000 items would not fit an edit control's text.
  if (m.showsList())
    body_ = add<VirtualListViewBinding>(m.itemList, {0, 0, 100, 100}).listView();
  else
    body_ = add<ReportTextBinding>(m.reportText, {}).hwnd();
  totals_ = add<LabelBinding>(m.totalsLabel, {}).hwnd();
  saveAs_ = add<ButtonBinding>(m.saveAsButton, {}).hwnd();
  close_ = add<ButtonBinding>(m.closeButton, {}, true).hwnd();
  layOut(kWidth, kHeight);
  SetFocus(body_);
  m.askSaveTarget = [this](bool csvOffered, AnalysisReportDialog::SaveChoice& choice) {
    return askSaveTarget(csvOffered, choice);
  };
}

AnalysisReportDialogView::~AnalysisReportDialogView() {
  model_.askSaveTarget = nullptr;
}

void AnalysisReportDialogView::layOut(int width, int height) {
  const int inner = width - 2 * kMargin;
  const int buttonsTop = height - kMargin - kButtonHeight;
  const int totalsTop = buttonsTop - kGap - kTotalsHeight;
  // The heading has a second line where the analysis was cancelled.
  const std::string& heading = model_.headingLabel.caption();
  const int headingHeight =
      kLineHeight * (1 + static_cast<int>(std::count(heading.begin(), heading.end(), '\n')));
  const int bodyTop = kMargin + headingHeight + 6;
  auto place = [](HWND w, int x, int y, int cx, int cy) {
    if (w) SetWindowPos(w, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(heading_, kMargin, kMargin, inner, headingHeight);
  // The list view sits in a frame of its own, which lays it out.
  place(body_ == nullptr ? nullptr : (model_.showsList() ? GetParent(body_) : body_), kMargin,
        bodyTop, inner, totalsTop - 6 - bodyTop);
  place(totals_, kMargin, totalsTop, inner, kTotalsHeight);
  // The path takes the room the other columns leave, never less than it had at first.
  if (model_.showsList()) {
    RECT client{};
    GetClientRect(body_, &client);
    int others = 0;
    for (int c = 0; c < AnalysisReportDialog::kColumns; ++c)
      if (c != AnalysisReportDialog::kPath)
        others += static_cast<int>(SendMessageA(body_, LVM_GETCOLUMNWIDTH, c, 0));
    const int least = model_.itemList.columns()[AnalysisReportDialog::kPath].width;
    SendMessageA(body_, LVM_SETCOLUMNWIDTH, AnalysisReportDialog::kPath,
                 MAKELPARAM(std::max(least, static_cast<int>(client.right) - others), 0));
  }
  place(close_, width - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
  place(saveAs_, width - kMargin - 2 * kButtonWidth - kGap, buttonsTop, kButtonWidth,
        kButtonHeight);
}

LRESULT AnalysisReportDialogView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        layOut(LOWORD(lParam), HIWORD(lParam));
        // Labels wrap anew and the buttons leave their old place: all is drawn again.
        for (HWND w : {hwnd(), heading_, totals_, saveAs_, close_})
          if (w) InvalidateRect(w, nullptr, TRUE);
      }
      return 0;
    case WM_GETMINMAXINFO: {
      RECT r{0, 0, kMinWidth, kMinHeight};
      AdjustWindowRectEx(&r, kStyle, FALSE, 0);
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize.x = r.right - r.left;
      info->ptMinTrackSize.y = r.bottom - r.top;
      return 0;
    }
    case WM_COMMAND:
      // Esc, as the dialog keys send it.
      if (LOWORD(wParam) == IDCANCEL) {
        model_.closeButton.click();
        return 0;
      }
      break;
  }
  return Form::handleMessage(message, wParam, lParam);
}

bool AnalysisReportDialogView::askSaveTarget(bool csvOffered,
                                             AnalysisReportDialog::SaveChoice& choice) {
  char file[MAX_PATH] = {};
  const std::string suggested =
      model_.caption() == AnalysisReportDialog::kCaption ? "analysis.txt" : "cleaning.txt";
  suggested.copy(file, sizeof file - 1);
  static const char kBoth[] = "Text (*.txt)\0*.txt\0CSV (*.csv)\0*.csv\0";
  static const char kTextOnly[] = "Text (*.txt)\0*.txt\0";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd();
  ofn.lpstrFilter = csvOffered ? kBoth : kTextOnly;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrTitle = "Save As";
  ofn.Flags =
      OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&ofn)) return false;
  choice.path = file;
  // The name's extension decides; a name without one takes the chosen type's.
  if (endsWithNoCase(choice.path, ".csv") && csvOffered) {
    choice.format = AnalysisReportDialog::Format::Csv;
  } else if (endsWithNoCase(choice.path, ".txt")) {
    choice.format = AnalysisReportDialog::Format::Text;
  } else {
    const bool csv = csvOffered && ofn.nFilterIndex == 2;
    choice.format = csv ? AnalysisReportDialog::Format::Csv : AnalysisReportDialog::Format::Text;
    if (choice.path.find('.', choice.path.find_last_of('\\') + 1) == std::string::npos)
      choice.path += csv ? ".csv" : ".txt";
  }
  return true;
}

}  // namespace vorn
