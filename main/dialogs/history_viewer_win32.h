#pragma once
// The views of the history viewer and of the document history.
#include "main/dialogs/doc_history_dialog.h"
#include "main/dialogs/history_viewer.h"
#include "ui/win32/form.h"

namespace vorn {

class HistoryViewerView : public ui::win32::Form {
 public:
  explicit HistoryViewerView(HistoryViewer& model);
};

class DocHistoryDialogView : public ui::win32::Form {
 public:
  explicit DocHistoryDialogView(DocHistoryDialog& model);
};

}  // namespace vorn
