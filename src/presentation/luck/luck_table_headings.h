#pragma once

#include <string>

#include "calendar/date_time.h"
#include "engine/chart_record.h"

namespace kirvo {

struct LuckTable;

// The date texts of the column headings: the year's last two digits (always two), month, day and
// hour without leading zeros, the one-character Japanese weekday. 2026-04-05 13:00 gives "26年4月",
// "5日13時", "5日" and "(日)".
std::string LuckYearMonthText(DateTime moment);
std::string LuckDayHourText(DateTime moment);
std::string LuckDayText(DateTime moment);
std::string LuckWeekdayText(DateTime moment);

// Rows 0..2 of a period column by level: the decade's start, age and "-" for major luck; the 立春
// (years) or the 節 (months) that opened the period and the age; the date and the weekday for days
// and double-hours. With the start of luck in whole years the decade ages end after "歳".
struct LuckHeadings {
  std::string year_month;
  std::string day_hour;
  std::string age;
};
// `table.chart.record` holds the person's start of luck.
LuckHeadings LuckColumnHeadings(const LuckTable& table, int column, DateTime moment, const ChartRules& rules);

}  // namespace kirvo
