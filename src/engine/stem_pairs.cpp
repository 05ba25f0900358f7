#include "engine/stem_pairs.h"

#include <string>

#include "engine/stem_tables.h"

namespace kirvo {

namespace {

void AppendPillar(ChartBoard& board, BoardColumn column, int row, BoardColumn other_column) {
  board(column, row).Text += std::to_string(board::PillarNumber(other_column));
}

std::string TransformedStemName(Stem stem) {
  const Stem transformed = TransformedStemOf(stem);
  return transformed == kNoStem ? std::string() : std::string(kStemNames[transformed]);
}

}  // namespace

void FindStemRelations(ChartBoard& board, const PairFilter& filter, bool overcoming,
                       const TransformationContext& transformation) {
  for (BoardColumn m{0}; m <= board::kYear; ++m) {
    for (BoardColumn i{0}; i <= board::kYear; ++i) {
      if (!filter.Passes(m, i)) continue;
      const Stem stem_m = board(m, board::kStem).Code;
      const Stem stem_i = board(i, board::kStem).Code;
      if (stem_m < 0 || stem_m > 9 || stem_i < 0 || stem_i > 9) continue;
      // Each combination is found once, from its later column.
      if (i < m && CombinationPartnerOf(stem_m) == stem_i) {
        AppendPillar(board, m, board::kStemCombine, i);
        AppendPillar(board, i, board::kStemCombine, m);
        if (CombinationTransforms(board, m, i, CombinationElementOf(stem_m), transformation)) {
          board(m, board::kStemTransform).Text = TransformedStemName(stem_m);
          board(i, board::kStemTransform).Text = TransformedStemName(stem_i);
        }
      }
      // A weaker stem cannot overcome a stronger one.
      if (overcoming && Overcomes(stem_m, stem_i) &&
          board(m, board::kStemCombine).Code >= board(i, board::kStemCombine).Code) {
        AppendPillar(board, m, board::kOvercomes, i);
        AppendPillar(board, i, board::kOvercomeBy, m);
      }
    }
  }
}

}  // namespace kirvo
