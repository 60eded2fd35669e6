#include "main/dialogs/analysis_report_dialog.h"

#include <algorithm>
#include <numeric>

#include "common/file_replace.h"
#include "common/save_failure.h"

namespace vorn {
namespace {

const char* const kTitles[AnalysisReportDialog::kColumns] = {"Area", "Option", "Kind",
                                                             "Path", "Size",   "Outcome"};

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int compareNoCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char ca = lowerAscii(a[i]), cb = lowerAscii(b[i]);
    if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// A CSV field: quoted where it holds a comma, a quote or a line break, quotes doubled.
std::string csvField(const std::string& value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// The report's first line without its line break: what the heading label shows.
std::string firstLines(const std::string& text, int lines) {
  std::size_t end = 0;
  for (int i = 0; i < lines && end != std::string::npos; ++i) {
    end = text.find("\r\n", i == 0 ? 0 : end + 2);
  }
  return text.substr(0, end);
}

}  // namespace

AnalysisReportDialog::AnalysisReportDialog(Services services)
    : ui::WindowModel(kCaption), services_(services) {
  std::vector<ui::VirtualListView::Column> columns;
  // They fill the list of the window as it opens, without a horizontal scroll bar.
  const int widths[kColumns] = {95, 125, 110, 214, 66, 100};
  for (int c = 0; c < kColumns; ++c) columns.push_back({kTitles[c], widths[c], c == kSize});
  itemList.setColumns(std::move(columns));
  itemList.textOf = [this](int row, int column) { return cell(row, column); };
  itemList.onColumnClick = [this](int column) { sortBy(column); };
  closeButton.onClick = [this] { services_.windows.close(*this); };
  saveAsButton.onClick = [this] {
    SaveChoice choice;
    if (askSaveTarget && askSaveTarget(showsList_, choice)) saveTo(choice.path, choice.format);
  };
}

void AnalysisReportDialog::open(const std::vector<platform::RecordedChange>& changes,
                                const std::string& heading, bool analysis, const std::string& text,
                                ui::WindowModel* owner) {
  const std::vector<ReportItem> items = reportItems(changes);
  rows_.clear();
  rows_.reserve(items.size());
  std::vector<platform::RecordedChange> shown;
  shown.reserve(items.size());
  for (const ReportItem& item : items) {
    const platform::RecordedChange& c = item.change;
    Row row;
    row.texts[kArea] = c.section.empty() ? "Other" : c.section;
    row.texts[kOption] = c.option;
    row.texts[kKind] = kindTitle(c.kind);
    row.texts[kPath] = itemName(c);
    row.texts[kSize] = itemSizeText(item);
    row.texts[kOutcome] = outcomeText(item, analysis);
    row.size = row.texts[kSize].empty() ? 0 : c.size;
    rows_.push_back(std::move(row));
    shown.push_back(c);
  }
  order_.resize(rows_.size());
  std::iota(order_.begin(), order_.end(), 0);
  sortColumn_ = -1;
  descending_ = false;
  showsList_ = true;
  const ReportTotals totals = reportTotals(shown);
  std::string line = std::string(analysis ? "Would remove: " : "Removed: ") + totalsLine(totals);
  if (totals.failed)
    line += std::string(analysis ? "    Would not be removed: " : "    Could not be removed: ") +
            countText(totals.failed);
  headingLabel.setCaption(heading);
  totalsLabel.setCaption(line);
  reportText.setText(text);
  setCaption(analysis ? kCaption : kDetailsCaption);
  show(owner);
}

void AnalysisReportDialog::openSaved(const std::string& text, ui::WindowModel* owner) {
  rows_.clear();
  order_.clear();
  sortColumn_ = -1;
  showsList_ = false;
  // The report names its run and its totals in its first two lines.
  headingLabel.setCaption(firstLines(text, 1));
  const std::string two = firstLines(text, 2);
  totalsLabel.setCaption(two.size() > headingLabel.caption().size() + 2
                             ? two.substr(headingLabel.caption().size() + 2)
                             : std::string());
  reportText.setText(text);
  setCaption(kDetailsCaption);
  show(owner);
}

void AnalysisReportDialog::show(ui::WindowModel* owner) {
  itemList.setRowCount(rowCount());
  services_.windows.showModal(*this, owner);
}

std::string AnalysisReportDialog::cell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) return {};
  return rows_[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])].texts[column];
}

void AnalysisReportDialog::sortBy(int column) {
  if (column < 0 || column >= kColumns) return;
  descending_ = column == sortColumn_ ? !descending_ : false;
  sortColumn_ = column;
  // From the report's order each time, so that equal values keep it in both directions.
  std::iota(order_.begin(), order_.end(), 0);
  auto compare = [this, column](int a, int b) {
    const Row& ra = rows_[static_cast<std::size_t>(a)];
    const Row& rb = rows_[static_cast<std::size_t>(b)];
    if (column == kSize) return ra.size < rb.size ? -1 : ra.size > rb.size ? 1 : 0;
    return compareNoCase(ra.texts[column], rb.texts[column]);
  };
  std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
    const int c = compare(a, b);
    return descending_ ? c > 0 : c < 0;
  });
  itemList.refresh();
}

std::string AnalysisReportDialog::csvText() const {
  std::string csv;
  for (int c = 0; c < kColumns; ++c) csv += std::string(c ? "," : "") + kTitles[c];
  csv += "\r\n";
  for (int i : order_) {
    const Row& row = rows_[static_cast<std::size_t>(i)];
    for (int c = 0; c < kColumns; ++c) {
      if (c) csv += ',';
      csv += c == kSize ? (row.texts[kSize].empty() ? std::string() : std::to_string(row.size))
                        : csvField(row.texts[c]);
    }
    csv += "\r\n";
  }
  return csv;
}

platform::ErrorCode AnalysisReportDialog::saveTo(const std::string& path, Format format) {
  const platform::ErrorCode code = common::replaceFileContents(
      services_.files, path, format == Format::Csv && showsList_ ? csvText() : text());
  if (code != platform::err::kSuccess)
    services_.prompter.messageBox(common::saveFailureMessage("The report", path, code), "Info",
                                  ui::mb::kOk | ui::mb::kIconWarning);
  return code;
}

}  // namespace vorn
