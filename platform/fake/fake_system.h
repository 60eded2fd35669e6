#pragma once
// Every fake platform service, wired together, and the System bundle over them.
#include <string>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_disk.h"
#include "platform/fake/fake_file_identity.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/registry_user_settings.h"
#include "platform/system.h"

namespace platform::fake {

class FakeProcessInfo : public ProcessInfo {
 public:
  std::string programFolder() override { return folder; }
  std::string programFile() override { return folder + "\\" + fileName; }
  bool windowsVersion(int& major, int& minor) override {
    major = versionMajor;
    minor = versionMinor;
    return versionMajor >= 0;
  }
  std::string folder = "C:\\Program Files\\Tervane";
  int versionMajor = 4, versionMinor = 10;  // Windows 98; -1: unknown
  std::string fileName = "vorn66.exe";
};

class FakeSystem {
 public:
  FakeSystem() { files.addFolder(process.folder); }
  FakeSystem(const FakeSystem&) = delete;
  FakeSystem& operator=(const FakeSystem&) = delete;

  FakeClock clock;
  FakeFiles files{[this] { return clock.nowTicks(); }};
  FakeRegistry registry;
  FakeProcessInfo process;
  FakeFileIdentity identity{files};
  platform::RegistryUserSettings userSettings{registry};
  FakeProcesses processes{files};
  FakeDisk disk;
  FakeShell shell{files};
  WalkingTreeRemoval removal{files};

  System& system() { return system_; }
  operator System&() { return system_; }

 private:
  System system_{files,        registry,  clock, process, identity,
                 userSettings, processes, disk,  shell,   removal};
};

}  // namespace platform::fake
