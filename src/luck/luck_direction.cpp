#include "luck/luck_direction.h"

#include "settings/usys_settings.h"

namespace kirvo {
namespace {

enum DirectionRule { kByYearStem = 0, kAlwaysForward = 1, kAlwaysReverse = 2, kByDayStem = 3 };
constexpr int kMale = 0;

}  // namespace

int LuckDirectionOf(int sex, Stem year_stem, Stem day_stem, const USysSettings& usys) {
  const int rule = usys.Choice("DaiRG");
  if (rule == kAlwaysForward) return kForward;
  if (rule == kAlwaysReverse) return kReverse;
  const Stem stem = rule == kByDayStem ? day_stem : year_stem;
  return IsYang(stem) == (sex == kMale) ? kForward : kReverse;
}

}  // namespace kirvo
