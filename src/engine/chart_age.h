#pragma once

#include <string>

#include "calendar/date_time.h"

namespace kirvo {

// Ages a chart accepts: whole years (of 365.25 days) from 0 to 110.
inline constexpr int kOldestChartAge = 110;
inline constexpr double kChartYearDays = 365.25;
// The oldest age in days (40177.5): how far after birth a chart moment may be stepped.
inline constexpr double kOldestChartAgeDays = kOldestChartAge * kChartYearDays;

constexpr bool IsChartAge(int years) { return years >= 0 && years <= kOldestChartAge; }

// Why a chart moment is refused: "作式日時 YYYY/MM/DD hh:nn は生年月日時から 0〜110 歳の範囲にありません".
std::string OutsideChartAgesText(DateTime chart_moment);

// True when the chart moment is not before the birth moment and trunc((chart − birth) / 365.25) ≤
// 110. A moment before birth has no age: truncating toward zero alone would let the year before
// birth pass as age 0 and show a chart of "0歳 0ヵ月" for a person not yet born.
bool PassesAgeCheck(DateTime chart_moment, DateTime birth_moment);

// The age shown at a chart moment.
struct ChartAge {
  int years = 0;
  int months = 0;
  std::string short_text;  // years "/" months as "%2d"
  std::string text;        // years as "%3d" "歳" months as "%2d" "月"; empty beyond 110 years
};

// d = chart − birth + 1 days; years = trunc(d / 365.25); months = the calendar month of the date d
// days after 1899-12-30, less one — but 0 when the birth moment plus that many calendar months
// (and the years) still lies after the chart moment.
ChartAge AgeAt(DateTime birth_moment, DateTime chart_moment);

}  // namespace kirvo
