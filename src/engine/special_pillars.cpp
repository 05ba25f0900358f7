#include "engine/special_pillars.h"

namespace kirvo {

namespace {

// clang-format off
// 宅神 branch, by the day branch 子..亥.
inline constexpr std::array<Branch, 12> kHomeBranch       = {5, 8, 7, 10, 9, 0, 11, 2, 1, 4, 3, 6};
// 破宅神 stem, by the day stem 甲..癸.
inline constexpr std::array<Stem, 10>   kBrokenHomeStem   = {9, 2, 1, 4, 3, 6, 5, 8, 7, 0};
// 破宅神 branch, by the day branch.
inline constexpr std::array<Branch, 12> kBrokenHomeBranch = {11, 2, 1, 4, 3, 6, 5, 8, 7, 10, 9, 0};
// 墓石 stem, by the day stem: the other stem of the same element.
inline constexpr std::array<Stem, 10>   kGravestoneStem   = {1, 0, 3, 2, 5, 4, 7, 6, 9, 8};
// 墓石 branch, by the day branch; 墓神 takes the branch opposite it.
inline constexpr std::array<Branch, 12> kGravestoneBranch = {1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10};
// clang-format on

}  // namespace

std::array<SpecialPillar, 4> FourSpecialPillarsOf(Stem day_stem, Branch day_branch) {
  const Stem partner_stem = (day_stem + 5) % 10;  // the stem that combines with the day stem (干合)
  const Branch gravestone_branch = kGravestoneBranch[day_branch];
  return {{
      {"宅神", "○", {partner_stem, kHomeBranch[day_branch]}},
      {"破宅神", "●", {kBrokenHomeStem[day_stem], kBrokenHomeBranch[day_branch]}},
      {"墓石", "□", {kGravestoneStem[day_stem], gravestone_branch}},
      {"墓神", "■", {partner_stem, (gravestone_branch + 6) % 12}},
  }};
}

}  // namespace kirvo
