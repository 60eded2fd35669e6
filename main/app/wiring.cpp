#include "main/app/wiring.h"

namespace vorn {

void wireSubsystems(Child8& child8, AppServices& services) {
  // Nothing is wired yet: the cleaning engines, paths, statistics, plugins, cookie lists
  // and user-defined lists fill child8.operations() here as they are built.
  (void)child8;
  (void)services;
}

}  // namespace vorn
