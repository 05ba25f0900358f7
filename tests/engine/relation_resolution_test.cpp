#include "engine/relation_resolution.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/program_settings.h"

namespace kirvo {
namespace {

TEST(ChoosePartner, TakesTheNearestAndTheLargerOfTwoEquallyNear) {
  struct Case {
    int self;
    const char* candidates;
    int partner;
  };
  const Case cases[] = {
      {3, "42", 4},                               // month and hour both next to the day: the hour
      {3, "24", 4},                               // the text order does not matter
      {2, "13", 3},  {1, "32", 2},  {5, "9", 9},  // one candidate, however far
      {4, "816", 6}, {5, "437", 4},               // the nearest alone; the tie behind it does not count
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChoosePartner(c.self, c.candidates), c.partner) << c.self << " among " << c.candidates;
  }
}

TEST(ResolveRelation, HoldsForThePartnersOwnChoiceAndForNeighboursExceptInOvercoming) {
  constexpr auto kCombination = RelationKind::kCombination;
  constexpr auto kOvercoming = RelationKind::kOvercoming;
  constexpr auto kClash = RelationKind::kClash;
  constexpr auto kHalfGroup = RelationKind::kHalfGroup;
  struct Case {
    int partner;
    int self;
    const char* partner_text;
    RelationKind kind;
    std::int32_t result;
  };
  const Case cases[] = {
      {3, 4, "", kCombination, kRelationNone},
      {3, 1, "1", kOvercoming, kRelationHolds},    // the only candidate
      {1, 2, "23", kOvercoming, kRelationHolds},   // nearest, unlike the second
      {3, 4, "42", kCombination, kRelationHolds},  // equally near: the larger is the choice
      {3, 4, "42", kOvercoming, kRelationHolds},
      {3, 2, "42", kCombination, kRelationHolds},  // not chosen, but next to the partner
      {3, 2, "42", kOvercoming, kRelationFails},   // overcoming keeps only the choice
      {5, 3, "34", kCombination, kRelationHolds},  // second, next to the first
      {5, 3, "34", kOvercoming, kRelationFails},
      {5, 7, "47", kClash, kRelationHolds},  // second, the first next to the partner
      {5, 7, "47", kOvercoming, kRelationFails},
      {1, 5, "35", kCombination, kRelationFails},   // second, nobody adjacent
      {1, 5, "35", kHalfGroup, kRelationHolds},     // a half group keeps its second
      {5, 3, "73", kCombination, kRelationFails},   // equally far, not the larger, not adjacent
      {5, 7, "467", kCombination, kRelationFails},  // a third candidate never holds
      {5, 7, "467", kHalfGroup, kRelationFails},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolveRelation(c.partner, c.self, c.partner_text, c.kind), c.result)
        << c.self << " with " << c.partner << " whose text is \"" << c.partner_text << "\", kind "
        << static_cast<int>(c.kind);
  }
}

TEST(ResolveRow, WritesResultsAndListsEachHoldingRelationOnce) {
  ChartBoard board;
  // Day between month and hour, year bound to the month only: texts as the stem step writes them.
  board(board::kHour, board::kStemCombine).Text = "3";
  board(board::kDay, board::kStemCombine).Text = "42";
  board(board::kMonth, board::kStemCombine).Text = "3";
  board(board::kYear, board::kStemCombine).Code = 4;  // a stale code is cleared
  board(board::kYear, board::kStemCombine).ZSet = Mark::kRemoved;
  RelationList list;

  ResolveRow(board, board::kStemCombine, list, RelationKind::kCombination, false);

  for (BoardColumn column : {board::kHour, board::kDay, board::kMonth}) {
    EXPECT_EQ(board(column, board::kStemCombine).Code, kRelationHolds) << column.index;
    EXPECT_EQ(board(column, board::kStemCombine).ZSet, Mark::kNone) << column.index;
  }
  EXPECT_EQ(board(board::kYear, board::kStemCombine).Code, 0);
  EXPECT_EQ(board(board::kYear, board::kStemCombine).ZSet, Mark::kNone);
  EXPECT_EQ(list, (RelationList{"3400", "3200"}));
}

TEST(ResolveRow, MarksAFailingRelation) {
  ChartBoard board;
  // Pillar 1 reaches for 3, but 3 holds with 4 and 2 (equally near, 4 chosen, 2 adjacent).
  board(board::kHour, board::kClash).Text = "3";
  board(board::kDay, board::kClash).Text = "421";
  board(board::kMonth, board::kClash).Text = "3";
  board(board::kYear, board::kClash).Text = "3";
  RelationList list;

  ResolveRow(board, board::kClash, list, RelationKind::kClash, false);

  EXPECT_EQ(board(board::kYear, board::kClash).Code, kRelationFails);
  EXPECT_EQ(board(board::kYear, board::kClash).ZSet, Mark::kRemoved);
  EXPECT_EQ(list, (RelationList{"3402", "3202"}));
}

TEST(ResolveRow, MergesNeighbouringRelationsUnderSaCB) {
  ChartBoard board;
  board(board::kHour, board::kStemCombine).Text = "3";
  board(board::kDay, board::kStemCombine).Text = "42";
  board(board::kMonth, board::kStemCombine).Text = "3";
  RelationList list;

  ResolveRow(board, board::kStemCombine, list, RelationKind::kCombination, true);

  EXPECT_EQ(list, (RelationList{"3420"}));
}

TEST(MergeNeighbourRelations, JoinsEntriesOfOneKindSharingAPillar) {
  struct Case {
    RelationList before;
    RelationList after;
  };
  const Case cases[] = {
      {{"3400", "3200"}, {"3420"}},
      {{"2300", "1201", "3400"}, {"2340", "1201"}},  // the overcoming stays apart
      {{"1200", "4300"}, {"1200", "4300"}},          // nothing shared
      {{"2100", "3200", "4300"}, {"2130", "4300"}},  // only the first two pillars attract
      {{"2102", "2100"}, {"2102", "2100"}},          // kinds differ
  };
  for (const Case& c : cases) {
    RelationList list = c.before;
    MergeNeighbourRelations(list);
    EXPECT_EQ(list, c.after) << ::testing::PrintToString(c.before);
  }
}

TEST(PairFilter, DropsThePairsTheRulesExclude) {
  struct Case {
    RelationFamily family;
    std::vector<std::pair<const char*, bool>> flags;
    LuckRange range;
    bool hour_known;
    int first;
    int second;
    bool passes;
  };
  using enum LuckRange;
  constexpr auto kStems = RelationFamily::kStems;
  constexpr auto kBranches = RelationFamily::kBranches;
  const Case cases[] = {
      {kStems, {}, kNatalOnly, true, 9, 8, true},
      {kStems, {}, kNatalOnly, true, 8, 8, false},  // a column never pairs with itself
      {kStems, {}, kNatalOnly, true, 9, 5, false},  // the major luck does not take part at 命式のみ
      {kStems, {}, kMajorLuck, true, 9, 5, true},
      {kStems, {}, kHourLuck, true, 1, 2, true},
      {kStems, {{"KKSCB", true}}, kMajorLuck, true, 5, 9, false},
      {kStems, {{"KKSCB", true}}, kMajorLuck, true, 6, 9, true},
      {kStems, {}, kNatalOnly, false, 6, 7, false},  // no hour pillar
      {kStems, {}, kNatalOnly, false, 7, 8, true},
      {kStems, {{"TCB", true}}, kNatalOnly, true, 9, 7, false},
      {kStems, {{"TCB", true}}, kNatalOnly, true, 7, 9, false},
      {kStems, {{"TCB", true}}, kNatalOnly, true, 6, 8, false},
      {kStems, {{"TCB", true}}, kNatalOnly, true, 9, 6, true},
      {kStems, {{"NCB", true}}, kNatalOnly, true, 7, 8, false},
      {kBranches, {{"NCB", true}}, kNatalOnly, true, 7, 8, true},
      {kBranches, {{"SiaCB", true}}, kNatalOnly, true, 9, 6, false},
      {kBranches, {{"SiaCB", true}}, kNatalOnly, true, 7, 9, false},
      {kBranches, {{"SiaCB", true}}, kNatalOnly, true, 8, 6, false},
      {kBranches, {{"SiaCB", true}}, kNatalOnly, true, 8, 7, true},
      {kStems, {{"SiaCB", true}}, kNatalOnly, true, 9, 6, true},
  };
  for (const Case& c : cases) {
    ProgramSettings settings = ShippedSettings();
    for (const auto& [key, value] : c.flags) settings.usys.SetFlag(key, value);
    const PairFilter filter(c.family, c.range, c.hour_known, ReadRuleValues(settings.usys, settings.sys));
    EXPECT_EQ(filter.Passes(BoardColumn{c.first}, BoardColumn{c.second}), c.passes)
        << "columns " << c.first << ", " << c.second << " range " << LuckRangeNumber(c.range) << " flags "
        << (c.flags.empty() ? "none" : c.flags.front().first);
  }
}

}  // namespace
}  // namespace kirvo
