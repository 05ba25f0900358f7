#include "engine/element_analysis.h"

namespace kirvo {

ElementAnalysis AnalyseElements(const ChartBoard& board, const TMeiData& record, LuckRange range, bool hour_known,
                                const ChartRules& rules) {
  ElementAnalysis analysis;
  analysis.numbers = ComputeElementNumbers(board, record, range, hour_known, rules);
  analysis.judgement = JudgeBalance(analysis.numbers.table, rules);
  analysis.gods = ComputeUsefulGods(board, analysis.numbers, analysis.judgement, range, rules);
  return analysis;
}

}  // namespace kirvo
