#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_time.h"
#include "calendar/moment_pillars.h"
#include "calendar/sexagenary.h"
#include "engine/chart.h"
#include "luck/start_of_luck.h"

namespace kirvo {

struct SysSettings;

// The luck level of a calendar strip: which periods its columns are.
enum class StripLevel : int { kMajorLuck = 1, kYearLuck = 2, kMonthLuck = 3, kDayLuck = 4 };

// Columns of a strip by level: 11 decades, 100 years, 36 months, 31 days.
int StripColumnCount(StripLevel level);
// "大運", "年運", "月運", "日運".
std::string_view StripLevelName(StripLevel level);

// Rows of a strip: 0..2 headings (year, opening month/day, age or weekday), then the stars, stages,
// pillar and marks of the period.
inline constexpr int kStripRows = 10;
inline constexpr int kStripHeadingRows = 3;
inline constexpr int kStripYearRow = 0, kStripOpeningRow = 1, kStripAgeRow = 2, kStripHeavenStarRow = 3,
                     kStripEarthStarRow = 4, kStripStageOfDayRow = 5, kStripStageOfStemRow = 6, kStripStemRow = 7,
                     kStripBranchRow = 8, kStripSpecialRow = 9;

// The label of every row; row 2 names what the age row holds at the level ("歳 .月" for decades in
// the month unit of the start of luck, "歳" in the year unit and for years, "曜日" for days).
std::array<std::string, kStripRows> StripRowLabels(StripLevel level, StartOfLuckUnit unit);

// Whether a row is shown: the heading rows always, the others by the check group `MKouChg`.
bool StripRowShown(const SysSettings& sys, int row);

// Columns shown side by side (`CCnt1`, 行運表示列数): 10..35, else 10.
int StripShownColumns(const SysSettings& sys);

// What a strip reads of the person's natal chart.
struct StripPerson {
  DateTime birth;       // BirthDateTime
  StartOfLuck start;    // StartAgeYears, StartAgeMonths
  int direction = 0;    // LuckDirection
  Kanshi month_pillar;  // board column 8, rows 1 and 2
  DepthClass month_depth = DepthClass::kPrincipal;
  Kanshi day_pillar;  // board column 7, rows 1 and 2
  int age_years = 0;  // AgeYears at the chart moment
};
StripPerson StripPersonOf(const Chart& chart);

// One luck calendar strip, filled. The columns are kept as the grid shows them: column 0 at the
// left holds the latest period, the last column the earliest.
struct LuckStrip {
  StripLevel level = StripLevel::kMajorLuck;
  DateTime date;                                             // the strip's date (levels 3 and 4 read it)
  std::vector<DateTime> moments;                             // M[0..n-1], earliest first
  std::vector<std::array<std::string, kStripRows>> columns;  // grid column i holds M[n - 1 - i]
  bool snapped = false;            // decades placed after month-opening terms (start of luck < 300 days)
  std::optional<int> highlighted;  // the grid column of today's period
  int first_shown = 0;             // leftmost grid column in view

  int ColumnCount() const { return static_cast<int>(columns.size()); }
  const std::string& Cell(int column, int row) const { return columns[column][row]; }
  DateTime MomentOfColumn(int column) const { return moments[moments.size() - 1 - column]; }
};

// Fills a strip of `level` at `date` for `person`, under the rules as they stand. `today` decides
// the highlighted column; `shown` is the number of columns in view, which places the view: on the
// highlighted column's neighbourhood, else at the right end (the earliest periods).
LuckStrip BuildLuckStrip(StripLevel level, DateTime date, const StripPerson& person, const ChartRules& rules,
                         DateTime today, int shown);

// The moments M[0..n-1] of a strip's columns, earliest first; `snapped` tells whether the decades
// were placed after month-opening terms. Empty when a moment would leave the calendar.
struct StripMoments {
  std::vector<DateTime> moments;
  bool snapped = false;
};
StripMoments StripMomentsOf(StripLevel level, DateTime date, const StripPerson& person, const CalendarRules& calendar,
                            StartOfLuckUnit unit);

}  // namespace kirvo
