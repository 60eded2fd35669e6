#include "main/dialogs/doc_history_dialog.h"

#include "common/error_trap.h"
#include "common/run_error.h"
#include "platform/tree_removal.h"

namespace vorn {

DocHistoryDialog::DocHistoryDialog(platform::Files& files, common::SessionLog& log,
                                   ui::Prompter& prompter, ui::WindowHost& windows,
                                   std::function<std::string()> recentFolder)
    : ui::WindowModel(kCaption),
      docFiles("docFiles", files),
      files_(files),
      log_(log),
      prompter_(prompter),
      windows_(windows),
      recentFolder_(std::move(recentFolder)) {
  removeButton.onClick = [this] { removeHighlighted(); };
  doneButton.onClick = [this] { windows_.close(*this); };
  // "Remove Highlighted" needs a highlighted file.
  docFiles.onClick = [this] { removeButton.setEnabled(docFiles.listIndex() >= 0); };
}

void DocHistoryDialog::open(ui::WindowModel* owner) {
  folder_ = recentFolder_ ? recentFolder_() : std::string();
  try {
    docFiles.setPath(folder_);
  } catch (const common::RunError&) {
    prompter_.messageBox(kDocHistoryPathMissing, "Tervane", ui::mb::kOk);
    return;
  }
  removeButton.setEnabled(docFiles.listIndex() >= 0);
  windows_.showModal(*this, owner);
}

void DocHistoryDialog::removeHighlighted() {
  const int index = docFiles.listIndex();
  if (index < 0 || index >= docFiles.listCount()) return;
  common::ErrorTrap trap(log_, "Form3.Command2");
  std::string path = folder_;
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += docFiles.items()[static_cast<std::size_t>(index)];
  trap.runStep([&] {
    const platform::RemovalReport removed = platform::WalkingTreeRemoval(files_).removeFile(path);
    if (!removed.complete()) common::raiseWin32(removed.firstError);
    if (removed.removed == 0) common::raise(common::errnum::kFileNotFound);
  });
  trap.runStep([&] { docFiles.refresh(); });
  removeButton.setEnabled(docFiles.listIndex() >= 0);
}

}  // namespace vorn
