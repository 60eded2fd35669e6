#pragma once
// The bundle of platform services that the logic receives by constructor. The real one
// comes from platform/win32 (makeWin32System), the fake one from platform/fake.
#include "platform/clock.h"
#include "platform/disk.h"
#include "platform/file_identity.h"
#include "platform/files.h"
#include "platform/process_info.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/tree_removal.h"
#include "platform/user_settings.h"

namespace platform {

struct System {
  Files& files;
  Registry& registry;
  Clock& clock;
  ProcessInfo& process;
  FileIdentity& identity;
  UserSettings& userSettings;
  Processes& processes;
  Disk& disk;
  Shell& shell;
  TreeRemoval& removal;
};

}  // namespace platform
