#pragma once

#include <string>

#include "calendar/date_time.h"

namespace kirvo {

// A real day count of a local clock reading whose integer part is the day number of the civil
// date (integer at local midnight): the astronomical Julian Date of the same reading taken as
// Universal Time, minus one half. 2000-01-01 00:00 is 2451544.
using JulianValue = long double;

JulianValue JulianValueOf(int year, int month, int day, int hour, int minute, int second);
// From a date-time's year, month, day, hour and minute; seconds are dropped.
JulianValue JulianValueOf(DateTime moment);

// The clock reading of a JulianValue as the term moment text "y/m/d h:n:s" (no leading zeros,
// seconds truncated), and the date-time read back from that text.
std::string TermMomentTextOf(JulianValue value);
DateTime DateTimeOfJulianValue(JulianValue value);

// Both at once.
struct TermMoment {
  DateTime moment;
  std::string text;
};
TermMoment TermMomentOf(JulianValue value);

}  // namespace kirvo
