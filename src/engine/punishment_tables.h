#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "calendar/sexagenary.h"

namespace kirvo {

// The fixed tables of punishments (刑), harms (害) and breaks (破) between branches 0..11 (子..亥).

// 刑 kinds and the character a punished pillar shows.
enum class PunishmentKind { kForce = 0, kGrace = 1, kCourtesy = 2, kSelf = 3 };
inline constexpr std::array<std::string_view, 4> kPunishmentNames = {"勢", "恩", "礼", "自"};

inline constexpr Branch kNoPartner = -1;

// 刑, read in order: the pillar's own branch, then the partner branches that punish it.
struct PunishmentRow {
  Branch own;
  std::array<Branch, 2> partners;
  PunishmentKind kind;
};
// clang-format off
inline constexpr std::array<PunishmentRow, 12> kPunishments = {{
    {2,  {5,  8},          PunishmentKind::kForce},     // 寅: 巳 申  勢 (恃勢之刑)
    {5,  {8,  2},          PunishmentKind::kForce},     // 巳: 申 寅
    {8,  {2,  5},          PunishmentKind::kForce},     // 申: 寅 巳
    {1,  {10, 7},          PunishmentKind::kGrace},     // 丑: 戌 未  恩 (無恩之刑)
    {7,  {1,  10},         PunishmentKind::kGrace},     // 未: 丑 戌
    {10, {7,  1},          PunishmentKind::kGrace},     // 戌: 未 丑
    {0,  {3,  kNoPartner}, PunishmentKind::kCourtesy},  // 子: 卯     礼 (無礼之刑)
    {3,  {0,  kNoPartner}, PunishmentKind::kCourtesy},  // 卯: 子
    {4,  {4,  kNoPartner}, PunishmentKind::kSelf},      // 辰: 辰     自 (自刑)
    {6,  {6,  kNoPartner}, PunishmentKind::kSelf},      // 午: 午
    {9,  {9,  kNoPartner}, PunishmentKind::kSelf},      // 酉: 酉
    {11, {11, kNoPartner}, PunishmentKind::kSelf},      // 亥: 亥
}};
// clang-format on

// 害 (六害) pairs.
inline constexpr std::array<std::pair<Branch, Branch>, 6> kHarmPairs = {{
    {4, 3},   // 辰卯
    {5, 2},   // 巳寅
    {6, 1},   // 午丑
    {7, 0},   // 未子
    {8, 11},  // 申亥
    {9, 10},  // 酉戌
}};

// 破 pairs.
inline constexpr std::array<std::pair<Branch, Branch>, 6> kBreakPairs = {{
    {0, 9},   // 子酉
    {1, 4},   // 丑辰
    {2, 11},  // 寅亥
    {3, 6},   // 卯午
    {5, 8},   // 巳申
    {10, 7},  // 戌未
}};

// The punishment of a pillar on branch `own` by a partner on branch `partner`, if any.
constexpr const PunishmentRow* PunishmentOf(Branch own, Branch partner) {
  for (const PunishmentRow& row : kPunishments) {
    if (row.own == own && (row.partners[0] == partner || row.partners[1] == partner)) return &row;
  }
  return nullptr;
}

// Whether the two branches, in either order, are one of the pairs.
constexpr bool IsPairOf(const std::array<std::pair<Branch, Branch>, 6>& pairs, Branch a, Branch b) {
  for (const auto& [x, y] : pairs) {
    if ((x == a && y == b) || (x == b && y == a)) return true;
  }
  return false;
}

}  // namespace kirvo
