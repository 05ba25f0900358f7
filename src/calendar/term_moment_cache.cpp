#include "calendar/term_moment_cache.h"

#include <cmath>

#include "calendar/long_double_rounding.h"
#include "calendar/precise_terms.h"
#include "calendar/sun_longitude.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

inline constexpr long double kDaysPerDegree = 365.2L / 360;
inline constexpr long double kSecondsPerDay = 86400;
// How far a search may end from the crossing. Each step of the search shrinks the remaining error
// by the factor c = |1 − (true pace of the sun) / (assumed pace)|, and the last step is at most a
// second, so a search ends within about c seconds of the crossing: c is 0.034 near perihelion and
// aphelion and almost 0 in between. Measured over six centuries the error stays below 0.94 of
// (1.04 c + 0.002) s; the spread allowed here keeps a clear margin over that.
inline constexpr long double kSpreadPerPaceRatio = 1.25L;
inline constexpr long double kSpreadFloorSeconds = 0.003L;
inline constexpr long double kMeanMonthTermSpacingDays = 365.2422L / 12;
// 小寒 2000 (2000-01-06 about 10:00 local). Counted from a 節, every 節 lies within a few days of
// its count's mean position (the sun's uneven pace shifts it by up to two and a half days), far
// from the half-spacing where counts would be ambiguous.
inline constexpr long double kCountOriginJulianValue = 2451549.9L;

long CrossingNumber(JulianValue moment) {
  return std::lround((moment - kCountOriginJulianValue) / kMeanMonthTermSpacingDays);
}

int TargetIndex(long double target_longitude) {
  const long index = std::lround((target_longitude + 15) / 30);
  return static_cast<int>(((index % 12) + 12) % 12);
}

// Seconds of the clock reading of a JulianValue within its day.
long double SecondsOfDay(JulianValue value) { return kSecondsPerDay * (value - std::trunc(value)); }

// Whether everything within `spread` seconds of `crossing` truncates to the same multiple of
// `unit` seconds.
bool Certain(JulianValue crossing, long double spread, long double unit_seconds) {
  const long double seconds = SecondsOfDay(crossing);
  const long double within = seconds - unit_seconds * std::trunc(seconds / unit_seconds);
  return within >= spread && within <= unit_seconds - spread;
}

}  // namespace

MonthTerm MonthTermOf(JulianValue precise) {
  TermMoment handed_on = TermMomentOf(precise);
  return {precise, handed_on.moment, std::move(handed_on.text)};
}

const TermMomentCache::Entry* TermMomentCache::Known(long crossing) const {
  const long slot = crossing - first_crossing_;
  if (slot < 0 || slot >= static_cast<long>(entries_.size())) return nullptr;
  return entries_[static_cast<std::size_t>(slot)].get();
}

// The first entry kept for a number stays.
void TermMomentCache::Keep(long crossing, Entry entry) {
  if (entries_.empty()) first_crossing_ = crossing;
  if (crossing < first_crossing_) {
    std::vector<std::unique_ptr<Entry>> moved(static_cast<std::size_t>(first_crossing_ - crossing));
    for (auto& kept : entries_) moved.push_back(std::move(kept));
    entries_ = std::move(moved);
    first_crossing_ = crossing;
  }
  const auto slot = static_cast<std::size_t>(crossing - first_crossing_);
  if (slot >= entries_.size()) entries_.resize(slot + 1);
  if (entries_[slot] == nullptr) entries_[slot] = std::make_unique<Entry>(std::move(entry));
}

void TermMomentCache::Reset(const TermClock& clock) const {
  if (clock == clock_) return;
  entries_.clear();
  clock_ = clock;
}

// 節 n = 2m + 1 of the precise terms has the handle m, so the next 節 has the next handle. The
// entries keep each 節 as it is handed on, read in local time; every search agrees on it.
const TermMomentCache::Entry& TermMomentCache::PreciseEntry(long handle) {
  if (const Entry* known = Known(handle)) return *known;
  const JulianValue local = PreciseTermMoment(2 * handle + 1) + clock_.zone_hours / 24.0L;
  MonthTerm term = MonthTermOf(local);
  const DateTime minute = term.moment.TruncatedToMinute();
  Keep(handle, Entry{local, std::move(term), 0, true, true, minute});
  return *Known(handle);
}

long TermMomentCache::PreciseHandleBefore(long latest_term) {
  return (latest_term % 2 != 0 ? latest_term - 1 : latest_term - 2) / 2;
}

TermMomentCache::Lookup TermMomentCache::PreciseMonthTermBefore(JulianValue start) {
  const PrecisePlace place = PlaceAmongPreciseTerms(start - clock_.zone_hours / 24.0L);
  const long handle = PreciseHandleBefore(place.latest);
  return {PreciseEntry(handle).first_found, place.longitude, handle};
}

// Without the longitude, which costs an evaluation of the series: the latest 節 from the remembered
// crossings alone.
long TermMomentCache::PreciseHandleAt(JulianValue start) const {
  return PreciseHandleBefore(LatestPreciseTerm(start - clock_.zone_hours / 24.0L));
}

const MonthTerm& TermMomentCache::PreciseMonthTermMomentBefore(JulianValue start) {
  return PreciseEntry(PreciseHandleAt(start)).first_found;
}

TermMomentCache::Start TermMomentCache::Examine(JulianValue start, double zone_hours) const {
  const long double longitude = SunLongitudeAtLocal(start, zone_hours / 24.0L);
  const long double target = 30 * NearestWhole(longitude / 30) - 15;
  long double behind = longitude - target;  // degrees since the term, about [0, 30)
  if (behind > 180) behind -= 360;
  return {longitude, TargetIndex(target), target, start - behind * kDaysPerDegree};
}

const TermMomentCache::Entry* TermMomentCache::Find(const Start& start, long* crossing) const {
  *crossing = CrossingNumber(start.estimate);
  const Entry* entry = Known(*crossing);
  return entry != nullptr && entry->target_index == start.target_index ? entry : nullptr;
}

// The remembered crossing that every start between it and the next remembered crossing finds.
// The sun's longitude grows steadily, so a start more than a second (about 0.0007 degrees) after
// one refined crossing and before the next has its longitude strictly between their targets:
// Examine would pick the earlier crossing's target and, from its estimate a day or so off the
// crossing, the same crossing number.
const TermMomentCache::Entry* TermMomentCache::Bracketing(JulianValue start, long* crossing) const {
  constexpr long double kMarginDays = 1 / kSecondsPerDay;
  const long near = CrossingNumber(start);
  for (long number = near - 1; number <= near; ++number) {
    const Entry* entry = Known(number);
    if (entry == nullptr || start < entry->refined + kMarginDays) continue;
    const Entry* next = Known(number + 1);
    if (next == nullptr || start > next->refined - kMarginDays) continue;
    if (next->target_index != (entry->target_index + 1) % 12) continue;
    if (crossing != nullptr) *crossing = number;
    return entry;
  }
  return nullptr;
}

// Refines the crossing a search found by carrying the same iteration on far below a second, and
// remembers it unless it is known already.
long TermMomentCache::Remember(const MonthTerm& found, const Start& start, double zone_hours) {
  long number = 0;
  if (Find(start, &number) != nullptr) return number;
  const long double zone_days = zone_hours / 24.0L;
  // Degrees from the target at a local moment, folded into (−180, 180].
  const auto off_target = [&](JulianValue moment) {
    long double difference = SunLongitudeAtLocal(moment, zone_days) - start.target;
    if (difference > 180) difference -= 360;
    if (difference < -180) difference += 360;
    return difference;
  };
  JulianValue crossing = found.precise;
  for (int step = 0; step < 8; ++step) {
    const long double difference = off_target(crossing);
    crossing -= difference * kDaysPerDegree;
    if (std::fabs(difference) < 1e-12L) break;
  }
  constexpr long double kPaceStepDays = 0.001L;
  const long double pace = (off_target(crossing + kPaceStepDays) - off_target(crossing - kPaceStepDays)) /
                           (2 * kPaceStepDays);  // degrees per day
  const long double spread = kSpreadPerPaceRatio * std::fabs(1 - pace * kDaysPerDegree) + kSpreadFloorSeconds;
  const DateTime minute = DateTimeOfJulianValue(crossing).TruncatedToMinute();
  Keep(number, Entry{crossing, found, start.target_index, Certain(crossing, spread, 1),
                                 Certain(crossing, spread, 60), minute});
  return number;
}

TermMomentCache::Lookup TermMomentCache::MonthTermBefore(JulianValue start, const TermClock& clock) {
  Reset(clock);
  if (Precise()) return PreciseMonthTermBefore(start);
  const double zone_hours = clock.zone_hours;
  const Start examined = Examine(start, zone_hours);
  long crossing = 0;
  const Entry* entry = Find(examined, &crossing);
  if (entry != nullptr && entry->second_certain) return {entry->first_found, examined.longitude, crossing};
  const TermSearchResult result = FindTermMoment(TermSearchMode::kLatestMonthTerm, clock, start);
  const MonthTerm found = MonthTermOf(result.moment);
  crossing = Remember(found, examined, zone_hours);
  return {found, examined.longitude, crossing};
}

TermMomentCache::Lookup TermMomentCache::MonthTermBeforeWithoutLongitude(JulianValue start, const TermClock& clock) {
  Reset(clock);
  if (Precise()) {
    const long handle = PreciseHandleAt(start);
    return {PreciseEntry(handle).first_found, 0, handle};
  }
  long crossing = 0;
  const Entry* known = Bracketing(start, &crossing);
  if (known != nullptr && known->second_certain) return {known->first_found, 0, crossing};
  return MonthTermBefore(start, clock);
}

DateTime TermMomentCache::MonthTermMomentBefore(JulianValue start, const TermClock& clock) {
  Reset(clock);
  if (Precise()) return PreciseMonthTermMomentBefore(start).moment;
  const Entry* known = Bracketing(start);
  if (known != nullptr && known->second_certain) return known->first_found.moment;
  return MonthTermBefore(start, clock).term.moment;
}

DateTime TermMomentCache::MonthTermMinuteBefore(JulianValue start, const TermClock& clock) {
  Reset(clock);
  if (Precise()) return PreciseMonthTermMomentBefore(start).moment.TruncatedToMinute();
  const double zone_hours = clock.zone_hours;
  const Entry* known = Bracketing(start);
  if (known != nullptr && known->minute_certain) return known->minute;
  const Start examined = Examine(start, zone_hours);
  long crossing = 0;
  const Entry* entry = Find(examined, &crossing);
  if (entry != nullptr && entry->minute_certain) return entry->minute;
  const TermSearchResult result = FindTermMoment(TermSearchMode::kLatestMonthTerm, clock, start);
  const MonthTerm found = MonthTermOf(result.moment);
  Remember(found, examined, zone_hours);
  return found.moment.TruncatedToMinute();
}

std::optional<JulianValue> TermMomentCache::RefinedCrossing(long crossing) {
  if (Precise()) return PreciseEntry(crossing).refined;
  const Entry* entry = Known(crossing);
  if (entry == nullptr) return std::nullopt;
  return entry->refined;
}

std::optional<DateTime> TermMomentCache::CertainMinute(long crossing) {
  if (Precise()) return PreciseEntry(crossing).minute;
  const Entry* entry = Known(crossing);
  if (entry == nullptr || !entry->minute_certain) return std::nullopt;
  return entry->minute;
}

}  // namespace kirvo
