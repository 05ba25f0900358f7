#pragma once

#include <string>
#include <string_view>

#include "calendar/date_time.h"
#include "calendar/julian_value.h"
#include "calendar/term_clock.h"

namespace kirvo {

// Which sun longitude a search looks for, from the longitude λ0 at the starting moment.
enum class TermSearchMode {
  kLatestTerm = 0,         // the latest of the 24 solar terms
  kLatestMonthTerm = 1,    // the latest month-opening term (節), an odd multiple of 15°
  kLatestSolsticeOrEquinox = 2,
  kSpringOpening = 3,      // 立春 (315°): the crossing nearest in time
};

struct TermSearchResult {
  JulianValue moment;        // when the sun reached the target longitude (local clock)
  long double start_longitude;  // λ0: the longitude at the starting moment, degrees
};

// The moment the sun reached the mode's target longitude, from `start` (local JulianValue). By the
// standard method the search iterates the fixed series to within a second; by the precise method it
// answers with the remembered crossing of the full theory (see precise_terms.h).
TermSearchResult FindTermMoment(TermSearchMode mode, const TermClock& clock, JulianValue start);

// The term moment of the mode at or before `moment` (read to the minute), handed on through the
// term moment text and so truncated to whole seconds. For 立春 the search finds the nearest
// crossing; when that lies after `moment`, the 立春 a year earlier is returned.
struct TermMomentBefore {
  DateTime moment;
  std::string text;            // "y/m/d h:n:s"
  long double start_longitude; // λ0 at `moment`
};
TermMomentBefore FindTermMomentBefore(TermSearchMode mode, DateTime moment, const TermClock& clock);

// The 節 at or before a birth text "yyyy/mm/dd hh:nn" as its term moment text; the unknown hour
// "99:99" is read as 12:00. Empty when the text is not a date-time.
std::string MonthTermBeforeBirthText(std::string_view birth_text, const TermClock& clock);

}  // namespace kirvo
