#include <algorithm>
#include <functional>
#include <string>

#include "engine/branch_relations.h"

namespace kirvo {

namespace {

inline constexpr int kNoElementValue = 9;
// Strengths of a pair relation; a merged relation of three neighbouring pillars weighs more.
inline constexpr int kCombinationStrength = 2, kMergedStrength = 5, kMergedHalfGroupStrength = 4;
inline constexpr int kEarthClashStrength = 1, kClashStrength = 2;
// Strength of a three-branch group before its neighbouring pillars are weighed.
inline constexpr int kGroupBaseStrength = 4;

Branch WorkingBranch(const ChartBoard& board, int pillar) {
  return board(board::ColumnOfPillar(pillar), board::kWorkBranch).Code;
}

Element ThreeHarmonyElementOf(Branch branch) {
  return branch >= 0 && branch < 12 ? kThreeHarmonyElementOfBranch[branch] : kNoElementValue;
}

Element BranchElementOf(Branch branch) {
  return branch >= 0 && branch < 12 ? ElementOfBranch(branch) : kNoElementValue;
}

// How strongly two branches hold a half combination: a cardinal branch against a non-cardinal one
// with neither stem supporting its branch is weak (1); two non-cardinal branches both supported by
// their stems are strong (3); anything else rates 2.
int PairRating(const ChartBoard& board, int pillar_a, int pillar_b) {
  const bool cardinal_a = IsCardinal(WorkingBranch(board, pillar_a));
  const bool cardinal_b = IsCardinal(WorkingBranch(board, pillar_b));
  const bool supported_a = StemSupportsOwnBranch(board, board::ColumnOfPillar(pillar_a));
  const bool supported_b = StemSupportsOwnBranch(board, board::ColumnOfPillar(pillar_b));
  if (cardinal_a != cardinal_b && !supported_a && !supported_b) return 1;
  if (!cardinal_a && !cardinal_b && supported_a && supported_b) return 3;
  return 2;
}

}  // namespace

void RatePairEntries(const ChartBoard& board, RelationList& list) {
  for (std::string& entry : list) {
    if (entry.size() <= kEntryKind) continue;
    std::string pillars = entry.substr(0, 3);
    std::sort(pillars.begin(), pillars.end(), std::greater<>());
    const char kind = entry[kEntryKind];
    const bool merged = pillars[2] != '0';
    const int first = ValueOfDigit(pillars[0]);
    const int second = ValueOfDigit(pillars[1]);

    int element = kNoElementValue;
    int strength = 0;
    switch (kind) {
      case kSixCombinationKind:
        strength = merged ? kMergedStrength : kCombinationStrength;
        break;
      case kClashKind:
        element = BranchElementOf(WorkingBranch(board, first));
        strength = merged ? kMergedStrength : (element == 2 /* 土 */ ? kEarthClashStrength : kClashStrength);
        break;
      case kHalfGroupKind:
        element = ThreeHarmonyElementOf(WorkingBranch(board, first));
        strength = merged ? kMergedHalfGroupStrength : PairRating(board, first, second);
        break;
      default:
        continue;  // not a pair relation
    }
    // The month branch is busy with the season: relations on it weigh less, but for 局.
    if (kind != kHalfGroupKind && Names(pillars, board::PillarNumber(board::kMonth))) --strength;
    entry = pillars + kind + DigitOf(element) + DigitOf(strength);
  }
}

// Two neighbouring pillars of the group strengthen it; they strengthen it once more when their stems
// feed their branches: one stem suffices when one of the two stands on the central branch or the
// three pillars are all neighbours, else it takes both.
int GroupStrength(const ChartBoard& board, std::string_view pillars, Branch central) {
  const int d0 = ValueOfDigit(pillars[0]), d1 = ValueOfDigit(pillars[1]), d2 = ValueOfDigit(pillars[2]);
  const bool first_pair_neighbours = d0 == d1 + 1;
  const bool second_pair_neighbours = d1 == d2 + 1;
  if (!first_pair_neighbours && !second_pair_neighbours) return kGroupBaseStrength;
  const int x = first_pair_neighbours ? d0 : d1;
  const int y = first_pair_neighbours ? d1 : d2;
  const bool on_central = WorkingBranch(board, x) == central || WorkingBranch(board, y) == central;
  const int need = on_central || (first_pair_neighbours && second_pair_neighbours) ? 1 : 2;
  const int feeding = (StemFeedsOwnBranch(board, board::ColumnOfPillar(x)) ? 1 : 0) +
                      (StemFeedsOwnBranch(board, board::ColumnOfPillar(y)) ? 1 : 0);
  return kGroupBaseStrength + 1 + (feeding >= need ? 1 : 0);
}

}  // namespace kirvo
