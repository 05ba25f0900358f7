#include "presentation/luck/luck_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "calendar/accepted_moments.h"
#include "calendar/moment_pillars.h"
#include "engine/analysis_steps.h"
#include "engine/chart_age.h"
#include "engine/chart_pipeline.h"
#include "engine/decimal_text.h"
#include "engine/element_analysis.h"
#include "platform/integer_text.h"
#include "presentation/luck/luck_table_headings.h"
#include "presentation/panel/chart_content.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// A step's moment, or `fallback` when the step leaves the calendar.
DateTime SteppedOr(const Outcome<DateTime>& step, DateTime fallback) { return step ? step.value() : fallback; }

constexpr int kUnit(LuckLevel level) { return LuckLevelNumber(level); }

// The value cells of the content table (column, row) the luck rows copy, and the board rows of the
// listed luck pillar the star, stage, stem and branch rows copy.
struct ContentSource {
  int luck_row;
  std::size_t column;
  std::size_t row;
};
// clang-format off
constexpr ContentSource kListedContent[] = {
    {luck_row::kListedFavour, 1, 4}, {luck_row::kBalance, 1, 3},    {luck_row::kInnerOuter, 5, 4},
    {luck_row::kStrength, 5, 3},     {luck_row::kUsefulGod, 5, 1},  {luck_row::kAdverse, 3, 1},
    {luck_row::kFavourable, 3, 3}};
constexpr std::pair<int, int> kListedPillarRows[] = {  // luck row, board row
    {luck_row::kHeavenStar, board::kHeavenStar}, {luck_row::kEarthStar, board::kEarthStar},
    {luck_row::kStageOfDayMaster, board::kStageOfDayMaster}, {luck_row::kStageOfStem, board::kStageOfStem},
    {luck_row::kStem, board::kStem}, {luck_row::kBranch, board::kBranch}};
// clang-format on
constexpr std::size_t kFavourColumn = 1, kFavourRow = 4;

// The columns of the major-luck level stand for the decades of life from birth; the highlight
// looks among the first eleven (110 years).
constexpr int kDecadeColumns = 11;

std::optional<double> NumberOfCell(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || rest != end) return std::nullopt;
  return value;
}

void EmptyColumn(TextTable& ksg, int column) {
  for (int row = 0; row < luck_row::kCount; ++row) {
    ksg.WriteCell(static_cast<std::size_t>(column), static_cast<std::size_t>(row), [](std::string& cell) { cell.clear(); });
  }
}

void Set(TextTable& ksg, int column, int row, std::string_view text) {
  ksg.SetCell(static_cast<std::size_t>(column), static_cast<std::size_t>(row), text);
}

void WriteLabels(LuckTable& table) {
  const LuckLevelRow& level = LuckLevelRowOf(table.level);
  TextTable& ksg = table.KSG;
  Set(ksg, 0, luck_row::kYearMonth, "年月");
  Set(ksg, 0, luck_row::kDayHour, "日時");
  Set(ksg, 0, luck_row::kAge, "立：" + table.chart.record.StartAgeText);
  Set(ksg, 0, luck_row::kBaseFavour, level.base_label);
  Set(ksg, 0, luck_row::kListedFavour, level.listed_label);
  Set(ksg, 0, luck_row::kTotal, "上下：計");
  for (std::size_t item = 0; item < kLuckRowItems.size(); ++item) {
    Set(ksg, 0, luck_row::kFirstChoosable + static_cast<int>(item), kLuckRowItems[item]);
  }
  Set(ksg, 0, luck_row::kMoment, "");
}

// The start of luck (and its label) does not depend on the chart moment: the fill step at birth
// gives it.
void ComputeStartOfLuck(LuckTable& table, const ChartRules& rules) {
  table.chart.record = NewChartRecord(table.person, table.person.birth.moment);
  table.chart.hour_known = table.hour_known;
  RunFillStep(table.chart.board, table.chart.record, table.hour_known, rules);
}

// The major-luck level: column 1 the last month before the first decade begins, then a decade a
// column; the highlight goes to the first column whose decade reaches past the chart moment.
DateTime MajorLuckStart(const LuckTable& table) {
  const TMeiData& record = table.chart.record;
  const int months = record.StartAgeYears * 12 + record.StartAgeMonths - 1;
  return SteppedOr(StepMoment(2, std::abs(months), months < 0, record.BirthDateTime), record.BirthDateTime);
}

void SettleMajorLuckHighlight(LuckTable& table) {
  const int last = std::min(kDecadeColumns, table.settings.columns);
  for (int column = 1; column <= last; ++column) {
    const std::optional<DateTime> moment =
        DateTime::ParseDateTimeText(table.KSG.Cell(static_cast<std::size_t>(column), luck_row::kMoment));
    if (!moment) continue;
    const Outcome<DateTime> next = StepMoment(2, 1, false, *moment);
    if (next && next.value() > table.chart_moment) {
      table.highlighted = column;
      return;
    }
  }
}

// Runs the light pipeline and the five-element analysis at `range` into the table's content table.
void AnalyseAt(LuckTable& table, LuckRange range, const ChartRules& rules) {
  table.chart.range = range;
  RunLightPipeline(table.chart, rules);
  const ElementAnalysis analysis =
      AnalyseElements(table.chart.board, table.chart.record, range, table.hour_known, rules);
  FillContentTable(table.SNB, analysis, table.chart.board);
}

std::optional<DateTime> AnchoredAt(int year, int month, int day, int hour, int minute) {
  if (year < 1) return std::nullopt;
  // An anchor day the month lacks (31 in a 30-day month, 29..31 in February) takes its last day.
  day = std::min(day, DateTime::DaysInMonth(year, month));
  return DateTime::FromFields({year, month, day, hour, minute, 0, 0});
}

}  // namespace

LuckTableSettings LuckTableSettingsOf(const SysSettings& sys) {
  LuckTableSettings settings;
  settings.columns = LuckColumnCount(sys);
  const std::optional<long long> before = ParseInteger(sys.PreE);
  settings.before = static_cast<int>(std::clamp<long long>(before.value_or(3), 0, settings.columns - 1));
  if (const std::optional<DateTime> anchor = DateTime::ParseDateTimeText("2001/" + sys.AlDtE)) {
    const DateFields f = anchor->Fields();
    settings.anchor_month = f.month;
    settings.anchor_day = f.day;
    settings.anchor_hour = f.hour;
    settings.anchor_minute = f.minute;
  }
  settings.upper_weight = std::clamp(sys.TBar1, 0, 100);
  return settings;
}

std::string LuckTotalText(const std::string& base, const std::string& listed, int upper_weight) {
  const std::optional<double> upper = NumberOfCell(base);
  const std::optional<double> lower = NumberOfCell(listed);
  if (!upper || !lower) return {};
  return DecimalText(*upper * upper_weight / 100 + *lower * (100 - upper_weight) / 100, 2);
}

LuckTable NewLuckTable(const BirthInput& person, LuckLevel level, DateTime chart_moment) {
  LuckTable table;
  table.person = person;
  table.hour_known = HourKnown(person);
  table.person.birth = person.birth.TakenAtNoon();
  table.level = level;
  table.chart_moment = chart_moment;
  if (chart_moment >= table.person.birth.moment) {
    table.last_age_years = AgeAt(table.person.birth.moment, chart_moment).years;
  }
  table.SNB = NewContentTable().text;
  return table;
}

std::optional<DateTime> LuckPeriodMoment(const LuckTable& table, DateTime moment, int periods) {
  DateTime stepped = moment;
  if (periods != 0) {
    const Outcome<DateTime> step = StepMoment(kUnit(table.level), std::abs(periods), periods < 0, moment);
    if (!step) return std::nullopt;
    stepped = step.value();
  }
  if (table.level != LuckLevel::kMonth) return stepped;
  const DateFields f = stepped.Fields();
  return AnchoredAt(f.year, f.month, table.settings.anchor_day, f.hour, f.minute);
}

void BuildLuckTable(LuckTable& table, DateTime chart_moment, const ChartRules& rules, const LuckProgress& progress) {
  table.settings = LuckTableSettingsOf(rules.sys);
  const LuckTableSettings& s = table.settings;
  table.chart_moment = chart_moment;
  DateTime moment = chart_moment;
  // A table placed in a very old age starts again from birth, so that it has periods to show.
  if (table.level != LuckLevel::kMajor && table.last_age_years > 109) moment = table.person.birth.moment;

  DateTime start = SteppedOr(StepMoment(kUnit(table.level), s.before, true, moment), moment);
  table.highlighted = s.before + 1;
  const DateFields f = start.Fields();
  std::optional<DateTime> anchored;
  switch (table.level) {
    case LuckLevel::kYear: {
      // Years are solar years from 立春 (about 4 February): January and early February belong to
      // the year before.
      const bool before_spring = f.month == 1 || (f.month == 2 && f.day < 4);
      anchored = AnchoredAt(before_spring ? f.year - 1 : f.year, s.anchor_month, s.anchor_day, s.anchor_hour,
                            s.anchor_minute);
      break;
    }
    case LuckLevel::kMonth:
      anchored = AnchoredAt(f.year, f.month, s.anchor_day, s.anchor_hour, s.anchor_minute);
      break;
    case LuckLevel::kDay:
      anchored = AnchoredAt(f.year, f.month, f.day, s.anchor_hour, s.anchor_minute);
      break;
    case LuckLevel::kMajor:
    case LuckLevel::kHour:
      break;
  }
  if (anchored) start = *anchored;
  FillLuckTable(table, start, rules, progress);
}

void FillLuckTable(LuckTable& table, DateTime start, const ChartRules& rules, const LuckProgress& progress) {
  const int columns = table.settings.columns;
  table.KSG.Reshape(static_cast<std::size_t>(columns) + 1, luck_row::kCount);
  ComputeStartOfLuck(table, rules);
  const DateTime birth = table.person.birth.moment;

  DateTime first = table.level == LuckLevel::kMajor ? MajorLuckStart(table) : start;
  if (first < birth) {
    if (table.level >= LuckLevel::kDay) {
      // Days and double-hours have one length: the first period at or after the birth directly.
      const double period = kPeriodLengthDays[kUnit(table.level)];
      const double periods = std::ceil((birth - first) / period);
      first = first + periods * period;
      if (first < birth) first = first + period;
    } else {
      while (first < birth) {
        const std::optional<DateTime> next = LuckPeriodMoment(table, first, 1);
        if (!next) break;
        first = *next;
      }
    }
  }
  table.start = first;
  for (int column = 1; column <= columns; ++column) {
    const std::optional<DateTime> moment = LuckPeriodMoment(table, first, column - 1);
    if (moment) ComputeLuckColumn(table, column, *moment, rules);
    if (progress) progress(column * 100 / columns);
  }
  WriteLabels(table);
  if (table.level == LuckLevel::kMajor) SettleMajorLuckHighlight(table);
}

void ComputeLuckColumn(LuckTable& table, int column, DateTime moment, const ChartRules& rules) {
  TextTable& ksg = table.KSG;
  EmptyColumn(ksg, column);
  const LuckLevelRow& level = LuckLevelRowOf(table.level);
  const DateTime birth = table.person.birth.moment;
  const LuckHeadings headings = LuckColumnHeadings(table, column, moment, rules);
  Set(ksg, column, luck_row::kYearMonth, headings.year_month);
  Set(ksg, column, luck_row::kDayHour, headings.day_hour);
  if (moment < birth || !IsAcceptedMoment(moment)) return;
  // Only the charts computed count as the last computation: a period beyond 110 years computes none.
  const ChartAge age = AgeAt(birth, moment);
  if (!IsChartAge(age.years)) return;
  table.last_age_years = age.years;

  Chart& chart = table.chart;
  chart.record = NewChartRecord(table.person, moment);
  chart.hour_known = table.hour_known;
  AnalyseAt(table, level.base, rules);
  Set(ksg, column, luck_row::kBaseFavour, table.SNB.Cell(kFavourColumn, kFavourRow));

  AnalyseAt(table, level.listed, rules);
  Set(ksg, column, luck_row::kAge, headings.age);
  for (const ContentSource& source : kListedContent) {
    Set(ksg, column, source.luck_row, table.SNB.Cell(source.column, source.row));
  }
  for (const auto& [luck, board_row] : kListedPillarRows) {
    Set(ksg, column, luck, chart.board(level.listed_column, board_row).Text);
  }
  // The special marks of the listed pillar against the day pillar, the running-luck marks included.
  MarksStep(chart.board, chart.record, level.listed, table.hour_known, rules);
  Set(ksg, column, luck_row::kSpecial, chart.board(level.listed_column, board::kSpecial).Text);
  Set(ksg, column, luck_row::kMoment, moment.DateTimeText());

  const std::string& base = ksg.Cell(static_cast<std::size_t>(column), luck_row::kBaseFavour);
  const std::string& listed = ksg.Cell(static_cast<std::size_t>(column), luck_row::kListedFavour);
  if (!base.empty() && !listed.empty()) {
    Set(ksg, column, luck_row::kTotal, LuckTotalText(base, listed, table.settings.upper_weight));
  }
}

bool LuckColumnHasData(const LuckTable& table, int column) {
  if (column < 1 || column >= static_cast<int>(table.KSG.columns())) return false;
  const auto c = static_cast<std::size_t>(column);
  return !table.KSG.Cell(c, luck_row::kBaseFavour).empty() && !table.KSG.Cell(c, luck_row::kMoment).empty();
}

bool LuckColumnHidden(const LuckTable& table, int column) {
  return column >= 1 && table.KSG.Cell(static_cast<std::size_t>(column), luck_row::kAge).empty();
}

namespace {

bool HasDayHour(const LuckTable& table, int column) {
  return column >= 1 && !table.KSG.Cell(static_cast<std::size_t>(column), luck_row::kDayHour).empty();
}

void MoveColumn(TextTable& ksg, int from, int to) {
  for (int row = 0; row < luck_row::kCount; ++row) {
    std::string text = ksg.Cell(static_cast<std::size_t>(from), static_cast<std::size_t>(row));
    ksg.SetCell(static_cast<std::size_t>(to), static_cast<std::size_t>(row), std::move(text));
  }
}

}  // namespace

bool ShiftLuckTable(LuckTable& table, StepDirection direction, const ChartRules& rules) {
  if (table.level == LuckLevel::kMajor) return false;
  const int columns = static_cast<int>(table.KSG.columns()) - 1;
  if (columns < 1) return false;
  if (direction == StepDirection::kBack) {
    if (!HasDayHour(table, 1)) return false;
    const std::optional<DateTime> start = LuckPeriodMoment(table, table.start, -1);
    if (!start) return false;
    for (int column = columns; column >= 2; --column) MoveColumn(table.KSG, column - 1, column);
    table.start = *start;
    ComputeLuckColumn(table, 1, *start, rules);
    ++table.highlighted;
  } else {
    if (!HasDayHour(table, columns)) return false;
    const std::optional<DateTime> incoming = LuckPeriodMoment(table, table.start, columns);
    const std::optional<DateTime> start = LuckPeriodMoment(table, table.start, 1);
    if (!incoming || !start) return false;
    for (int column = 1; column < columns; ++column) MoveColumn(table.KSG, column + 1, column);
    table.start = *start;
    ComputeLuckColumn(table, columns, *incoming, rules);
    --table.highlighted;
  }
  WriteLabels(table);
  return true;
}

bool PageLuckTable(LuckTable& table, StepDirection direction, const ChartRules& rules, const LuckProgress& progress) {
  if (table.level == LuckLevel::kMajor) return false;
  const int columns = static_cast<int>(table.KSG.columns()) - 1;
  if (columns < 2) return false;
  const int periods = columns - 1;
  std::optional<DateTime> start;
  if (direction == StepDirection::kBack) {
    if (!HasDayHour(table, 1) || table.KSG.Cell(static_cast<std::size_t>(columns - 1), luck_row::kMoment).empty()) {
      return false;
    }
    start = LuckPeriodMoment(table, table.start, -periods);
  } else {
    if (!HasDayHour(table, columns)) return false;
    start = LuckPeriodMoment(table, table.start, periods);
  }
  if (!start) return false;
  table.highlighted += direction == StepDirection::kBack ? periods : -periods;
  FillLuckTable(table, *start, rules, progress);
  return true;
}

std::optional<LuckColumnChartData> LuckColumnChart(const LuckTable& table, int column) {
  if (!LuckColumnHasData(table, column)) return std::nullopt;
  const std::optional<DateTime> moment =
      DateTime::ParseDateTimeText(table.KSG.Cell(static_cast<std::size_t>(column), luck_row::kMoment));
  if (!moment) return std::nullopt;
  const LuckLevelRow& level = LuckLevelRowOf(table.level);
  LuckColumnChartData data;
  data.chart_moment = *moment;
  data.range = level.listed;
  data.header = "< " + std::string(LuckRangeCaption(level.listed)) + " >　作式：" + moment->DateTimeText();
  if (table.level == LuckLevel::kMajor) {
    // A decade column stands at the decade's last month: the age shown is that of its start.
    const ChartAge age = AgeAt(table.person.birth.moment, *moment);
    const int months = std::max(0, age.years * 12 + age.months - 119);
    data.age_text = std::to_string(months / 12) + "歳" + SpacePadded(months % 12, 2) + "ｶ月";
  }
  return data;
}

std::vector<std::vector<std::string>> LuckTableRows(const LuckTable& table) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t row = 0; row < table.KSG.rows(); ++row) rows.push_back(table.KSG.Row(row));
  return rows;
}

}  // namespace kirvo
