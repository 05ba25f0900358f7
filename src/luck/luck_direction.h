#pragma once

#include "calendar/sex.h"
#include "calendar/sexagenary.h"
#include "settings/usys_keys.h"

namespace kirvo {

// Direction of the major luck: 0 順 (forward through the cycle), 1 逆 (backward).
inline constexpr int kForward = 0, kReverse = 1;

// `DaiRG` 1 and 2 fix the direction; 0 and 3 decide by the natal year stem or day stem: 順 for a
// man with a yang stem or a woman with a yin stem, 逆 otherwise.
int LuckDirectionOf(Sex sex, Stem year_stem, Stem day_stem, LuckDirectionRule rule);

}  // namespace kirvo
