#pragma once
// Where the subsystems built beside the main window plug their operations into it: the
// load handler's steps and the commands behind its buttons (Child8Operations). Each
// subsystem adds its lines to wireSubsystems.
#include "main/app/app_services.h"
#include "main/app/child8.h"

namespace vorn {

void wireSubsystems(Child8& child8, AppServices& services);

}  // namespace vorn
