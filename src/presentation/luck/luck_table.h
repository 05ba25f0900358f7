#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_time.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "presentation/luck/luck_levels.h"
#include "presentation/shared/chart_moment_model.h"
#include "settings/text_table.h"

namespace kirvo {

struct SysSettings;

// The system settings a running-luck table is placed and filled by, read when it is built.
struct LuckTableSettings {
  int columns = 13;        // `CCnt`: period columns, 5..100 (15 for an unusable text)
  int before = 3;          // `PreE`: periods shown before the chart moment, 0..columns − 1
  int anchor_month = 12;   // `AlDtE` "MM/DD hh:nn": where year, month and day columns fall
  int anchor_day = 25;
  int anchor_hour = 22;
  int anchor_minute = 0;
  int upper_weight = 60;   // `TBar1`: percent of row 3 in the total of row 5, 0..100
  bool operator==(const LuckTableSettings&) const = default;
};
// Unusable texts take their defaults; `PreE` is held below the column count.
LuckTableSettings LuckTableSettingsOf(const SysSettings& sys);

// A running-luck table (行運表, the grid `KSG`): one person followed through consecutive periods of
// one level, each column the chart of the period's moment computed twice, with the range of the
// level above (row 3) and with the listed level (rows 4..18). Column 0 holds the row labels,
// columns 1..N the periods; row 19 holds each period's moment.
struct LuckTable {
  BirthInput person;  // the birth taken at 12:00 when the hour is not known
  bool hour_known = true;
  LuckLevel level = LuckLevel::kMajor;
  LuckTableSettings settings;
  DateTime chart_moment;   // the window's chart date and time the table was last placed around
  DateTime start;          // the moment of column 1
  int highlighted = 1;     // the column of the chart moment's period (may lie outside 1..N after shifts)
  int last_age_years = 0;  // the age of the last chart computed (periods beyond 110 years compute none)
  TextTable KSG;
  Chart chart;    // the board every column is computed on; never shown
  TextTable SNB;  // the content table of the columns' analyses; never shown
};

// Row 5 (上下：計): row 3 × T / 100 + row 4 × (100 − T) / 100 as "#0.00", T = `TBar1`; empty unless
// both rows hold numbers.
std::string LuckTotalText(const std::string& base, const std::string& listed, int upper_weight);

// A table of `person` at `level`, still empty; the person's age at `chart_moment` counts as the last
// computed one.
LuckTable NewLuckTable(const BirthInput& person, LuckLevel level, DateTime chart_moment);

// Reports Trunc(a / N × 100) after column a.
using LuckProgress = std::function<void(int percent)>;

// Placement around a chart moment (a new moment, a new level pair, "now"), then the fill. The
// settings are read afresh.
void BuildLuckTable(LuckTable& table, DateTime chart_moment, const ChartRules& rules, const LuckProgress& progress = {});

// The fill from a start moment: every period column computed, columns before the birth skipped
// forward, the labels written, the highlight settled for the major-luck level.
void FillLuckTable(LuckTable& table, DateTime start, const ChartRules& rules, const LuckProgress& progress = {});

// One column computed at moment `moment`.
void ComputeLuckColumn(LuckTable& table, int column, DateTime moment, const ChartRules& rules);

// Moves the table by one period, computing only the column that comes in. False, changing nothing,
// when the end it moves towards holds no data, at the major-luck level (its columns are always
// placed from birth), or when the period would leave the calendar.
bool ShiftLuckTable(LuckTable& table, StepDirection direction, const ChartRules& rules);

// Moves the table by N − 1 periods (one column overlaps) and fills it again. False as for a shift.
bool PageLuckTable(LuckTable& table, StepDirection direction, const ChartRules& rules,
                   const LuckProgress& progress = {});

// The period moment `periods` periods after `moment` (before it when negative) at the table's
// level; nothing outside the calendar. Month columns fall on the anchor day of their month (the
// month's last day when it has fewer days).
std::optional<DateTime> LuckPeriodMoment(const LuckTable& table, DateTime moment, int periods);

// Whether column `column` holds a computed period (rows 3 and 19).
bool LuckColumnHasData(const LuckTable& table, int column);
// Whether column `column` is hidden: a period column without its row 2.
bool LuckColumnHidden(const LuckTable& table, int column);

// What shows the chart of one period column in the content panel: the chart moment of the column,
// the listed range, the header prefix and, at the major-luck level, the age the summary shows.
struct LuckColumnChartData {
  DateTime chart_moment;
  LuckRange range = LuckRange::kNatalOnly;
  std::string header;                  // "< 大運まで >　作式：YYYY/MM/DD hh:nn"
  std::optional<std::string> age_text; // the age at the start of the decade, "34歳 5ｶ月"
};
// Nothing for a column without data (the window beeps).
std::optional<LuckColumnChartData> LuckColumnChart(const LuckTable& table, int column);

// The CSV export: all 20 rows and all columns.
std::vector<std::vector<std::string>> LuckTableRows(const LuckTable& table);

}  // namespace kirvo
