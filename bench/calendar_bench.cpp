// Speed of the pillar computation: one moment with depth, with and without the remembered terms,
// and one term search, by both methods.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "calendar/moment_pillars.h"
#include "calendar/precise_sun.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"
#include "settings/calendar_settings.h"
#include "settings/program_settings.h"

namespace {

using namespace kirvo;

CalendarRules ShippedRules() {
  const ProgramSettings& shipped = ShippedSettings();
  return CalendarRulesOf(shipped.usys, shipped.sys);
}

// Random minutes between 1900 and 2100, the range of the command-line benchmark.
std::vector<DateTime> RandomMoments(std::size_t count) {
  std::mt19937_64 random(20261210);
  const double first = DateTime::FromDate(1900, 1, 1)->days();
  const double last = DateTime::FromDate(2100, 12, 31)->days();
  std::uniform_int_distribution<long> minute(0, static_cast<long>((last - first) * 1440));
  std::vector<DateTime> moments;
  for (std::size_t i = 0; i < count; ++i) moments.emplace_back(first + minute(random) / 1440.0);
  return moments;
}

void BM_MomentPillarsWithDepth(benchmark::State& state) {
  const CalendarRules rules = ShippedRules();
  const std::vector<DateTime> moments = RandomMoments(4096);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(MomentPillars::At(moments[i++ % moments.size()], rules));
}
BENCHMARK(BM_MomentPillarsWithDepth);

void BM_MomentPillarsWithDepthRememberingTerms(benchmark::State& state) {
  const CalendarRules rules = ShippedRules();
  const std::vector<DateTime> moments = RandomMoments(100000);
  TermMomentCache cache;
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(MomentPillars::At(moments[i++ % moments.size()], rules, &cache));
}
BENCHMARK(BM_MomentPillarsWithDepthRememberingTerms);

void BM_FindTermMoment(benchmark::State& state) {
  const std::vector<DateTime> moments = RandomMoments(4096);
  std::size_t i = 0;
  for (auto _ : state) {
    const JulianValue start = JulianValueOf(moments[i++ % moments.size()]);
    benchmark::DoNotOptimize(FindTermMoment(TermSearchMode::kLatestMonthTerm, TermClock{9.0}, start));
  }
}
BENCHMARK(BM_FindTermMoment);

// The precise search over the same starts, whose terms the program's built-in table holds.
void BM_FindTermMomentPrecise(benchmark::State& state) {
  const std::vector<DateTime> moments = RandomMoments(4096);
  const TermClock precise{9.0, TermMethod::kPrecise};
  std::size_t i = 0;
  for (auto _ : state) {
    const JulianValue start = JulianValueOf(moments[i++ % moments.size()]);
    benchmark::DoNotOptimize(FindTermMoment(TermSearchMode::kLatestMonthTerm, precise, start));
  }
}
BENCHMARK(BM_FindTermMomentPrecise);

// The precise search outside the years of the built-in table, where no crossing near the start is
// known yet: starts a term apart walk on from the year 2200 (on from run to run), each computing the
// next crossing with the full theory.
void BM_FindTermMomentPreciseFirstTime(benchmark::State& state) {
  const TermClock precise{9.0, TermMethod::kPrecise};
  static JulianValue start = JulianValueOf(*DateTime::FromDate(2200, 1, 1));
  for (auto _ : state) {
    start += 365.2422L / 24;
    benchmark::DoNotOptimize(FindTermMoment(TermSearchMode::kLatestTerm, precise, start));
  }
}
BENCHMARK(BM_FindTermMomentPreciseFirstTime);

// One evaluation of the full theory of the sun.
void BM_PreciseSunLongitude(benchmark::State& state) {
  double julian_day = 2451545.0;
  for (auto _ : state) {
    julian_day += 0.37;
    benchmark::DoNotOptimize(PreciseSunLongitude(julian_day));
  }
}
BENCHMARK(BM_PreciseSunLongitude);

void BM_MomentPillarsPreciseRememberingTerms(benchmark::State& state) {
  CalendarRules rules = ShippedRules();
  rules.term_clock.method = TermMethod::kPrecise;
  const std::vector<DateTime> moments = RandomMoments(100000);
  TermMomentCache cache;
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(MomentPillars::At(moments[i++ % moments.size()], rules, &cache));
}
BENCHMARK(BM_MomentPillarsPreciseRememberingTerms);

}  // namespace
