#include "calendar/date_time.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/integer_text.h"
#include "platform/small_list.h"

namespace kirvo {
namespace {

inline constexpr long kMillisecondsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date (era arithmetic over 400-year cycles).
constexpr long DaysFromCivil(long year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long year_of_era = year - era * 400;                                   // [0, 399]
  const long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;  // [0, 365]
  const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;  // [0, 146096]
  return era * 146097 + day_of_era - 719468;
}

struct CivilDate {
  long year;
  int month;
  int day;
};

constexpr CivilDate CivilFromDays(long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long day_of_era = days - era * 146097;                                                  // [0, 146096]
  const long year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;  // [0, 399]
  const long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);  // [0, 365]
  const long month_index = (5 * day_of_year + 2) / 153;                                         // [0, 11]
  const int day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);               // [1, 31]
  const int month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);     // [1, 12]
  return {year_of_era + era * 400 + (month <= 2), month, day};
}

inline constexpr long kEpochDays = DaysFromCivil(1899, 12, 30);

// The digit fields of a date or clock text: at most three are ever wanted.
using DigitFieldList = SmallList<int, 3>;

// Splits text at `separator` into fields of digits only; nothing when any field is not digits or
// there are more than three fields.
std::optional<DigitFieldList> DigitFields(std::string_view text, char separator) {
  DigitFieldList fields;
  while (true) {
    const std::size_t end = text.find(separator);
    const std::string_view field = text.substr(0, end);
    if (field.empty() || field.size() > 4 || fields.size() == 3) return std::nullopt;
    int value = 0;
    const auto [stop, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || stop != field.data() + field.size()) return std::nullopt;
    fields.push_back(value);
    if (end == std::string_view::npos) return fields;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

bool DateTime::IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

int DateTime::DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::optional<DateTime> DateTime::FromFields(const DateFields& f) {
  if (!IsValidDate(f.year, f.month, f.day)) return std::nullopt;
  if (f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 || f.second > 59 ||
      f.millisecond < 0 || f.millisecond > 999) {
    return std::nullopt;
  }
  const double day = static_cast<double>(DaysFromCivil(f.year, f.month, f.day) - kEpochDays);
  const long milliseconds = ((f.hour * 60L + f.minute) * 60L + f.second) * 1000L + f.millisecond;
  return DateTime(day + static_cast<double>(milliseconds) / kMillisecondsPerDay);
}

std::optional<DateTime> DateTime::FromDate(int year, int month, int day) {
  return FromFields({year, month, day, 0, 0, 0, 0});
}

DateFields DateTime::Fields() const {
  const long long total = std::llround(days_ * kMillisecondsPerDay);
  long long day = total / kMillisecondsPerDay;
  long long milliseconds = total % kMillisecondsPerDay;
  if (milliseconds < 0) {
    milliseconds += kMillisecondsPerDay;
    --day;
  }
  const CivilDate date = CivilFromDays(static_cast<long>(day) + kEpochDays);
  DateFields fields;
  fields.year = static_cast<int>(date.year);
  fields.month = date.month;
  fields.day = date.day;
  fields.millisecond = static_cast<int>(milliseconds % 1000);
  const long long seconds = milliseconds / 1000;
  fields.second = static_cast<int>(seconds % 60);
  fields.minute = static_cast<int>(seconds / 60 % 60);
  fields.hour = static_cast<int>(seconds / 3600);
  return fields;
}

long DateTime::DayNumber() const {
  const DateFields f = Fields();
  return DaysFromCivil(f.year, f.month, f.day) - kEpochDays;
}

DateTime DateTime::DateOnly() const { return DateTime(static_cast<double>(DayNumber())); }

DateTime DateTime::TruncatedToMinute() const {
  DateFields fields = Fields();
  const long below_minute = fields.second * 1000L + fields.millisecond;
  fields.second = 0;
  fields.millisecond = 0;
  if (const std::optional<DateTime> minute = FromFields(fields)) return *minute;
  return DateTime(days_ - static_cast<double>(below_minute) / kMillisecondsPerDay);
}

std::string DateTime::DateText() const {
  const DateFields f = Fields();
  return ZeroPadded(f.year, 4) + "/" + ZeroPadded(f.month, 2) + "/" + ZeroPadded(f.day, 2);
}

std::string DateTime::TimeText() const {
  const DateFields f = Fields();
  return ZeroPadded(f.hour, 2) + ":" + ZeroPadded(f.minute, 2);
}

std::string DateTime::DateTimeText() const { return DateText() + " " + TimeText(); }

std::string DateTime::TermMomentText() const {
  const DateFields f = Fields();
  char text[48];
  std::snprintf(text, sizeof text, "%d/%d/%d %d:%d:%d", f.year, f.month, f.day, f.hour, f.minute, f.second);
  return text;
}

std::optional<DateTime> DateTime::ParseDateTimeText(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const auto date = DigitFields(text.substr(0, blank), '/');
  const auto time = DigitFields(text.substr(blank + 1), ':');
  if (!date || !time || date->size() != 3 || time->size() != 2) return std::nullopt;
  if ((*time)[0] > 99 || (*time)[1] > 99 || (*date)[1] > 99 || (*date)[2] > 99) return std::nullopt;
  return FromFields({(*date)[0], (*date)[1], (*date)[2], (*time)[0], (*time)[1], 0, 0});
}

std::optional<DateTime> DateTime::ParseTermMomentText(std::string_view text) {
  const std::size_t blank = text.find(' ');
  const auto date = DigitFields(text.substr(0, blank), '/');
  if (!date || date->size() != 3) return std::nullopt;
  DateFields fields{(*date)[0], (*date)[1], (*date)[2], 0, 0, 0, 0};
  if (blank != std::string_view::npos) {
    const auto time = DigitFields(text.substr(blank + 1), ':');
    if (!time || time->size() != 3) return std::nullopt;
    fields.hour = (*time)[0];
    fields.minute = (*time)[1];
    fields.second = (*time)[2];
  }
  return FromFields(fields);
}

}  // namespace kirvo
