#pragma once

#include <string>

#include "calendar/date_time.h"
#include "calendar/moment_pillars.h"
#include "settings/usys_keys.h"

namespace kirvo {

class TermMomentCache;

// The age at which the first major-luck pillar begins (立運).
struct StartOfLuck {
  int years = 0;
  int months = 0;
  int TotalMonths() const { return 12 * years + months; }
  bool operator==(const StartOfLuck&) const = default;
};

// `DuRG` 0 (月単位): the days δ from birth back to the 節 that opened the birth month (逆) or on to
// the first 節 after birth (順), three days counting one year of life: c = 120·δ days of age, in
// years of 365.25 days and months of 30.59 days.
// `DuRG` 1 (年単位): the whole days n from the 節 at or before birth to the birth day (under the day
// boundary); v = n (逆) or 30 − n (順); years = ceil(v / 3), and 0..2 years become 10 (順) or 1 (逆).
// `birth_pillars` are the pillars of `birth` under `rules` (its month-opening moment is used). A
// cache of month-opening terms may be passed; the result is the same without it.
StartOfLuck StartOfLuckOf(int direction, DateTime birth, const MomentPillars& birth_pillars, StartOfLuckUnit unit,
                          const CalendarRules& rules, TermMomentCache* cache = nullptr);

// The day count v of the year unit followed by "日" (the depth shown beside the month's 節), or the
// empty text in the month unit.
std::string DepthDaysText(int direction, DateTime birth, StartOfLuckUnit unit, const CalendarRules& rules,
                          TermMomentCache* cache = nullptr);

// The 節 at or before a moment (searched from the moment to the minute, handed on in whole seconds),
// from the cache when one is given.
DateTime MonthTermAtOrBefore(DateTime moment, const CalendarRules& rules, TermMomentCache* cache);

}  // namespace kirvo
