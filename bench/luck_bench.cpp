// Speed of the running-luck tables: a table of 13 columns (26 charts with their analysis) built
// around a chart moment, and a shift by one period (one column computed).
#include <benchmark/benchmark.h>

#include "calendar/birth_time.h"
#include "presentation/luck/luck_table.h"
#include "settings/program_settings.h"

namespace {

using namespace kirvo;

BirthInput BenchPerson() { return {"試験太郎", *BirthOfText("1984/02/10 12:00"), Sex::kMale}; }
DateTime BenchMoment() { return *DateTime::ParseDateTimeText("2024/01/15 12:00"); }

void BM_BuildLuckTable(benchmark::State& state) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const auto level = static_cast<LuckLevel>(state.range(0));
  LuckTable table = NewLuckTable(BenchPerson(), level, BenchMoment());
  for (auto _ : state) {
    BuildLuckTable(table, BenchMoment(), rules);
    benchmark::DoNotOptimize(table.KSG);
  }
}
BENCHMARK(BM_BuildLuckTable)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// Forward and back in turn, so that the table stays at the same periods.
void BM_ShiftLuckTable(benchmark::State& state) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const auto level = static_cast<LuckLevel>(state.range(0));
  LuckTable table = NewLuckTable(BenchPerson(), level, BenchMoment());
  BuildLuckTable(table, BenchMoment(), rules);
  bool forward = true;
  for (auto _ : state) {
    const bool shifted =
        ShiftLuckTable(table, forward ? StepDirection::kForward : StepDirection::kBack, rules);
    if (!shifted) state.SkipWithError("the table did not move");
    forward = !forward;
    benchmark::DoNotOptimize(table.KSG);
  }
}
BENCHMARK(BM_ShiftLuckTable)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
