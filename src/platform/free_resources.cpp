#include "platform/free_resources.h"

namespace kirvo {

std::optional<FreeResources> QueryFreeResources() { return std::nullopt; }

}  // namespace kirvo
