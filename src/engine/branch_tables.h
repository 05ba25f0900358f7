#pragma once

#include <array>
#include <optional>

#include "calendar/sexagenary.h"

namespace kirvo {

// The fixed tables of the earthly-branch relations. Branch indices 0..11 are 子..亥, elements
// 0..4 木火土金水.

// 六合 (支合): b combines with (13 − b) mod 12; the element the pair transforms into.
struct SixCombinationRow {
  Branch first;
  Branch second;
  Element element;
};
// clang-format off
inline constexpr std::array<SixCombinationRow, 6> kSixCombinations = {{
    // first  second  element
    {0,  1,  2},  // 子丑 土
    {2,  11, 0},  // 寅亥 木
    {3,  10, 1},  // 卯戌 火
    {4,  9,  3},  // 辰酉 金
    {5,  8,  4},  // 巳申 水
    {6,  7,  1},  // 午未 火
}};
// clang-format on

constexpr bool IsSixCombination(Branch a, Branch b) { return b == (13 - a) % 12; }

// The transformed element of the 支合 pair that `branch` belongs to.
constexpr Element SixCombinationElement(Branch branch) {
  for (const SixCombinationRow& row : kSixCombinations) {
    if (row.first == branch || row.second == branch) return row.element;
  }
  return kNoElement;
}

// 冲: opposite branches, six apart.
constexpr bool IsClash(Branch a, Branch b) { return b == (a + 6) % 12; }

// 局 (half combination): two branches of one 三合 group, four or eight apart.
constexpr bool IsHalfGroup(Branch a, Branch b) {
  const int apart = a > b ? a - b : b - a;
  return apart == 4 || apart == 8;
}

// A three-branch group: its index (which is its element), its three branches and its central branch
// (旺支).
struct BranchGroupRow {
  int index;
  std::array<Branch, 3> members;
  Branch central;
};

// clang-format off
// 三合: the birth, peak and grave branches of one element. Earth (index 2) has no group.
inline constexpr std::array<BranchGroupRow, 4> kThreeHarmonyGroups = {{
    // index  members        central
    {0, {11, 3,  7},  3},  // 亥卯未 木, 卯
    {1, {2,  6,  10}, 6},  // 寅午戌 火, 午
    {3, {5,  9,  1},  9},  // 巳酉丑 金, 酉
    {4, {8,  0,  4},  0},  // 申子辰 水, 子
}};

// 方合: the three branches of one season. Earth (index 2) has no group.
inline constexpr std::array<BranchGroupRow, 4> kDirectionalGroups = {{
    // index  members        central
    {0, {2,  3,  4},  3},  // 寅卯辰 木, 卯
    {1, {5,  6,  7},  6},  // 巳午未 火, 午
    {3, {8,  9,  10}, 9},  // 申酉戌 金, 酉
    {4, {11, 0,  1},  0},  // 亥子丑 水, 子
}};

// The 三合 element of every branch, 子 to 亥: 子辰申 水, 丑巳酉 金, 寅午戌 火, 卯未亥 木.
inline constexpr std::array<Element, 12> kThreeHarmonyElementOfBranch = {
    // 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
       4, 3, 1, 0, 4, 3, 1, 0, 4, 3, 1, 0};
// clang-format on

// 四正: the cardinal branches 子 卯 午 酉.
constexpr bool IsCardinal(Branch branch) { return branch % 3 == 0; }

constexpr bool GroupHolds(const BranchGroupRow& group, Branch branch) {
  return branch == group.members[0] || branch == group.members[1] || branch == group.members[2];
}

// Whether one group of a family holds both of two different branches.
constexpr bool SharesGroup(const std::array<BranchGroupRow, 4>& groups, Branch a, Branch b) {
  for (const BranchGroupRow& group : groups) {
    if (a != b && GroupHolds(group, a) && GroupHolds(group, b)) return true;
  }
  return false;
}

// The row of `groups` whose members are exactly the three branches, in any order.
constexpr const BranchGroupRow* GroupOf(const std::array<BranchGroupRow, 4>& groups, Branch a, Branch b, Branch c) {
  for (const BranchGroupRow& group : groups) {
    if (a != b && b != c && a != c && GroupHolds(group, a) && GroupHolds(group, b) && GroupHolds(group, c)) {
      return &group;
    }
  }
  return nullptr;
}

// The stem a branch group turns a member's hidden stems into: the yang stem of the group's element
// on a 寅 巳 申 亥 branch, the yin stem on a 丑 辰 未 戌 branch, none on a cardinal branch.
constexpr Stem GroupStemOn(Branch branch, Element element) {
  if (IsCardinal(branch) || element < 0 || element > 4) return kNoStem;
  const bool earth_branch = branch % 3 == 1;  // 丑 辰 未 戌
  return 2 * element + (earth_branch ? 1 : 0);
}

}  // namespace kirvo
