#pragma once
// "Analysis": the items an analysis found or a cleaning changed, one row each, in a list
// that shows any number of them at once, sorted by any column, with the run's heading
// and totals, and saved as the report's text or as CSV. The report after a cleaning
// shows in it too ("Last Cleaning Details"); a report saved by an earlier session, of
// which no items are in memory, shows as its text.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "main/clean/cleaning_report.h"
#include "platform/change_recorder.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/prompter.h"
#include "ui/text_box.h"
#include "ui/virtual_list_view.h"
#include "ui/window_host.h"

namespace vorn {

class AnalysisReportDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Analysis";
  static constexpr const char* kDetailsCaption = "Last Cleaning Details";
  enum Column { kArea, kOption, kKind, kPath, kSize, kOutcome, kColumns };
  enum class Format { Text, Csv };

  struct Services {
    platform::Files& files;
    ui::Prompter& prompter;
    ui::WindowHost& windows;
  };
  explicit AnalysisReportDialog(Services services);

  // Shows the items of a run modal over `owner`: an analysis ("Analysis") or a cleaning
  // ("Last Cleaning Details"). `heading` names the run, as the report's first line does;
  // `text` is the run's report as written.
  void open(const std::vector<platform::RecordedChange>& changes, const std::string& heading,
            bool analysis, const std::string& text, ui::WindowModel* owner);
  // Shows a report saved by an earlier session as its text.
  void openSaved(const std::string& text, ui::WindowModel* owner);

  // Rows are shown (else the saved report's text).
  bool showsList() const { return showsList_; }
  int rowCount() const { return static_cast<int>(order_.size()); }
  // A row's column as shown, in the present order.
  std::string cell(int row, int column) const;
  // Sorts by `column`, ascending; the same column again turns the order round. Equal
  // values keep the report's order.
  void sortBy(int column);
  int sortColumn() const { return sortColumn_; }
  bool descending() const { return descending_; }

  // The report's text, as saved beside the log.
  const std::string& text() const { return reportText.text(); }
  // A header row, then the rows in the present order; sizes in bytes.
  std::string csvText() const;
  // Writes the text or the CSV to `path`, replacing the file whole; tells the user when
  // it fails. Returns the failing code, kSuccess when saved.
  platform::ErrorCode saveTo(const std::string& path, Format format);

  // Set by the view: asks the user where to save and in which format; false when the
  // user cancelled. `csvOffered`: the list can be saved as CSV.
  struct SaveChoice {
    std::string path;
    Format format = Format::Text;
  };
  std::function<bool(bool csvOffered, SaveChoice& choice)> askSaveTarget;

  ui::Label headingLabel{"headingLabel"};
  ui::VirtualListView itemList{"itemList"};
  ui::Label totalsLabel{"totalsLabel"};
  ui::TextBox reportText{"reportText"};
  ui::Button saveAsButton{"saveAsButton", "&Save As..."};
  ui::Button closeButton{"closeButton", "&Close"};

 private:
  struct Row {
    std::string texts[kColumns];
    std::uint64_t size = 0;
  };
  void show(ui::WindowModel* owner);

  Services services_;
  std::vector<Row> rows_;
  std::vector<int> order_;  // the rows in the order shown
  int sortColumn_ = -1;
  bool descending_ = false;
  bool showsList_ = false;
};

}  // namespace vorn
