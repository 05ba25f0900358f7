#pragma once

#include <string>
#include <string_view>

#include "calendar/date_time.h"

namespace kirvo {

// The moments the program computes with: those whose every result reads back as a date text of
// years 1..9999, in every time zone the settings allow (up to 24 hours from Universal Time). The
// latest solstice or equinox before a moment lies in year 0 until the spring equinox of year 1,
// 0001/03/21 03:20 Universal Time (the 22nd in the easternmost zone); after the last minute of year
// 9999 there are no dates at all. Terms after a moment (where a period ends) may still lie in year
// 10000; they are computed but never shown.
inline constexpr std::string_view kFirstAcceptedMomentText = "0001/03/23 00:00";
inline constexpr std::string_view kLastAcceptedMomentText = "9999/12/31 23:59";

bool IsAcceptedMoment(DateTime moment);

// "0001/03/23 00:00～9999/12/31 23:59", for messages.
std::string AcceptedMomentRangeText();

}  // namespace kirvo
