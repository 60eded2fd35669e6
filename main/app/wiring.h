#pragma once
// Where the subsystems built beside the main window plug their operations into it: the
// load handler's steps and the commands behind its buttons (Child8Operations). The
// returned object owns the subsystems and must live as long as the window.
#include <memory>

#include "main/app/app_services.h"
#include "main/app/child8.h"

namespace vorn {

class PathConfig;

struct Subsystems {
  Subsystems();
  ~Subsystems();
  std::unique_ptr<PathConfig> paths;
};

std::unique_ptr<Subsystems> wireSubsystems(Child8& child8, AppServices& services);

}  // namespace vorn
