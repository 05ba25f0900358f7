#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_time.h"

namespace kirvo {

// The elapsed text of a duration of `days`: the date 1899/12/30 + days as "yy.m" (two-digit year, a
// point, the month without a leading zero). It reads as the years and months of the duration plus
// one month, and the strips show it so; a negative duration reads in 1899 ("99.11", "99.12").
std::string ElapsedText(double days);

// Where a row-2 text of a strip stands, for the rules that tidy it.
struct AgeTextPlace {
  int column = 0;        // grid column, 0 at the left (the latest period)
  int column_count = 0;  // columns of the strip
};

// The tidying of a row-2 age text: an elapsed text ending in month "12" becomes the next year's
// ".0" ("99.12" becomes "00.0"); "99.12" right of the first two columns and "99.11" in the last
// column (the birth's own period) become "00.0"; then one leading "0" goes ("05.4" → "5.4",
// "01歳" → "1歳", "34歳" stays).
std::string TidyAgeText(std::string text, AgeTextPlace place);

// Years and months read from a tidied elapsed text "y.m"; nothing when the text is not one.
struct YearsAndMonths {
  int years = 0;
  int months = 0;
};
std::optional<YearsAndMonths> ReadElapsedText(std::string_view text);

// The leading whole number of a text such as "34歳"; nothing when it starts with no digit.
std::optional<int> LeadingNumber(std::string_view text);

// The weekday of a moment as one Japanese character: 日 月 火 水 木 金 土.
std::string_view WeekdayCharacter(DateTime moment);

// "m/d" of a moment (no leading zeros).
std::string MonthDayText(DateTime moment);

}  // namespace kirvo
