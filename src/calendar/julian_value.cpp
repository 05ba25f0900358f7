#include "calendar/julian_value.h"

#include <charconv>
#include <string_view>

#include "calendar/long_double_rounding.h"

namespace kirvo {

// The day-count formula works in a year starting in March, so that the leap day ends the year;
// 30.59 days per month spreads the 153 days of every five months after February.
//   days = trunc(365.25 y) + trunc(y / 400) − trunc(y / 100) + trunc(30.59 (m − 2)) + 1721088 + day
// For the program's years (y ≥ 0) every truncated term is an exact integer quotient, which is how
// it is computed here; 30.59 k is never within rounding of a whole number for k = 1..12.
JulianValue JulianValueOf(int year, int month, int day, int hour, int minute, int second) {
  long y = year;
  long m = month;
  if (month < 3) {
    y -= 1;
    m += 12;
  }
  const long days = 1461 * y / 4 + y / 400 - y / 100 + 3059 * (m - 2) / 100 + 1721088 + day;
  return days + (hour + minute / 60.0L + second / 3600.0L) / 24;
}

JulianValue JulianValueOf(DateTime moment) {
  const DateFields f = moment.Fields();
  return JulianValueOf(f.year, f.month, f.day, f.hour, f.minute, 0);
}

namespace {

struct ClockReading {
  long year;
  long month;
  long day;
  long hour;
  long minute;
  long second;
};

// The inverse of the day count for the Gregorian calendar. Its month lengths come out of 30.59-day
// steps, which can overshoot February; the day is then clamped to February's last day.
ClockReading ClockReadingOf(JulianValue value) {
  const long double x0 = TruncatedWhole(value + 68570);
  const long double x1 = TruncatedWhole(x0 / 36524.25L);
  const long double x2 = x0 - TruncatedWhole(36524.25L * x1 + 0.75L);
  const long double x3 = TruncatedWhole((x2 + 1) / 365.2425L);
  const long double x4 = x2 - TruncatedWhole(365.25L * x3) + 31;
  const long double x5 = TruncatedWhole(x4 / 30.59L);
  const long double x6 = TruncatedWhole(x5 / 11);
  ClockReading r;
  r.day = static_cast<long>(x4 - TruncatedWhole(30.59L * x5));
  r.month = static_cast<long>(x5 - 12 * x6 + 2);
  r.year = static_cast<long>(100 * (x1 - 49) + x3 + x6);
  if (r.month == 2 && r.day > 28) {
    const bool leap = (r.year % 4 == 0 && r.year % 100 != 0) || r.year % 400 == 0;
    r.day = leap ? 29 : 28;
  }
  const long double s = 86400 * (value - TruncatedWhole(value));
  r.hour = static_cast<long>(TruncatedWhole(s / 3600));
  r.minute = static_cast<long>(TruncatedWhole((s - 3600 * r.hour) / 60));
  r.second = static_cast<long>(TruncatedWhole(s - 3600 * r.hour - 60 * r.minute));
  return r;
}

// "y/m/d h:n:s", every field without padding. Term moments are written for every chart, so the
// fields are written out directly rather than through printf.
std::string TextOf(const ClockReading& r) {
  std::string text;
  text.reserve(24);
  const auto field = [&text](long value, std::string_view after) {
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    text += after;
  };
  field(r.year, "/");
  field(r.month, "/");
  field(r.day, " ");
  field(r.hour, ":");
  field(r.minute, ":");
  field(r.second, "");
  return text;
}

// Every value of the program's years reads back as a valid clock reading; outside them the day
// count still maps linearly onto the date-time scale.
DateTime DateTimeOf(const ClockReading& r, JulianValue value) {
  const auto moment = DateTime::FromFields({static_cast<int>(r.year), static_cast<int>(r.month),
                                            static_cast<int>(r.day), static_cast<int>(r.hour),
                                            static_cast<int>(r.minute), static_cast<int>(r.second), 0});
  constexpr long double kJulianValueOfDateTimeZero = 2415018;
  return moment ? *moment : DateTime(static_cast<double>(value - kJulianValueOfDateTimeZero));
}

}  // namespace

std::string TermMomentTextOf(JulianValue value) { return TextOf(ClockReadingOf(value)); }

DateTime DateTimeOfJulianValue(JulianValue value) { return DateTimeOf(ClockReadingOf(value), value); }

TermMoment TermMomentOf(JulianValue value) {
  const ClockReading reading = ClockReadingOf(value);
  return {DateTimeOf(reading, value), TextOf(reading)};
}

}  // namespace kirvo
