#pragma once

#include <optional>
#include <string_view>

#include "calendar/date_time.h"

namespace kirvo {

// A birth whose hour is not known is entered with the time "99:99"; every computation takes it as
// 12:00, the middle of the day, and the chart leaves its hour pillar out.
inline constexpr std::string_view kUnknownBirthTime = "99:99";
inline constexpr std::string_view kUnknownBirthTimeTakenAs = "12:00";

// A birth text "yyyy/mm/dd hh:nn" as a moment, "99:99" read as 12:00. Nothing when the text is no
// date-time.
std::optional<DateTime> BirthMomentOfText(std::string_view birth_text);

}  // namespace kirvo
