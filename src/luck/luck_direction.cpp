#include "luck/luck_direction.h"

namespace kirvo {

int LuckDirectionOf(Sex sex, Stem year_stem, Stem day_stem, LuckDirectionRule rule) {
  if (rule == LuckDirectionRule::kAlwaysForward) return kForward;
  if (rule == LuckDirectionRule::kAlwaysReverse) return kReverse;
  const Stem stem = rule == LuckDirectionRule::kByDayStem ? day_stem : year_stem;
  return IsYang(stem) == (sex == Sex::kMale) ? kForward : kReverse;
}

}  // namespace kirvo
