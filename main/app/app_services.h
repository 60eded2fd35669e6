#pragma once
// The services every window and operation of the cleaner is handed by constructor.
#include "common/session_log.h"
#include "common/settings.h"
#include "main/app/session.h"
#include "platform/internet_properties.h"
#include "platform/key_sender.h"
#include "platform/locale.h"
#include "platform/run_lock.h"
#include "platform/shell_file_info.h"
#include "platform/shell_open.h"
#include "platform/system.h"
#include "platform/top_windows.h"
#include "platform/url_cache.h"
#include "ui/prompter.h"
#include "ui/screen.h"
#include "ui/window_host.h"

namespace vorn {

class UnattendedPrompter;

struct AppServices {
  platform::System& system;
  common::SessionLog& log;
  common::Settings& settings;
  ui::Prompter& prompter;
  ui::Screen& screen;
  ui::WindowHost& windows;
  Session& session;
  // What the Internet Explorer cleaning drives the browser's own dialog with, and the
  // URL cache it falls back on. Without them the cache and history are left to the
  // engine's file steps.
  platform::InternetProperties* internetProperties = nullptr;
  platform::TopWindows* topWindows = nullptr;
  platform::KeySender* keySender = nullptr;
  platform::UrlCache* urlCache = nullptr;
  // The lock every run takes (none: runs are not coordinated), and the prompter in front
  // of `prompter` that unattended runs make quiet (none: they cannot be made quiet).
  platform::RunLock* runLock = nullptr;
  UnattendedPrompter* unattended = nullptr;
  // What the cleaning engines act through: `system` seen through the recorder, which
  // keeps what a run changes and stands in for the changes in an analysis. Windows,
  // dialogs, settings and the log use `system` itself. None: the engines use `system`.
  platform::System* engineSystem = nullptr;
  platform::System& engines() { return engineSystem ? *engineSystem : system; }
};

// The services only the windows that show files need: numbers and dates in the user's
// format, the shell's icons and type names, and opening a file with the shell.
struct ViewerServices {
  platform::Locale& locale;
  platform::ShellFileInfo& shellInfo;
  platform::ShellOpen& shellOpen;
};

}  // namespace vorn
