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
  // Rows 16..18 of the natal columns show the season elements of the branch in place of the hidden
  // stems (the combined window's choice): those rows then have no labels.
  bool season_elements = false;
  bool operator==(const Chart&) const = default;
};

}  // namespace kirvo
