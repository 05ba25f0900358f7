#include "calendar/precise_terms.h"

#include <cmath>
#include <optional>
#include <vector>

#include "calendar/precise_crossing.h"
#include "calendar/precise_term_table.h"

namespace kirvo {
namespace {

// The crossings of the built-in table, and those of other years computed on this thread, by
// number, in one run of slots.
class CrossingMemo {
 public:
  PreciseCrossing Get(long number) {
    static const PreciseTermTable kBuiltIn = BuiltInPreciseTerms();
    const long in_table = number - kBuiltIn.first;
    if (in_table >= 0 && in_table < static_cast<long>(kBuiltIn.crossings.size())) {
      return kBuiltIn.crossings[static_cast<std::size_t>(in_table)];
    }
    if (slots_.empty()) first_ = number;
    if (number < first_) {
      std::vector<std::optional<PreciseCrossing>> grown(static_cast<std::size_t>(first_ - number));
      grown.insert(grown.end(), slots_.begin(), slots_.end());
      slots_ = std::move(grown);
      first_ = number;
    }
    const auto slot = static_cast<std::size_t>(number - first_);
    if (slot >= slots_.size()) slots_.resize(slot + 1);
    std::optional<PreciseCrossing>& crossing = slots_[slot];
    if (!crossing) crossing = ComputePreciseCrossing(number);
    return *crossing;
  }

 private:
  long first_ = 0;
  std::vector<std::optional<PreciseCrossing>> slots_;
};

PreciseCrossing Known(long number) {
  thread_local CrossingMemo memo;
  return memo.Get(number);
}

}  // namespace

JulianValue PreciseTermMoment(long number) { return Known(number).moment; }

namespace {

long LatestTermFrom(JulianValue universal, long double series_longitude) {
  // The series names the term and so its number; the full theory's crossings settle the side.
  const int index = static_cast<int>(std::floor(series_longitude / 15)) % 24;
  const JulianValue estimate = universal - (series_longitude - 15.0L * index) * kSeriesDaysPerDegree;
  const long cycles =
      std::lround((estimate - kTermZeroUniversal - index * kMeanTermSpacingDays) / (24 * kMeanTermSpacingDays));
  long number = 24 * cycles + index;
  while (PreciseTermMoment(number) > universal) --number;
  while (PreciseTermMoment(number + 1) <= universal) ++number;
  return number;
}

}  // namespace

long LatestPreciseTerm(JulianValue universal) { return LatestTermFrom(universal, SeriesLongitudeAt(universal)); }

PrecisePlace PlaceAmongPreciseTerms(JulianValue universal) {
  const long double series = SeriesLongitudeAt(universal);
  const long number = LatestTermFrom(universal, series);
  const PreciseCrossing before = Known(number);
  const PreciseCrossing after = Known(number + 1);
  const long double share = (universal - before.moment) / (after.moment - before.moment);
  const long double correction = before.correction + (after.correction - before.correction) * share;
  long double longitude = std::fmod(series + correction, 360.0L);
  if (longitude < 0) longitude += 360;
  return {number, longitude};
}

}  // namespace kirvo
