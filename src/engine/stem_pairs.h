#pragma once

#include "engine/chart_board.h"
#include "engine/relation_resolution.h"
#include "engine/stem_transformation.h"

namespace kirvo {

// Writes the candidate stem relations of every pair passing `filter` (first-copy stems, row 1):
// - 干合, a stem and the stem five on: each column's row 20 gets the other's pillar number, and,
//   when the pair transforms, row 21 each stem's transformed stem;
// - 剋 (only with `overcoming`, `KoCB`), a stem and the stem four on, when the overcoming stem's
//   strength class (row 20's `Code`) is at least the other's: row 22 of the overcoming column gets
//   the target's pillar number and row 23 of the target the overcomer's.
// Pairs are visited with the first column ascending, then the second.
void FindStemRelations(ChartBoard& board, const PairFilter& filter, bool overcoming,
                       const TransformationContext& transformation);

}  // namespace kirvo
