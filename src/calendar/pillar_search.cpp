#include "calendar/pillar_search.h"

#include <algorithm>
#include <cmath>

#include "calendar/birth_time.h"
#include "calendar/julian_value.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

constexpr double kMonthReachDays = 31;
constexpr double kNudgeDays = 0.0001;  // a few seconds into the next period
constexpr double kDoubleHourDays = 1.0 / 12;
constexpr double kPrimeStepDays = 15.5;  // within half the shortest month
constexpr int kYearStem = 0, kYearBranch = 1, kMonthStem = 2, kMonthBranch = 3, kHourStem = 6, kHourBranch = 7;

bool HourOpen(const PillarPattern& pattern) { return pattern[kHourStem] == 0 && pattern[kHourBranch] == 0; }

}  // namespace

ChoiceFlags MatchPattern(const MomentPillars& pillars, const PillarPattern& pattern) {
  ChoiceFlags flags{};
  for (int slot = MomentPillars::kYear; slot <= MomentPillars::kHour; ++slot) {
    const int stem_choice = pattern[2 * slot];
    const int branch_choice = pattern[2 * slot + 1];
    flags[2 * slot] = stem_choice == 0 || stem_choice == pillars.stems[slot] + 1;
    flags[2 * slot + 1] = branch_choice == 0 || branch_choice == pillars.branches[slot] + 1;
  }
  return flags;
}

bool MeetsAll(const ChoiceFlags& flags) {
  return std::all_of(flags.begin(), flags.end(), [](bool met) { return met; });
}

bool IsOpenPattern(const PillarPattern& pattern) {
  return std::all_of(pattern.begin(), pattern.end(), [](int choice) { return choice == 0; });
}

std::optional<int> PillarThatNeverOccurs(const PillarPattern& pattern) {
  for (int pillar = 0; pillar < kPatternChoices / 2; ++pillar) {
    const int stem = pattern[static_cast<std::size_t>(2 * pillar)];
    const int branch = pattern[static_cast<std::size_t>(2 * pillar + 1)];
    // Choices count from 1.
    if (stem > 0 && branch > 0 && IsYang(stem - 1) != IsYang(branch - 1)) return pillar;
  }
  return std::nullopt;
}

DateTime NextCandidate(DateTime x, const ChoiceFlags& flags, const TermClock& clock) {
  if (!flags[kYearStem] || !flags[kYearBranch]) {
    return FindTermMomentBefore(TermSearchMode::kLatestTerm, x + kMonthReachDays, clock).moment;
  }
  if (!flags[kMonthStem] || !flags[kMonthBranch]) return DateTime(std::floor(x.days() + 1) + kNudgeDays);
  return x + kDoubleHourDays + kNudgeDays;
}

PillarSearch::PillarSearch(const PillarPattern& pattern, DateTime start, DateTime end, const CalendarRules& rules)
    : pattern_(pattern), candidate_(start), end_(end), rules_(rules), primed_until_(start) {}

PillarSearch::Progress PillarSearch::Step() {
  if (candidate_ > end_) return Progress::kPassedEnd;
  if (candidate_ >= primed_until_) {
    // The cache answers a moment without evaluating the sun once it knows the month terms on both
    // sides; the walk goes forward, so it learns the coming ones ahead of the candidates.
    for (const double ahead : {kPrimeStepDays, 2 * kPrimeStepDays}) {
      static_cast<void>(cache_.MonthTermBefore(JulianValueOf(candidate_ + ahead), rules_.term_clock));
    }
    primed_until_ = candidate_ + kPrimeStepDays;
  }
  flags_ = MatchPattern(MomentPillars::At(candidate_, rules_, &cache_, MomentPillars::Detail::kStemsAndBranches),
                        pattern_);
  if (MeetsAll(flags_)) return Progress::kFound;
  candidate_ = NextCandidate(candidate_, flags_, rules_.term_clock);
  return Progress::kGoingOn;
}

void PillarSearch::Resume() { candidate_ = NextCandidate(candidate_, flags_, rules_.term_clock); }

FoundEntry EntryOfMatch(DateTime match, const PillarPattern& pattern, const CalendarRules& rules) {
  if (!HourOpen(pattern)) return {match.DateText(), match.TimeText()};
  // The match's own date, then — from 23:00 under the 23 o'clock boundary — the next one.
  const bool in_next_day = rules.day_boundary == DayBoundary::kElevenPm && match.Fields().hour == 23;
  const int dates = in_next_day ? 2 : 1;
  for (int offset = 0; offset < dates; ++offset) {
    const DateTime day = match.DateOnly() + offset;
    const MomentPillars noon =
        MomentPillars::At(day + 0.5, rules, nullptr, MomentPillars::Detail::kStemsAndBranches);
    if (MeetsAll(MatchPattern(noon, pattern))) return {day.DateText(), std::string(kUnknownBirthTime)};
  }
  return {match.DateText(), match.TimeText()};
}

}  // namespace kirvo
