#include "presentation/services/resource_check.h"

namespace kirvo {

bool PassesResourceCheck(const std::optional<FreeResources>& free, int threshold, Interaction& interaction) {
  if (!free) return true;
  if (free->system > threshold && free->graphics > threshold && free->user > threshold) return true;
  interaction.Beep();
  interaction.ShowMessage(MessageKind::kWarning, kLowResourcesMessage);
  return false;
}

}  // namespace kirvo
