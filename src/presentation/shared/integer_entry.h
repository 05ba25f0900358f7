#pragma once

#include <string_view>

#include "platform/interaction.h"

namespace kirvo {

// A dialog's check of an integer field: true when `text` is an integer with min ≤ value ≤ max.
// Otherwise beeps, shows why in a message box and returns false. Note the order: the maximum
// comes before the minimum.
bool ValidateIntegerText(std::string_view text, int max, int min, Interaction& interaction);

}  // namespace kirvo
