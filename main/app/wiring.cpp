#include "main/app/wiring.h"

#include "main/paths/path_config.h"

namespace vorn {

Subsystems::Subsystems() = default;
Subsystems::~Subsystems() = default;

std::unique_ptr<Subsystems> wireSubsystems(Child8& child8, AppServices& services) {
  (void)services;  // each subsystem reaches the services through the window
  auto s = std::make_unique<Subsystems>();
  s->paths = std::make_unique<PathConfig>(child8);
  s->paths->wire();
  return s;
}

}  // namespace vorn
