// Speed of what a chart window does for one chart: the full pipeline, then the side panel's
// content (analysis, patterns, spirit stars, tables, styles and explanation texts). Random births
// between 1900 and 2090, each seen at a moment within the age the charts accept.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "data/explanation_texts.h"
#include "engine/chart_pipeline.h"
#include "platform/text_file.h"
#include "presentation/panel/chart_content.h"
#include "presentation/chart/chart_text_copy.h"
#include "random_charts.h"
#include "settings/program_settings.h"
#include "settings/shipped_texts.h"

namespace {

using namespace kirvo;

void RunChartsWithContent(benchmark::State& state, ExplanationSource& explanations) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const LuckRange range = static_cast<LuckRange>(state.range(0));
  const std::string prefix = "< " + std::string(LuckRangeCaption(range)) + " >";
  const std::vector<TMeiData> records = bench::RandomChartRecords(4096);
  ChartContent content = NewChartContent(rules, {});
  Chart chart;
  chart.range = range;
  std::size_t i = 0;
  for (auto _ : state) {
    chart.record = records[i++ % records.size()];
    RunFullPipeline(chart, rules);
    RefreshChartContent(content, prefix, chart, rules, {}, explanations);
    benchmark::DoNotOptimize(content);
  }
  state.SetItemsProcessed(state.iterations());
}

// The explanation texts held in memory (the texts built into the program).
void BM_FullPipelineAndContent(benchmark::State& state) {
  LoadedExplanations explanations = LoadedExplanations::Shipped();
  RunChartsWithContent(state, explanations);
}
BENCHMARK(BM_FullPipelineAndContent)->Arg(0)->Arg(1)->Arg(5);

// The explanation files of a folder, as the side panel reads them (saved just before: read at each
// lookup while they are less than a second old, then from memory).
void BM_FullPipelineAndContentReadingFiles(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kirvo_content_bench";
  std::filesystem::create_directories(folder);
  for (const ExplanationFile& file : {kPatternExplanations, kSpiritStarExplanations}) {
    if (!WriteShiftJisFile(folder / file.name, ShippedText(file.name))) state.SkipWithError("cannot write files");
  }
  FolderExplanations explanations(folder);
  RunChartsWithContent(state, explanations);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FullPipelineAndContentReadingFiles)->Arg(0);

// A 30 MB SinSetu.dat (the shipped entries, then long lines no entry reads), after the first chart
// has read it: lookups come from memory while the file stays as it is.
void BM_FullPipelineAndContentLargeExplanationFile(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kirvo_content_bench_large";
  std::filesystem::create_directories(folder);
  std::string spirit_stars(ShippedText(kSpiritStarExplanations.name));
  const std::string filler = "長い説明" + std::string(992, 'x') + "\n";  // 1,000 bytes in Shift-JIS with CR LF
  while (spirit_stars.size() < (std::size_t{30} << 20)) spirit_stars += filler;
  if (!WriteShiftJisFile(folder / kSpiritStarExplanations.name, spirit_stars) ||
      !WriteShiftJisFile(folder / kPatternExplanations.name, ShippedText(kPatternExplanations.name))) {
    state.SkipWithError("cannot write files");
  }
  // Saved some time ago: a file modified within the last second is read at every lookup.
  std::filesystem::last_write_time(folder / kSpiritStarExplanations.name,
                                   std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  FolderExplanations explanations(folder);
  std::string first;
  if (!explanations.AppendExplanation(first, kSpiritStarExplanations, 1)) state.SkipWithError("cannot read the file");
  RunChartsWithContent(state, explanations);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FullPipelineAndContentLargeExplanationFile)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
