#pragma once
// The bundle of platform services that the logic receives by constructor. The real one
// comes from platform/win32 (makeWin32System), the fake one from platform/fake.
#include "platform/clock.h"
#include "platform/file_identity.h"
#include "platform/files.h"
#include "platform/process_info.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace platform {

struct System {
  Files& files;
  Registry& registry;
  Clock& clock;
  ProcessInfo& process;
  FileIdentity& identity;
  Shell& shell;
};

}  // namespace platform
