#include "engine/stem_removal.h"

#include "engine/relation_resolution.h"

namespace kirvo {

namespace {

inline constexpr int kDayPillar = board::PillarNumber(board::kDay);  // 3

void Remove(ChartBoard& board, BoardColumn column) {
  board(column, board::kWorkStem).ZSet = Mark::kRemoved;
  board(column, board::kRoots).ZSet = Mark::kRemoved;
}

void RemoveStems(ChartBoard& board, const StemRelationRecords& records, LuckRange range) {
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    const StemRelationRecord& own = records[column.index];
    if (!TakesPart(column, range) || own.Holding() != 1) continue;
    const int relation = own.LastHolding();
    const int counterpart = own.counterpart[relation];
    if (counterpart < 1 || counterpart > 9) break;
    const BoardColumn other_column = board::ColumnOfPillar(counterpart);
    const StemRelationRecord& other = records[other_column.index];
    if (other.Holding() == 1) {
      Remove(board, column);
      Remove(board, other_column);
      continue;
    }
    const int other_relation = other.LastHolding();
    if ((relation == kCombinedWith && other_relation == kCombinedWith) ||
        (relation == kOvercomeByAnother && other_relation < kOvercomeByAnother)) {
      Remove(board, column);
    } else if (relation == kCombinedWith && other_relation == kOvercomeByAnother) {
      board(column, board::kRoots).ZSet = Mark::kRemoved;
    }
  }
}

void TransformRemovedStems(ChartBoard& board, const StemRelationRecords& records, LuckRange range,
                           bool day_master_apart) {
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    if (!TakesPart(column, range)) continue;
    const StemRelationRecord& own = records[column.index];
    ChartCell& stem = board(column, board::kWorkStem);
    const ChartCell& transformed = board(column, board::kStemTransform);
    if (!transformed.Text.empty() && board(column, board::kStemCombine).Code < kRelationFails &&
        stem.ZSet == Mark::kRemoved && own.result[kCombinedWith] != kRelationNone) {
      stem.ZSet = Mark::kTransformed;
      stem.Text = transformed.Text;
    }
    const int relation = own.LastHolding();
    if (!day_master_apart && stem.ZSet == Mark::kRemoved && relation >= 0 && own.counterpart[relation] == kDayPillar) {
      stem.ZSet = Mark::kRemovedByDayMaster;
    }
  }
}

}  // namespace

void RemoveAndTransformStems(ChartBoard& board, const StemRelationRecords& records, LuckRange range,
                             bool day_master_apart) {
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    board(column, board::kRoots).ZSet = Mark::kNone;
    board(column, board::kWorkStem).ZSet = Mark::kNone;
  }
  RemoveStems(board, records, range);
  TransformRemovedStems(board, records, range, day_master_apart);
}

}  // namespace kirvo
