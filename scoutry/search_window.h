#pragma once
// The window "Search" of the path search tool: it walks drive C: once for the browsers'
// index files and writes what it found to "index.ini" in the program folder, for the
// boot-time remover.
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "platform/system.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/progress_bar.h"
#include "ui/prompter.h"
#include "ui/screen.h"
#include "ui/text_box.h"

namespace scoutry {

class SearchWindow {
 public:
  SearchWindow(platform::System& system, ui::Prompter& prompter, ui::Screen& screen);

  ui::Label introLabel{"introLabel"}, onceLabel{"onceLabel"}, durationLabel{"durationLabel"},
      browsersLabel{"browsersLabel"};
  ui::Button startButton{"startButton", "Start searching"};
  ui::Button cancelButton{"cancelButton", "Cancel"};
  ui::ProgressBar progressBar{"progressBar"};
  ui::ListBox foundList{"foundList"};
  ui::TextBox rootBox{"rootBox"}, fileNameBox{"fileNameBox"};

  static constexpr const char* kCaption = "Search";

  // The window's load handler: captions, the search root and the name searched for.
  void loadWindow();

  // Walks `path` (made to end in "\") and every folder below it, recording each file
  // named `fileName` that lies directly in a folder of one of the index kinds. Returns
  // the total size of the files matched. Folders are entered once, reparse points
  // never, and folders that cannot be read are passed over.
  double FindFiles(std::string& path, const std::string& fileName, std::int32_t& fileCount,
                   std::int32_t& folderCount);

  // Files recorded so far in this search.
  std::int32_t foundCount = 0;

  // The close box: refused while a search runs, otherwise the window unloads.
  bool queryUnload();
  // Runs when the window unloads; the program ends with it.
  std::function<void()> onUnload;
  bool unloaded() const { return unloaded_; }
  bool searching() const { return searching_; }
  // Folders that could not be listed during the search.
  int skippedFolders() const { return skippedFolders_; }

  std::string indexFile() const;

 private:
  double findIn(std::string& path, const std::string& fileName, std::int32_t& fileCount,
                std::int32_t& folderCount, std::optional<platform::FileId> known);
  void startSearch();
  void cancelSearch();
  void unload();
  void advance(int& step);
  void unexpectedError(int number, const std::string& description);
  template <class Statement>
  void statement(const std::string& entryName, Statement&& body);
  void writeIndex(const std::string& key, const std::string& value);

  platform::System& system_;
  ui::Prompter& prompter_;
  ui::Screen& screen_;
  std::set<platform::FileId> visited_;
  std::optional<std::uint32_t> volume_;  // of the search root
  int skippedFolders_ = 0;
  int foldersSincePump_ = 0;
  bool indexStarted_ = false;
  bool searching_ = false;
  bool unloaded_ = false;
};

}  // namespace scoutry
