// Speed of the chart pipelines: one chart per iteration (bench/random_charts.h).
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/chart_pipeline.h"
#include "random_charts.h"
#include "settings/program_settings.h"

namespace {

using namespace kirvo;

template <class Pipeline>
void RunCharts(benchmark::State& state, Pipeline pipeline) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const std::vector<TMeiData> records = bench::RandomChartRecords(4096);
  Chart chart;
  chart.range = static_cast<LuckRange>(state.range(0));
  std::size_t i = 0;
  for (auto _ : state) {
    chart.record = records[i++ % records.size()];
    pipeline(chart, rules);
    benchmark::DoNotOptimize(chart.board);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_FullPipeline(benchmark::State& state) { RunCharts(state, RunFullPipeline); }
BENCHMARK(BM_FullPipeline)->Arg(0)->Arg(5);

void BM_LightPipeline(benchmark::State& state) { RunCharts(state, RunLightPipeline); }
BENCHMARK(BM_LightPipeline)->Arg(0)->Arg(5);

void FillOnly(Chart& chart, const ChartRules& rules) { RunFillStep(chart.board, chart.record, chart.hour_known, rules); }
void BM_FillStep(benchmark::State& state) { RunCharts(state, FillOnly); }
BENCHMARK(BM_FillStep)->Arg(0);

}  // namespace
