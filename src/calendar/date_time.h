#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// Calendar fields of a local clock reading (proleptic Gregorian calendar).
struct DateFields {
  int year = 1899;   // 1..9999 for every date the program accepts
  int month = 12;    // 1..12
  int day = 30;      // 1..31
  int hour = 0;      // 0..23
  int minute = 0;    // 0..59
  int second = 0;    // 0..59
  int millisecond = 0;
  bool operator==(const DateFields&) const = default;
};

// The program's date-time: a real number of days since 1899-12-30 00:00 of local clock time, the
// fraction being the time of day. Whole days count with floor, so a moment before 1899-12-30 has a
// negative day part and still a fraction in [0, 1).
class DateTime {
 public:
  constexpr DateTime() = default;
  constexpr explicit DateTime(double days) : days_(days) {}

  // Fields outside their ranges (month 13, 31 February, hour 24 ...) give nothing.
  static std::optional<DateTime> FromFields(const DateFields& fields);
  static std::optional<DateTime> FromDate(int year, int month, int day);
  static bool IsValidDate(int year, int month, int day);
  static int DaysInMonth(int year, int month);

  constexpr double days() const { return days_; }
  // Fields rounded to the nearest millisecond, so that sums of minute steps read back exactly.
  DateFields Fields() const;
  // Whole days since 1899-12-30 (floor) and the date-time of that day's midnight.
  long DayNumber() const;
  DateTime DateOnly() const;
  // The moment without its seconds. Defined for every moment, also outside years 1..9999, where a
  // search for the terms around the first and last accepted moments can land.
  DateTime TruncatedToMinute() const;

  // "YYYY/MM/DD", "hh:nn", "YYYY/MM/DD hh:nn".
  std::string DateText() const;
  std::string TimeText() const;
  std::string DateTimeText() const;
  // "y/m/d h:n:s", every number without leading zeros: how found term moments are handed on.
  std::string TermMomentText() const;

  // Reads "YYYY/MM/DD hh:nn" (one or two digits for every field but the year). Anything else,
  // or an impossible date or time, gives nothing.
  static std::optional<DateTime> ParseDateTimeText(std::string_view text);
  // Reads a term moment text "y/m/d h:n:s" or a date-only text "y/m/d".
  static std::optional<DateTime> ParseTermMomentText(std::string_view text);

  constexpr DateTime operator+(double days) const { return DateTime(days_ + days); }
  constexpr DateTime operator-(double days) const { return DateTime(days_ - days); }
  constexpr double operator-(DateTime other) const { return days_ - other.days_; }
  constexpr auto operator<=>(const DateTime&) const = default;

 private:
  double days_ = 0.0;
};

}  // namespace kirvo
