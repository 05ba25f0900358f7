#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/branch_tables.h"
#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/relation_resolution.h"
#include "platform/small_list.h"

namespace kirvo {

// The pieces of the branch step, one role per source; BranchStep composes them in order.
//
// A branch relation entry is a short digit text:
//   [0..2] the pillar numbers, highest first, "0" for a missing third pillar
//   [3]    the kind (below)
//   [4]    the element 0..4 (木火土金水), "9" for none; for 三合 and 方合 the group index
//   [5]    the strength, one digit
//   [6]    "1" when a stronger relation suppresses it, else "0"
// While relations are applied a working copy may append "9" (in conflict) after these seven.

constexpr char KindDigit(RelationKind kind) { return static_cast<char>('0' + static_cast<int>(kind)); }
inline constexpr char kSixCombinationKind = KindDigit(RelationKind::kCombination);  // 支合
inline constexpr char kClashKind = KindDigit(RelationKind::kClash);                 // 冲
inline constexpr char kHalfGroupKind = KindDigit(RelationKind::kHalfGroup);         // 局
inline constexpr char kThreeHarmonyKind = KindDigit(RelationKind::kThreeHarmony);   // 三合
inline constexpr char kDirectionalKind = KindDigit(RelationKind::kDirectional);     // 方合

inline constexpr std::size_t kEntryKind = 3, kEntryElement = 4, kEntryStrength = 5, kEntrySuppressed = 6;
inline constexpr std::size_t kCompleteEntryLength = 7;

// Row 3 of each column: "○" when one relation in force names it, else "×".
inline constexpr int kRelationCountRow = 3;
inline constexpr char kSuppressedDigit = '1';
inline constexpr char kConflictDigit = '9';

constexpr char DigitOf(int value) { return static_cast<char>('0' + value); }
constexpr int ValueOfDigit(char digit) { return digit - '0'; }

// The pillar numbers an entry names (its first three characters but "0"), in their order.
using EntryPillars = SmallList<int, 3>;
EntryPillars PillarsOf(std::string_view entry);
bool Names(std::string_view entry, int pillar);
// Whether the entry is suppressed (its seventh character is "1").
bool IsSuppressed(std::string_view entry);

// --- the stem of a pillar against its own branch (branch_support.cpp)

// The element of the working stem (row 13) is the working branch's element (row 14) or generates
// it. A removed stem feeds its branch all the same.
bool StemFeedsOwnBranch(const ChartBoard& board, BoardColumn column);
// As above, and the working stem is not removed (Mark::kRemoved).
bool StemSupportsOwnBranch(const ChartBoard& board, BoardColumn column);

// --- finding the relations (branch_detection.cpp)

// Which relations are looked for, from the settings as they are when the step runs.
struct BranchSearch {
  LuckRange range = LuckRange::kNatalOnly;
  bool hour_known = true;
  bool with_groups = false;        // `SigCB`: 局, 三合 and 方合
  bool natal_groups_only = false;  // `KKSCB`: no group with a running-luck pillar
};

// Rows 24 to 29 of the pairs and triples of columns taking part, the 支化 elements of row 25, and
// the rated 三合 and 方合 entries (six characters) in `groups`, sorted, without duplicates. Rows 28
// and 29 end up normalised.
void FindBranchRelations(ChartBoard& board, const BranchSearch& search, const ChartRules& rules, RelationList& groups);

// --- rating (branch_rating.cpp)

// Rewrites every pair entry of the list ("pp0k" or a merged "pppk") into its six characters:
// pillars highest first, kind, element, strength.
void RatePairEntries(const ChartBoard& board, RelationList& list);
// Strength of a three-branch group on the pillars `pillars` (three digits, highest first) whose
// central branch is `central`.
int GroupStrength(const ChartBoard& board, std::string_view pillars, Branch central);

// --- choosing among the groups (branch_groups.cpp)

// Digits of a group row sorted highest first, repeated digits and the column's own number removed.
std::string NormalisedGroupText(std::string_view text, int own_pillar);
// Of overlapping groups of one element the stronger (or, equally strong, the narrower) stays; the
// rows 28 and 29 mark the cells of surviving groups (`Code` 1) and the losers (Mark::kRemoved).
void SelectGroups(ChartBoard& board, RelationList& groups);

// --- suppression and order (branch_suppression.cpp)

// Appends "1" to every entry a stronger relation on one of its pillars suppresses, "0" to the rest.
void MarkSuppressed(RelationList& list);
// By kind, then by the whole text.
void SortByKind(RelationList& list);

// --- applying the relations to the hidden stems (branch_application.cpp)

struct BranchApplication {
  bool season_elements = false;  // `SzCB` of the system settings
  bool mark_in_force = false;    // `RCB` of the system settings: 律 mark on the hidden stem in force
  bool day_master_kept = false;  // `KaRG` 1 "生助で取る": the day master always shows its own stem
};

void ApplyBranchRelations(ChartBoard& board, const RelationList& list, const BranchApplication& application);

}  // namespace kirvo
