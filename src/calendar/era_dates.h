#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_time.h"

namespace kirvo {

// The Japanese eras (元号) a birth date may be typed in, with the Gregorian day each began. An era
// runs to the day before the next one's first day; the last runs to kLastEraDay.
struct EraRow {
  std::string_view name;
  int year, month, day;  // first day
};
// clang-format off
inline constexpr std::array<EraRow, 5> kEras = {{
    {"明治", 1868,  9,  8},
    {"大正", 1912,  7, 30},
    {"昭和", 1926, 12, 25},
    {"平成", 1989,  1,  8},
    {"令和", 2019,  5,  1},
}};
// clang-format on
inline constexpr int kEraCount = static_cast<int>(kEras.size());
inline constexpr std::array<int, 3> kLastEraDay = {2100, 12, 31};

// The era's index by its name ("明治" … "令和"), or nothing.
std::optional<int> EraIndexOf(std::string_view name);
// The choice list's text of an era: its number from 1 and its name, "1 明治".
std::string EraChoiceText(int era);
// The era a date lies in; nothing before the first day of 明治.
std::optional<int> EraOfDate(DateTime date);
// A date as an era date of `era`: era year, month and day, two digits each, "64/01/07".
std::string EraDateText(DateTime date, int era);

// What the era date field makes of its text "YY/MM/DD" under the chosen era: the Gregorian date,
// the era it then shows and its text rewritten for that era, and the message of the error box the
// field shows first, if any. A date before 明治 becomes 明治's first day; a date outside the
// chosen era keeps its day and takes the era it lies in. Nothing while the text is no date yet
// (blanks, a month 13, 30 February).
struct EraEntry {
  DateTime date;
  int era = 0;
  std::string text;
  std::optional<std::string> error;
};
inline constexpr std::string_view kBeforeMeijiMessage = "「明治」以前の和暦は取得できません。";
inline constexpr std::string_view kEraMismatchMessage = "元号と日付がマッチしていません。";
std::optional<EraEntry> ConvertEraText(int era, std::string_view text);

}  // namespace kirvo
