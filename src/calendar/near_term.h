#pragma once

#include <array>
#include <optional>

#include "calendar/date_time.h"
#include "calendar/moment_pillars.h"
#include "calendar/sexagenary.h"

namespace kirvo {

class TermMomentCache;

// A birth close to a month-opening term (節). The standard series and the precise theory put a term
// up to about a quarter of an hour apart, so a birth in those minutes may get another month
// pillar — and at 立春 another year pillar — by the other method.
struct NearTermWarning {
  bool spring_opening = false;  // the term is 立春, which turns the year as well
  // By method: [0] standard, [1] precise (TermMethod's order).
  std::array<DateTime, 2> term{};  // the term's moment, whole seconds
  std::array<Kanshi, 2> year{};    // the pillars each method gives the birth
  std::array<Kanshi, 2> month{};
};

// The warning when the birth lies within `margin_minutes` of a 節 by either method; nothing else.
// A cache serves the standard method's searches (the precise method remembers its own terms).
std::optional<NearTermWarning> NearTermWarningOf(DateTime birth, const CalendarRules& rules, int margin_minutes,
                                                 TermMomentCache* standard_terms = nullptr);

// A quick test that rules a birth out without any term search: false when the sun's longitude at
// the start of the birth hour lies so far from every 節 (an odd multiple of 15°) that no method puts
// a 節 within the margin of the birth.
bool MayLieNearMonthTerm(double longitude_at_hour_start, int margin_minutes);

}  // namespace kirvo
