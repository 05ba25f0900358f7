// Speed of the chart pipelines: one chart per iteration, random births between 1900 and 2090 and a
// chart moment within the age the charts accept.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/chart_pipeline.h"
#include "settings/program_settings.h"

namespace {

using namespace kirvo;

struct ChartInput {
  DateTime birth;
  DateTime chart;
  int sex;
};

std::vector<ChartInput> RandomCharts(std::size_t count) {
  std::mt19937_64 random(20261210);
  const double first = DateTime::FromDate(1900, 1, 1)->days();
  const double last = DateTime::FromDate(2090, 12, 31)->days();
  std::uniform_int_distribution<long> minute(0, static_cast<long>((last - first) * 1440));
  std::uniform_int_distribution<long> age_minutes(0, static_cast<long>(100 * 365.25 * 1440));
  std::vector<ChartInput> charts;
  for (std::size_t i = 0; i < count; ++i) {
    const DateTime birth(first + minute(random) / 1440.0);
    charts.push_back({birth, birth + age_minutes(random) / 1440.0, static_cast<int>(i % 2)});
  }
  return charts;
}

template <class Pipeline>
void RunCharts(benchmark::State& state, Pipeline pipeline) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const std::vector<ChartInput> charts = RandomCharts(4096);
  ChartBoard board;
  RelationList stems, branches;
  std::size_t i = 0;
  for (auto _ : state) {
    const ChartInput& input = charts[i++ % charts.size()];
    TMeiData record;
    record.BirthDateTime = input.birth;
    record.ChartDateTime = input.chart;
    record.Sex = static_cast<std::uint8_t>(input.sex);
    pipeline(board, record, static_cast<LuckRange>(state.range(0)), branches, stems, true, rules);
    benchmark::DoNotOptimize(board);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_FullPipeline(benchmark::State& state) { RunCharts(state, RunFullPipeline); }
BENCHMARK(BM_FullPipeline)->Arg(0)->Arg(5);

void BM_LightPipeline(benchmark::State& state) { RunCharts(state, RunLightPipeline); }
BENCHMARK(BM_LightPipeline)->Arg(0)->Arg(5);

void FillOnly(ChartBoard& board, TMeiData& record, LuckRange, RelationList&, RelationList&, bool hour_known,
              const ChartRules& rules) {
  RunFillStep(board, record, hour_known, rules);
}
void BM_FillStep(benchmark::State& state) { RunCharts(state, FillOnly); }
BENCHMARK(BM_FillStep)->Arg(0);

}  // namespace
