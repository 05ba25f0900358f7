#include "luck/luck_direction.h"


namespace kirvo {
namespace {

constexpr int kMale = 0;

}  // namespace

int LuckDirectionOf(int sex, Stem year_stem, Stem day_stem, LuckDirectionRule rule) {
  if (rule == LuckDirectionRule::kAlwaysForward) return kForward;
  if (rule == LuckDirectionRule::kAlwaysReverse) return kReverse;
  const Stem stem = rule == LuckDirectionRule::kByDayStem ? day_stem : year_stem;
  return IsYang(stem) == (sex == kMale) ? kForward : kReverse;
}

}  // namespace kirvo
