#pragma once

#include <array>
#include <string_view>

#include "calendar/sexagenary.h"

namespace kirvo {

// The four special pillars (四神殺) of a chart, derived from its day pillar, each with the mark a
// pillar equal to it shows: 宅神 ○, 破宅神 ●, 墓石 □, 墓神 ■.
struct SpecialPillar {
  std::string_view name;
  std::string_view mark;
  Kanshi pillar;
};

// For a day pillar of stem 0..9 and branch 0..11; in the order 宅神, 破宅神, 墓石, 墓神.
std::array<SpecialPillar, 4> FourSpecialPillarsOf(Stem day_stem, Branch day_branch);

}  // namespace kirvo
