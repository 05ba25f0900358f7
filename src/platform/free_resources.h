#pragma once

#include <optional>

namespace kirvo {

// Free percentages (0..100) of the system, graphics and user resource pools of systems that have
// such fixed pools.
struct FreeResources {
  int system = 100;
  int graphics = 100;
  int user = 100;
};

// The free resources of this system; nothing on systems without fixed resource pools, which is
// every system the program runs on now.
std::optional<FreeResources> QueryFreeResources();

}  // namespace kirvo
