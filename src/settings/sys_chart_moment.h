#pragma once

#include <optional>
#include <string_view>

#include "calendar/date_time.h"
#include "settings/sys_settings.h"

namespace kirvo {

// A chart moment more than 99.9 years (of 365.25 days) after birth is taken as a mistake.
inline constexpr double kChartMomentAgeLimitDays = 36488.475;
// The moment one month (30.59 days) after birth that replaces it.
inline constexpr double kMonthAfterBirthDays = 30.59;
// A birth text that stands for no birth.
inline constexpr std::string_view kNoBirthText = "No";

// The chart moment (作式) a new chart starts from, given the clock reading `now`:
// 1. `NRG` = 1: `NDate` + " " + `NTime`; `NRG` = 0: `now` plus `NowE` minutes. A fixed moment that
//    is no date-time falls back to the clock.
// 2. With a birth text "yyyy/mm/dd hh:nn" (an unknown hour "99:99" read as 12:00), `DRG` set and
//    a text other than "No": when the birth lies after that moment, or the moment lies more than
//    36488.475 days after the birth, the result is the birth plus 30.59 days. A birth text that is
//    no date-time leaves the moment of step 1.
DateTime DefaultChartMoment(const SysSettings& settings, std::optional<std::string_view> birth_text, DateTime now);

}  // namespace kirvo
