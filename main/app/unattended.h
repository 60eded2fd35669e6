#pragma once
// Runs nobody watches: the command line's /auto and /analyze, and the tray's scheduled
// cleaning. Nothing may wait for a click there, so message boxes go to the log and the
// report, windows are not shown, and every run takes the one run lock first.
#include <algorithm>
#include <string>
#include <vector>

#include "common/session_log.h"
#include "platform/run_lock.h"
#include "ui/prompter.h"
#include "ui/window_host.h"

namespace vorn {

inline constexpr const char* kBusyMessage =
    "Another Tervane is cleaning or analysing right now. Try again when it has finished.";
inline constexpr const char* kUnattendedLogLabel = "Unattended";

// Passes message boxes through, but while quiet writes each to the log, keeps it for the
// run's report and answers with the default button, as pressing Enter would.
class UnattendedPrompter : public ui::Prompter {
 public:
  UnattendedPrompter(ui::Prompter& inner, common::SessionLog& log) : inner_(inner), log_(log) {}
  ui::Answer messageBox(const std::string& text, const std::string& title, unsigned style) override;

  bool quiet() const { return quiet_; }
  // Going quiet starts a new list of messages.
  void setQuiet(bool quiet);
  // The messages held since going quiet, each as "title: text" on one line.
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  ui::Prompter& inner_;
  common::SessionLog& log_;
  bool quiet_ = false;
  std::vector<std::string> messages_;
};

// Quiet for the length of a scope (the tray's scheduled run); nothing when already quiet
// or when there is no such prompter.
class QuietScope {
 public:
  explicit QuietScope(UnattendedPrompter* prompter)
      : prompter_(prompter && !prompter->quiet() ? prompter : nullptr) {
    if (prompter_) prompter_->setQuiet(true);
  }
  ~QuietScope() {
    if (prompter_) prompter_->setQuiet(false);
  }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  UnattendedPrompter* prompter_;
};

// Holds the run lock for a scope. When another process has it, says so through `prompter`
// (a box in the window, the log when quiet) and held() is false. No lock: always held.
class RunLockScope {
 public:
  RunLockScope(platform::RunLock* lock, ui::Prompter& prompter);
  ~RunLockScope() {
    if (held_ && lock_) lock_->release();
  }
  RunLockScope(const RunLockScope&) = delete;
  RunLockScope& operator=(const RunLockScope&) = delete;
  bool held() const { return held_; }

 private:
  platform::RunLock* lock_;
  bool held_;
};

// The report's closing part: what would have been shown in message boxes. Empty for none.
std::string messagesSection(const std::vector<std::string>& messages);

// A window host that shows nothing. Windows count as open until closed, so closing still
// runs their unload handlers; a modal window closes at once, as by its close box, since
// nobody could answer it.
class HiddenWindowHost : public ui::WindowHost {
 public:
  void showModal(ui::WindowModel& window, ui::WindowModel*) override {
    show(window);
    close(window);
  }
  void show(ui::WindowModel& window) override {
    if (!isOpen(window)) open_.push_back(&window);
  }
  void showOver(ui::WindowModel& window, ui::WindowModel&) override { show(window); }
  void close(ui::WindowModel& window) override {
    if (!isOpen(window)) return;
    if (window.onUnload) window.onUnload();
    open_.erase(std::find(open_.begin(), open_.end(), &window));
  }
  std::vector<ui::WindowModel*> openWindows() override { return open_; }
  bool isOpen(const ui::WindowModel& w) const {
    return std::find(open_.begin(), open_.end(), &w) != open_.end();
  }

 private:
  std::vector<ui::WindowModel*> open_;
};

}  // namespace vorn
