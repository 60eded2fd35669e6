#pragma once
// The services every window and operation of the cleaner is handed by constructor.
#include "common/session_log.h"
#include "common/settings.h"
#include "main/app/session.h"
#include "platform/system.h"
#include "ui/prompter.h"
#include "ui/screen.h"
#include "ui/window_host.h"

namespace vorn {

struct AppServices {
  platform::System& system;
  common::SessionLog& log;
  common::Settings& settings;
  ui::Prompter& prompter;
  ui::Screen& screen;
  ui::WindowHost& windows;
  Session& session;
};

}  // namespace vorn
