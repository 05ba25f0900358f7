#pragma once

#include <string>
#include <string_view>

#include "calendar/date_time.h"
#include "calendar/julian_value.h"

namespace kirvo {

// Which sun longitude a search looks for, from the longitude λ0 at the starting moment.
enum class TermSearchMode {
  kLatestTerm = 0,         // the latest of the 24 solar terms
  kLatestMonthTerm = 1,    // the latest month-opening term (節), an odd multiple of 15°
  kLatestSolsticeOrEquinox = 2,
  kSpringOpening = 3,      // 立春 (315°): the crossing nearest in time
};

inline constexpr double kDefaultTimeZoneHours = 9.0;

struct TermSearchResult {
  JulianValue moment;        // when the sun reached the target longitude (local clock)
  long double start_longitude;  // λ0: the longitude at the starting moment, degrees
};

// Iterates from `start` (local JulianValue) to the moment the sun reached the mode's target
// longitude, to within a second. `zone_hours` is the offset of local clock time from Universal Time.
TermSearchResult FindTermMoment(TermSearchMode mode, double zone_hours, JulianValue start);

// The term moment of the mode at or before `moment` (read to the minute), handed on through the
// term moment text and so truncated to whole seconds. For 立春 the search finds the nearest
// crossing; when that lies after `moment`, the 立春 a year earlier is returned.
struct TermMomentBefore {
  DateTime moment;
  std::string text;            // "y/m/d h:n:s"
  long double start_longitude; // λ0 at `moment`
};
TermMomentBefore FindTermMomentBefore(TermSearchMode mode, DateTime moment, double zone_hours);

// The 節 at or before a birth text "yyyy/mm/dd hh:nn" as its term moment text; the unknown hour
// "99:99" is read as 12:00. Empty when the text is not a date-time.
std::string MonthTermBeforeBirthText(std::string_view birth_text, double zone_hours);

}  // namespace kirvo
