#pragma once

#include <array>
#include <string>

#include "calendar/sexagenary.h"

namespace kirvo {

// The pattern (格局) names by pattern index 0 to 29; index 0 is empty. Entries 1 to 10 are the ten
// gods' names in use followed by "格", so a renamed ten god renames its pattern.
using PatternNames = std::array<std::string, 30>;

PatternNames BuildPatternNames(const TenGodNames& ten_god_names);

}  // namespace kirvo
