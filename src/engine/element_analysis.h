#pragma once

#include "engine/balance.h"
#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/element_numbers.h"
#include "engine/useful_gods.h"

namespace kirvo {

// The five-element analysis of an analysed board, as the content table and the luck tables show
// it: the numbers, the judgement of the day master and the useful gods.
struct ElementAnalysis {
  ElementNumbers numbers;
  Judgement judgement;
  UsefulGods gods;
};

// Runs the three analyses in order over the columns taking part, with the settings as they stand.
ElementAnalysis AnalyseElements(const ChartBoard& board, const TMeiData& record, LuckRange range, bool hour_known,
                                const ChartRules& rules);

}  // namespace kirvo
