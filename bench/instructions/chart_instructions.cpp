// The chart pipeline (and, with an argument, the side panel's content) over the benchmark's random
// charts, for counting instructions under callgrind, which unlike timings do not depend on the load:
//
//   valgrind --tool=callgrind --toggle-collect='MeasuredPass*' build/test/bench/kirvo_chart_instructions [content]
//
// The term cache is warmed on 8,192 charts first; the collected pass covers the first 4,096 of them,
// so "Collected" divided by 4,096 is the count per chart.
#include <string>
#include <vector>

#include "data/explanation_texts.h"
#include "engine/chart_pipeline.h"
#include "presentation/panel/chart_content.h"
#include "random_charts.h"
#include "settings/program_settings.h"

namespace {

using namespace kirvo;

void RunPass(const std::vector<TMeiData>& records, Chart& chart, const ChartRules& rules, ChartContent& content,
             ExplanationSource& explanations, bool with_content) {
  for (const TMeiData& record : records) {
    chart.record = record;
    RunFullPipeline(chart, rules);
    if (with_content) RefreshChartContent(content, "< 命式のみ >", chart, rules, {}, explanations);
  }
}

}  // namespace

// Kept out of line under its own name, so that callgrind can collect this pass alone.
__attribute__((noinline)) void MeasuredPass(const std::vector<TMeiData>& records, Chart& chart,
                                            const ChartRules& rules, ChartContent& content,
                                            ExplanationSource& explanations, bool with_content) {
  RunPass(records, chart, rules, content, explanations, with_content);
}

int main(int argc, char** /*argv*/) {
  const bool with_content = argc > 1;
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  LoadedExplanations explanations = LoadedExplanations::Shipped();
  const std::vector<TMeiData> warm = bench::RandomChartRecords(8192);
  const std::vector<TMeiData> measured(warm.begin(), warm.begin() + 4096);
  ChartContent content = NewChartContent(rules, {});
  Chart chart;
  chart.range = LuckRange::kNatalOnly;
  RunPass(warm, chart, rules, content, explanations, with_content);
  MeasuredPass(measured, chart, rules, content, explanations, with_content);
  return 0;
}
