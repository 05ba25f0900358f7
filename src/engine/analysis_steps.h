#pragma once

#include "engine/chart_board.h"
#include "engine/chart_record.h"

namespace kirvo {

// The analysis steps of the chart pipeline, each in its own source. Every step clears what it
// writes before writing, so running it again on the same board gives the same board.

// Ten-god stars and twelve stages: rows 7–10 of columns 1–9, from the day master (7, 13).
void StarsStep(ChartBoard& board, const ChartRules& rules);

// Stem interactions: rows 20–23 and the removals and transformations of the working stems; fills
// the stem relation list. Clears rows 20–33 first.
void StemStep(ChartBoard& board, const TMeiData& record, LuckRange range, RelationList& stem_relations,
              bool hour_known, const ChartRules& rules);

// Branch interactions: rows 24–29 and the removals and transformations of the working branches
// and hidden stems; fills the branch relation list.
void BranchStep(ChartBoard& board, const TMeiData& record, LuckRange range, RelationList& branch_relations,
                bool hour_known, const ChartRules& rules);

// Roots (通根): row 12 of every column taking part.
void RootsStep(ChartBoard& board, LuckRange range, bool hour_known, const ChartRules& rules);

// Punishments, harms, breaks and special marks: rows 30–33.
void MarksStep(ChartBoard& board, const TMeiData& record, LuckRange range, bool hour_known, const ChartRules& rules);

}  // namespace kirvo
