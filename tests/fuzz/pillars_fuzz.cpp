// The pillars of any accepted moment under any calendar rules and either term method: with and without the remembered
// terms alike, and every term they name reads back as a moment at or before it.
#include <cstdint>

#include "calendar/accepted_moments.h"
#include "calendar/moment_pillars.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const kirvo::DateTime first = *kirvo::DateTime::ParseDateTimeText(kirvo::kFirstAcceptedMomentText);
  const kirvo::DateTime moment = first + input.IntIn(0, 3'652'000) + input.IntIn(0, 24 * 60 - 1) / (24.0 * 60);
  const kirvo::DateTime minute = *kirvo::DateTime::ParseDateTimeText(moment.DateTimeText());
  if (!kirvo::IsAcceptedMoment(minute)) return 0;

  kirvo::CalendarRules rules;
  rules.day_boundary = input.Flag() ? kirvo::DayBoundary::kElevenPm : kirvo::DayBoundary::kMidnight;
  for (int slot = 0; slot < 4; ++slot) {
    rules.depth_modes[slot] = static_cast<kirvo::DepthMode>(input.IntIn(0, slot == kirvo::MomentPillars::kMonth ? 1 : 2));
  }
  rules.term_clock.zone_hours = input.IntIn(-96, 96) / 4.0;
  rules.term_clock.method = input.Flag() ? kirvo::TermMethod::kPrecise : kirvo::TermMethod::kStandard;

  // One cache for the whole run, as a long computation keeps it: its answers never differ from a
  // fresh search.
  static kirvo::TermMomentCache cache;
  const kirvo::MomentPillars searched = kirvo::MomentPillars::At(minute, rules);
  const kirvo::MomentPillars remembered = kirvo::MomentPillars::At(minute, rules, &cache);
  FUZZ_CHECK(searched.stems == remembered.stems && searched.branches == remembered.branches);
  FUZZ_CHECK(searched.month_start_moment == remembered.month_start_moment);
  FUZZ_CHECK(searched.depth_class == remembered.depth_class && searched.depth_stem == remembered.depth_stem);

  const std::optional<kirvo::DateTime> month_start = kirvo::DateTime::ParseTermMomentText(searched.month_start_moment);
  FUZZ_CHECK(month_start && *month_start <= minute);
  for (int mode = 0; mode < 4; ++mode) {
    const kirvo::TermMomentBefore term =
        kirvo::FindTermMomentBefore(static_cast<kirvo::TermSearchMode>(mode), minute, rules.term_clock);
    const std::optional<kirvo::DateTime> read = kirvo::DateTime::ParseTermMomentText(term.text);
    FUZZ_CHECK(read && *read == term.moment && term.moment <= minute);
  }
  for (int kind = 0; kind < 4; ++kind) {
    const kirvo::DateTime start = kirvo::DepthPeriodStart(static_cast<kirvo::PeriodKind>(kind), minute, rules, &cache);
    FUZZ_CHECK(start <= minute && kirvo::DateTime::ParseDateTimeText(start.DateTimeText()).has_value());
  }
  return 0;
}
