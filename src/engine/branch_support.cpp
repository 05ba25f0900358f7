#include "calendar/sexagenary.h"
#include "engine/branch_relations.h"
#include "engine/element_support.h"

namespace kirvo {

namespace {}  // namespace

bool StemFeedsOwnBranch(const ChartBoard& board, BoardColumn column) {
  const Stem stem = StemIndexOf(board(column, board::kWorkStem).Text).value_or(kNoStem);
  const Branch branch = board(column, board::kWorkBranch).Code;
  if (stem == kNoStem || branch < 0 || branch > 11) return false;
  return ElementSupports(ElementOfStem(stem), ElementOfBranch(branch));
}

bool StemSupportsOwnBranch(const ChartBoard& board, BoardColumn column) {
  return board(column, board::kWorkStem).ZSet != Mark::kRemoved && StemFeedsOwnBranch(board, column);
}

}  // namespace kirvo
