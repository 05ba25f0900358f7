#include "presentation/luck/luck_strip.h"

#include <algorithm>
#include <cstdio>

#include "calendar/accepted_moments.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"
#include "engine/special_marks.h"
#include "engine/ten_gods.h"
#include "engine/twelve_stages.h"
#include "luck/major_luck.h"
#include "platform/integer_text.h"
#include "presentation/luck/luck_strip_texts.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {
namespace {

struct LevelRow {
  StripLevel level;
  int columns;
  std::string_view name;
};
constexpr std::array<LevelRow, 4> kLevels = {{
    {StripLevel::kMajorLuck, 11, "大運"},
    {StripLevel::kYearLuck, 100, "年運"},
    {StripLevel::kMonthLuck, 36, "月運"},
    {StripLevel::kDayLuck, 31, "日運"},
}};
const LevelRow& RowOf(StripLevel level) { return kLevels[static_cast<std::size_t>(level) - 1]; }

constexpr int kMonthsPerDecade = 120;
constexpr double kSnapLimitDays = 300;  // a start of luck nearer birth places the decades after terms
constexpr double kDaysAfterTerm = 5;
constexpr double kYearDays = 365.25;
constexpr double kLifeDays = 100 * kYearDays;  // today is highlighted only within the first hundred years
constexpr double kYearAfterSolsticeDays = 360;

constexpr int kDefaultShownColumns = 10, kFewestShownColumns = 10, kMostShownColumns = 35;

// One cache of month-opening terms serves every strip: strips are refilled often over the same years.
TermMomentCache& Terms() {
  thread_local TermMomentCache cache;
  return cache;
}

std::optional<DateTime> AddMonths(DateTime moment, int months) {
  Outcome<DateTime> stepped = StepMoment(2, months < 0 ? -months : months, months < 0, moment);
  if (!stepped) return std::nullopt;
  return stepped.value();
}

DateTime MonthTermBefore(DateTime moment, const CalendarRules& calendar) {
  return MonthTermAtOrBefore(moment, calendar, &Terms());
}

DateTime TermBefore(TermSearchMode mode, DateTime moment, const CalendarRules& calendar) {
  if (mode == TermSearchMode::kLatestMonthTerm) return MonthTermBefore(moment, calendar);
  return FindTermMomentBefore(mode, moment, calendar.term_clock).moment;
}

// The decade after `start`, placed 5 days after the month-opening term before it (+ 5 days).
std::optional<DateTime> SnappedDecadeAfter(DateTime start, const CalendarRules& calendar) {
  const std::optional<DateTime> nominal = AddMonths(start, kMonthsPerDecade);
  if (!nominal) return std::nullopt;
  return MonthTermBefore(*nominal + kDaysAfterTerm, calendar) + kDaysAfterTerm;
}

StripMoments DecadeMoments(const StripPerson& person, const CalendarRules& calendar, StartOfLuckUnit unit) {
  StripMoments result;
  const DateTime birth = person.birth;
  const int start_months = unit == StartOfLuckUnit::kYears ? 12 * person.start.years : person.start.TotalMonths();
  std::optional<DateTime> start = AddMonths(birth, start_months);
  if (!start) return {};
  result.snapped = *start - birth < kSnapLimitDays;
  if (result.snapped) start = SnappedDecadeAfter(*start, calendar);
  if (!start) return {};
  // A birth late in its month (the term before it a whole month earlier by the elapsed text) keeps
  // the snapped decades on the term's 5th day rather than its 10th.
  const bool late_in_month = ElapsedText(MonthTermBefore(birth, calendar) - birth) == "99.11";
  result.moments = {birth, *start};
  for (int i = 2; i < StripColumnCount(StripLevel::kMajorLuck); ++i) {
    if (result.snapped) {
      start = SnappedDecadeAfter(*start, calendar);
      if (start && late_in_month) start = *start - kDaysAfterTerm;
    } else {
      start = AddMonths(*start, kMonthsPerDecade);
    }
    if (!start) return {};
    result.moments.push_back(*start);
  }
  return result;
}

std::string YearText(DateTime moment) {
  char text[8];
  std::snprintf(text, sizeof text, "%04d", moment.Fields().year % 10000);
  return text;
}

struct PeriodPillar {
  Kanshi pillar;
  DepthClass depth = DepthClass::kPrincipal;
};

PeriodPillar PillarOfColumn(StripLevel level, DateTime moment, const std::string& age_text, const StripPerson& person,
                            const ChartRules& rules) {
  const CalendarRules& calendar = rules.read.calendar;
  if (level == StripLevel::kMajorLuck) {
    YearsAndMonths age;
    if (rules.read.start_of_luck_unit == StartOfLuckUnit::kYears) {
      age.years = moment.Fields().year - person.birth.Fields().year;
    } else {
      age = ReadElapsedText(age_text).value_or(YearsAndMonths{});
    }
    const Kanshi pillar = MajorLuckPillar(person.direction, person.month_pillar, age.years, age.months, person.start);
    const MajorLuckDepth depth = MajorLuckDepthOf(pillar.branch, person.month_depth, person.birth, moment, person.start,
                                                  rules.read.major_luck_depth, calendar, &Terms());
    return {pillar, depth.depth_class};
  }
  const int slot = level == StripLevel::kYearLuck    ? MomentPillars::kYear
                   : level == StripLevel::kMonthLuck ? MomentPillars::kMonth
                                                     : MomentPillars::kDay;
  const MomentPillars pillars =
      MomentPillars::At(moment, calendar, &Terms(), MomentPillars::Detail::kWithDepthWithoutSeason);
  return {pillars.Pillar(slot), pillars.depth_class[slot]};
}

std::string AgeTextOf(StripLevel level, int column, int count, DateTime moment, DateTime opening,
                      const StripPerson& person, StartOfLuckUnit unit) {
  switch (level) {
    case StripLevel::kMajorLuck:
      if (unit == StartOfLuckUnit::kMonths) return ElapsedText(opening - person.birth);
      if (column == count - 1) return "00歳";
      return std::to_string((count - column - 2) * 10 + person.start.years) + "歳";
    case StripLevel::kYearLuck: {
      const std::string elapsed = ElapsedText(moment - person.birth + kYearDays);
      return elapsed.substr(0, elapsed.find('.')) + "歳";
    }
    case StripLevel::kMonthLuck:
      return ElapsedText(opening - person.birth);
    case StripLevel::kDayLuck:
      break;
  }
  return "(" + std::string(WeekdayCharacter(moment)) + ")";
}

std::array<std::string, kStripRows> ColumnRows(StripLevel level, int column, int count, DateTime moment,
                                               const StripPerson& person, const ChartRules& rules) {
  const CalendarRules& calendar = rules.read.calendar;
  const StartOfLuckUnit unit = rules.read.start_of_luck_unit;
  const DateTime opening = level == StripLevel::kDayLuck ? moment
                           : level == StripLevel::kYearLuck
                               ? TermBefore(TermSearchMode::kSpringOpening, moment, calendar)
                               : MonthTermBefore(moment, calendar);
  std::array<std::string, kStripRows> rows;
  rows[kStripYearRow] = YearText(moment);
  rows[kStripOpeningRow] = MonthDayText(opening);
  rows[kStripAgeRow] = AgeTextOf(level, column, count, moment, opening, person, unit);
  if (level != StripLevel::kDayLuck) rows[kStripAgeRow] = TidyAgeText(rows[kStripAgeRow], {column, count});

  const auto [pillar, depth] = PillarOfColumn(level, moment, rows[kStripAgeRow], person, rules);
  const Stem day_stem = person.day_pillar.stem;
  const TenGodNames& names = rules.sys.names.ten_gods;
  const Stem hidden = rules.usys.HiddenStems().At(static_cast<int>(depth), pillar.branch);
  rows[kStripHeavenStarRow] = TenGodName(TenGodOf(day_stem, pillar.stem), names);
  rows[kStripEarthStarRow] = TenGodName(TenGodOf(day_stem, hidden), names);
  rows[kStripStageOfDayRow] = TwelveStageText(TwelveStageOf(day_stem, pillar.branch));
  rows[kStripStageOfStemRow] = TwelveStageText(TwelveStageOf(pillar.stem, pillar.branch));
  rows[kStripStemRow] = kStemNames[pillar.stem];
  rows[kStripBranchRow] = kBranchNames[pillar.branch];
  rows[kStripSpecialRow] = SpecialMarksOf(pillar, person.day_pillar, true, rules.sys.SsnCB);
  return rows;
}

std::optional<int> HighlightedColumn(const LuckStrip& strip, const StripPerson& person, DateTime today) {
  const bool within_life = today > person.birth && today < person.birth + kLifeDays;
  const DateFields now = today.Fields();
  for (int column = 0; column < strip.ColumnCount(); ++column) {
    const DateTime moment = strip.MomentOfColumn(column);
    switch (strip.level) {
      case StripLevel::kMajorLuck:
        if (within_life && moment < today) return column;
        break;
      case StripLevel::kYearLuck:
        if (within_life && LeadingNumber(strip.Cell(column, kStripAgeRow)) == person.age_years + 1) return column;
        break;
      case StripLevel::kMonthLuck: {
        const DateFields fields = moment.Fields();
        if (fields.year == now.year && fields.month == now.month) return column;
        break;
      }
      case StripLevel::kDayLuck:
        if (moment.DayNumber() == today.DayNumber()) return column;
        break;
    }
  }
  return std::nullopt;
}

}  // namespace

int StripColumnCount(StripLevel level) { return RowOf(level).columns; }
std::string_view StripLevelName(StripLevel level) { return RowOf(level).name; }

std::array<std::string, kStripRows> StripRowLabels(StripLevel level, StartOfLuckUnit unit) {
  std::string age = "歳";
  if (level == StripLevel::kDayLuck) age = "曜日";
  if (level == StripLevel::kMonthLuck || (level == StripLevel::kMajorLuck && unit == StartOfLuckUnit::kMonths)) {
    age = "歳 .月";
  }
  return {"年", "月/日", age, "天星", "地星", "逢12運", "居12運", "天干", "地支", "特殊"};
}

bool StripRowShown(const SysSettings& sys, int row) {
  return row < kStripHeadingRows || IsChecked(sys.MKouChg, static_cast<std::size_t>(row - kStripHeadingRows));
}

int StripShownColumns(const SysSettings& sys) {
  const std::optional<long long> count = ParseInteger(sys.CCnt1);
  if (!count || *count < kFewestShownColumns || *count > kMostShownColumns) return kDefaultShownColumns;
  return static_cast<int>(*count);
}

StripPerson StripPersonOf(const Chart& chart) {
  const ChartBoard& board = chart.board;
  const TMeiData& record = chart.record;
  StripPerson person;
  person.birth = record.BirthDateTime;
  person.start = {record.StartAgeYears, record.StartAgeMonths};
  person.direction = record.LuckDirection;
  person.month_pillar = {board(board::kMonth, board::kStem).Code, board(board::kMonth, board::kBranch).Code};
  person.month_depth = static_cast<DepthClass>(board(board::kMonth, board::kDepthRow).Code);
  person.day_pillar = {board(board::kDay, board::kStem).Code, board(board::kDay, board::kBranch).Code};
  person.age_years = record.AgeYears;
  return person;
}

StripMoments StripMomentsOf(StripLevel level, DateTime date, const StripPerson& person, const CalendarRules& calendar,
                            StartOfLuckUnit unit) {
  const int count = StripColumnCount(level);
  StripMoments result;
  std::optional<DateTime> first;
  switch (level) {
    case StripLevel::kMajorLuck:
      return DecadeMoments(person, calendar, unit);
    case StripLevel::kYearLuck:
      first = TermBefore(TermSearchMode::kLatestSolsticeOrEquinox, person.birth, calendar) + kYearAfterSolsticeDays;
      break;
    case StripLevel::kMonthLuck:
      first = DateTime::FromDate(date.Fields().year - 1, 2, 15);
      break;
    case StripLevel::kDayLuck:
      first = MonthTermBefore(date, calendar);
      break;
  }
  if (!first) return {};
  for (int i = 0; i < count; ++i) {
    std::optional<DateTime> moment = *first + i;
    if (level == StripLevel::kYearLuck) moment = AddMonths(*first, 12 * i);
    if (level == StripLevel::kMonthLuck) moment = AddMonths(*first, i);
    if (!moment) return {};
    result.moments.push_back(*moment);
  }
  return result;
}

LuckStrip BuildLuckStrip(StripLevel level, DateTime date, const StripPerson& person, const ChartRules& rules,
                         DateTime today, int shown) {
  LuckStrip strip;
  strip.level = level;
  strip.date = date;
  StripMoments moments = StripMomentsOf(level, date, person, rules.read.calendar, rules.read.start_of_luck_unit);
  // A strip reaching beyond the moments the program computes with (the last years of the calendar)
  // stays empty rather than showing pillars of dates it cannot compute.
  if (!std::all_of(moments.moments.begin(), moments.moments.end(), IsAcceptedMoment)) moments = {};
  strip.moments = std::move(moments.moments);
  strip.snapped = moments.snapped;
  const int count = static_cast<int>(strip.moments.size());
  for (int column = 0; column < count; ++column) {
    strip.columns.push_back(ColumnRows(level, column, count, strip.MomentOfColumn(column), person, rules));
  }
  strip.highlighted = HighlightedColumn(strip, person, today);
  const int last_view = std::max(0, count - shown);
  strip.first_shown = strip.highlighted ? std::clamp(*strip.highlighted - shown / 2, 0, last_view) : last_view;
  return strip;
}

}  // namespace kirvo
