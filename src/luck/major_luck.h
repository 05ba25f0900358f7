#pragma once

#include <string>

#include "calendar/date_time.h"
#include "calendar/moment_pillars.h"
#include "calendar/sexagenary.h"
#include "luck/start_of_luck.h"
#include "settings/usys_keys.h"

namespace kirvo {

class TermMomentCache;

// The major-luck pillar for an age in whole years and months: the natal month pillar before the
// start of luck, then the k-th pillar (k = 1, 2, ...) for the k-th ten years from the start,
// moving forward (順) or backward (逆) through the cycle from the month pillar.
Kanshi MajorLuckPillar(int direction, Kanshi month_pillar, int age_years, int age_months, StartOfLuck start);

// Which hidden stem of the major-luck branch is in command, and (when measured in its 中気 or
// later) the stem of that segment; an empty stem when not measured.
struct MajorLuckDepth {
  DepthClass depth_class = DepthClass::kPrincipal;
  std::string depth_stem;
};

// The start of the ten-year luck period holding `moment`, and the end of that period. The first
// period starts at birth + the start of luck (years of 365.25 days, months of 30.59 days); each
// later one about 3652.5 days on, placed 5 days after the 節 at or before birth + start + 10·k years.
// Before the start of luck there is no period (start after `moment`).
struct LuckPeriod {
  DateTime start;
  DateTime end;
};
LuckPeriod LuckPeriodAt(DateTime moment, DateTime birth, StartOfLuck start, const CalendarRules& rules,
                        TermMomentCache* cache = nullptr);

// `ZRG5`: 0 本気; 1 the natal month pillar's depth class; 2 the depth of `chart_moment` within the
// ten-year luck period, over the distribution row of the major-luck branch. A chart moment at or
// before the start of that period (before the start of luck) leaves the 本気.
MajorLuckDepth MajorLuckDepthOf(Branch major_luck_branch, DepthClass natal_month_depth, DateTime birth,
                                DateTime chart_moment, StartOfLuck start, MajorLuckDepthRule rule,
                                const CalendarRules& rules, TermMomentCache* cache = nullptr);

}  // namespace kirvo
