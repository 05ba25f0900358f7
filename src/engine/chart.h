#pragma once

#include "engine/chart_board.h"
#include "engine/chart_record.h"

namespace kirvo {

// One computed chart: what a chart window, a luck table row or the command-line tool holds of a
// person at one chart moment. The pipelines fill the board, the record's computed fields and the
// two relation lists; `range` and `hour_known` are the caller's choice.
struct Chart {
  ChartBoard board;
  TMeiData record;
  RelationList stem_relations;    // drawn in board row 11
  RelationList branch_relations;  // drawn in board row 19
  LuckRange range = LuckRange::kNatalOnly;
  bool hour_known = true;
  bool operator==(const Chart&) const = default;
};

}  // namespace kirvo
