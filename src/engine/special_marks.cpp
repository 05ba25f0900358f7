#include "engine/special_marks.h"

#include <optional>
#include <string_view>

#include "engine/branch_tables.h"
#include "engine/special_pillars.h"
#include "engine/void_branches.h"

namespace kirvo {
namespace {

inline constexpr std::string_view kSameAsDay = "反";          // the day pillar itself
inline constexpr std::string_view kClashWithSameStem = "天";  // the day stem over a clashing branch
inline constexpr std::string_view kOvercomeAndClash = "伏";   // a stem overcoming the day stem over a clashing branch
inline constexpr std::string_view kCombineTwice = "晦";       // a stem and branch both combining with the day pillar

}  // namespace

std::string SpecialMarksOf(Kanshi pillar, Kanshi day, bool running_luck, bool four_special_pillars) {
  const auto [stem, branch] = pillar;
  std::string text;
  if (four_special_pillars) {
    for (const SpecialPillar& special : FourSpecialPillarsOf(day.stem, day.branch)) {
      if (special.pillar == pillar) text += special.mark;
    }
  }
  const std::string_view day_stem_text = kStemNames[day.stem];
  const std::string void_text = VoidBranchesOf(day_stem_text, kBranchNames[day.branch]);
  if (const std::optional<VoidKind> kind = VoidKindOf(void_text, kBranchNames[branch], day_stem_text)) {
    text = std::string(kVoidKindNames[static_cast<int>(*kind)]);
  }
  if (running_luck && stem != kNoStem) {
    const bool clashes = IsClash(branch, day.branch);
    if (stem == day.stem && branch == day.branch) {
      text += kSameAsDay;
    } else if (stem == day.stem && clashes) {
      text += kClashWithSameStem;
    } else if ((stem + 4) % 10 == day.stem && clashes) {
      text += kOvercomeAndClash;
    } else if (stem == (day.stem + 5) % 10 && !four_special_pillars && IsSixCombination(branch, day.branch)) {
      text += kCombineTwice;
    }
  }
  return text;
}

}  // namespace kirvo
