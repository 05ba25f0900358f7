#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_time.h"
#include "calendar/julian_value.h"
#include "calendar/term_clock.h"

namespace kirvo {

// A month-opening term (節) as the term search hands it on: truncated to whole seconds.
struct MonthTerm {
  JulianValue precise;  // the search's own result, before truncation
  DateTime moment;      // read back from the text, whole seconds
  std::string text;     // "y/m/d h:n:s"
};
MonthTerm MonthTermOf(JulianValue precise);

// Remembers the 節 found by earlier searches, so that computing the pillars of many moments costs
// about one longitude evaluation per moment instead of several searches.
//
// A search converges on a crossing only to within a few hundredths of a second (its last step is
// at most a second and its assumed pace of the sun is within 4% of the true one), so searches from
// different starts can end on either side of a whole second. The cache therefore keeps each
// crossing refined far below that, and answers from it only where every search would truncate to
// the same second (or, for callers that need minutes, the same minute); elsewhere it searches
// afresh. Its answers are exactly those of the search.
//
// By the precise method every search already answers from remembered crossings, so the cache hands
// the questions on; its crossing handles then count the 節 of the precise terms.
class TermMomentCache {
 public:
  struct Lookup {
    MonthTerm term;               // what a search from the start hands on
    long double start_longitude;  // λ0 at the start
    long crossing;                // the crossing's number, a handle for NextCrossing
  };

  // The 節 at or before `start`, as FindTermMoment in its month-opening mode finds it.
  Lookup MonthTermBefore(JulianValue start, const TermClock& clock);

  // The same 節 and handle without λ0 at the start (start_longitude is left 0): answered without a
  // longitude evaluation when `start` lies clearly between two remembered crossings.
  Lookup MonthTermBeforeWithoutLongitude(JulianValue start, const TermClock& clock);

  // The 節 at or before `start` truncated to the minute, as a search from `start` would give it.
  DateTime MonthTermMinuteBefore(JulianValue start, const TermClock& clock);

  // The moment of the 節 at or before `start`, as MonthTermBefore hands it on; answered without a
  // longitude evaluation when `start` lies clearly between two remembered crossings.
  DateTime MonthTermMomentBefore(JulianValue start, const TermClock& clock);

  // The refined moment of a known crossing, by its number.
  std::optional<JulianValue> RefinedCrossing(long crossing);
  // The minute every search ending on a known crossing truncates to, when that is certain.
  std::optional<DateTime> CertainMinute(long crossing);

 private:
  struct Entry {
    JulianValue refined;    // the crossing, far below a second
    MonthTerm first_found;  // the first search's result
    int target_index;       // (θ + 15) / 30 mod 12
    bool second_certain;
    bool minute_certain;
    DateTime minute;
  };
  struct Start {
    long double longitude;
    int target_index;
    long double target;
    JulianValue estimate;
  };
  Start Examine(JulianValue start, double zone_hours) const;
  const Entry* Find(const Start& start, long* crossing) const;
  const Entry* Bracketing(JulianValue start, long* crossing = nullptr) const;
  long Remember(const MonthTerm& found, const Start& start, double zone_hours);
  void Reset(const TermClock& clock) const;
  bool Precise() const { return clock_.method == TermMethod::kPrecise; }
  Lookup PreciseMonthTermBefore(JulianValue start);
  const MonthTerm& PreciseMonthTermMomentBefore(JulianValue start);
  const Entry& PreciseEntry(long handle);
  static long PreciseHandleBefore(long latest_term);
  long PreciseHandleAt(JulianValue start) const;

  mutable TermClock clock_{-1000, TermMethod::kStandard};
  const Entry* Known(long crossing) const;
  void Keep(long crossing, Entry entry);

  // By crossing number: 節 counted at their mean spacing, a twelfth of a tropical year. The numbers
  // asked for lie close together, so the entries sit in one run of slots from the first number.
  mutable long first_crossing_ = 0;
  mutable std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace kirvo
