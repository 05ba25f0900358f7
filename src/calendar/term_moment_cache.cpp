#include "calendar/term_moment_cache.h"

#include <cmath>

#include "calendar/sun_longitude.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

inline constexpr long double kDaysPerDegree = 365.2L / 360;
inline constexpr long double kSecondsPerDay = 86400;
// Searches end within 0.045 s of the crossing (measured: 0.035 s over two centuries).
inline constexpr long double kSearchSpreadSeconds = 0.05L;
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

// Whether everything within the search spread of `crossing` truncates to the same multiple of `unit` seconds.
bool Certain(JulianValue crossing, long double unit_seconds) {
  const long double seconds = SecondsOfDay(crossing);
  const long double within = seconds - unit_seconds * std::trunc(seconds / unit_seconds);
  return within >= kSearchSpreadSeconds && within <= unit_seconds - kSearchSpreadSeconds;
}

DateTime TruncatedToMinute(DateTime moment) {
  DateFields fields = moment.Fields();
  fields.second = 0;
  fields.millisecond = 0;
  return *DateTime::FromFields(fields);
}

}  // namespace

MonthTerm MonthTermOf(JulianValue precise) {
  TermMoment handed_on = TermMomentOf(precise);
  return {precise, handed_on.moment, std::move(handed_on.text)};
}

void TermMomentCache::Reset(double zone_hours) const {
  if (zone_hours == zone_hours_) return;
  entries_.clear();
  zone_hours_ = zone_hours;
}

TermMomentCache::Start TermMomentCache::Examine(JulianValue start, double zone_hours) const {
  Reset(zone_hours);
  const long double whole = std::trunc(start);
  const long double longitude = SunLongitude(JulianCenturies(whole, start - whole - zone_hours / 24.0L));
  const long double target = 30 * std::nearbyint(longitude / 30) - 15;
  long double behind = longitude - target;  // degrees since the term, about [0, 30)
  if (behind > 180) behind -= 360;
  return {longitude, TargetIndex(target), target, start - behind * kDaysPerDegree};
}

const TermMomentCache::Entry* TermMomentCache::Find(const Start& start, long* crossing) const {
  *crossing = CrossingNumber(start.estimate);
  const auto it = entries_.find(*crossing);
  return it != entries_.end() && it->second.target_index == start.target_index ? &it->second : nullptr;
}

// Refines the crossing a search found by carrying the same iteration on far below a second, and
// remembers it unless it is known already.
long TermMomentCache::Remember(const MonthTerm& found, const Start& start, double zone_hours) {
  long number = 0;
  if (Find(start, &number) != nullptr) return number;
  JulianValue crossing = found.precise;
  const long double zone_days = zone_hours / 24.0L;
  for (int step = 0; step < 8; ++step) {
    const long double whole = std::trunc(crossing);
    long double difference = SunLongitude(JulianCenturies(whole, crossing - whole - zone_days)) - start.target;
    if (difference > 180) difference -= 360;
    if (difference < -180) difference += 360;
    crossing -= difference * kDaysPerDegree;
    if (std::fabs(difference) < 1e-12L) break;
  }
  const DateTime minute = TruncatedToMinute(DateTimeOfJulianValue(crossing));
  entries_.emplace(number, Entry{crossing, found, start.target_index, Certain(crossing, 1), Certain(crossing, 60), minute});
  return number;
}

TermMomentCache::Lookup TermMomentCache::MonthTermBefore(JulianValue start, double zone_hours) {
  const Start examined = Examine(start, zone_hours);
  long crossing = 0;
  const Entry* entry = Find(examined, &crossing);
  if (entry != nullptr && entry->second_certain) return {entry->first_found, examined.longitude, crossing};
  const TermSearchResult result = FindTermMoment(TermSearchMode::kLatestMonthTerm, zone_hours, start);
  const MonthTerm found = MonthTermOf(result.moment);
  crossing = Remember(found, examined, zone_hours);
  return {found, examined.longitude, crossing};
}

DateTime TermMomentCache::MonthTermMinuteBefore(JulianValue start, double zone_hours) {
  const Start examined = Examine(start, zone_hours);
  long crossing = 0;
  const Entry* entry = Find(examined, &crossing);
  if (entry != nullptr && entry->minute_certain) return entry->minute;
  const TermSearchResult result = FindTermMoment(TermSearchMode::kLatestMonthTerm, zone_hours, start);
  const MonthTerm found = MonthTermOf(result.moment);
  Remember(found, examined, zone_hours);
  return TruncatedToMinute(found.moment);
}

std::optional<JulianValue> TermMomentCache::RefinedCrossing(long crossing) const {
  const auto it = entries_.find(crossing);
  if (it == entries_.end()) return std::nullopt;
  return it->second.refined;
}

std::optional<DateTime> TermMomentCache::CertainMinute(long crossing) const {
  const auto it = entries_.find(crossing);
  if (it == entries_.end() || !it->second.minute_certain) return std::nullopt;
  return it->second.minute;
}

}  // namespace kirvo
