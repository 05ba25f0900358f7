#include "presentation/luck/luck_table_headings.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "calendar/moment_pillars.h"
#include "calendar/term_search.h"
#include "engine/chart_age.h"
#include "platform/integer_text.h"
#include "presentation/luck/luck_table.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// A step's moment, or `fallback` when the step leaves the calendar.
DateTime SteppedOr(const Outcome<DateTime>& step, DateTime fallback) { return step ? step.value() : fallback; }

constexpr std::array<std::string_view, 7> kWeekdayNames = {"日", "月", "火", "水", "木", "金", "土"};
// 1899-12-30, day 0 of the program's dates, was a Saturday.
constexpr long kWeekdayOfDayZero = 6;

// How far back a term search starts again when the term it found lies after the period's moment.
constexpr double kTermSearchRetreatDays = 186.599;

// The 立春 (years) or 節 (months) at or before the period's moment.
DateTime OpeningTermOf(DateTime moment, TermSearchMode mode, const ChartRules& rules) {
  const TermClock& clock = rules.read.calendar.term_clock;
  DateTime found = FindTermMomentBefore(mode, moment, clock).moment;
  if (found > moment) found = FindTermMomentBefore(mode, moment - kTermSearchRetreatDays, clock).moment;
  return found;
}

std::string DecadeAgeText(const TMeiData& record, int column, bool year_unit) {
  if (column == 1) return year_unit ? "0歳" : "0歳0月";
  std::string text = std::to_string((column - 2) * 10 + record.StartAgeYears) + "歳";
  if (!year_unit) text += std::to_string(record.StartAgeMonths) + "月";
  return text;
}

DateTime DecadeStart(const TMeiData& record, int column) {
  if (column == 1) return record.BirthDateTime;
  const int months = record.StartAgeYears * 12 + record.StartAgeMonths + (column - 2) * 120;
  return SteppedOr(StepMoment(2, std::abs(months), months < 0, record.BirthDateTime), record.BirthDateTime);
}

}  // namespace

std::string LuckYearMonthText(DateTime moment) {
  const DateFields f = moment.Fields();
  return ZeroPadded(f.year % 100, 2) + "年" + std::to_string(f.month) + "月";
}

std::string LuckDayHourText(DateTime moment) {
  const DateFields f = moment.Fields();
  return std::to_string(f.day) + "日" + std::to_string(f.hour) + "時";
}

std::string LuckDayText(DateTime moment) { return std::to_string(moment.Fields().day) + "日"; }

std::string LuckWeekdayText(DateTime moment) {
  const long weekday = ((moment.DayNumber() + kWeekdayOfDayZero) % 7 + 7) % 7;
  return "(" + std::string(kWeekdayNames[static_cast<std::size_t>(weekday)]) + ")";
}

LuckHeadings LuckColumnHeadings(const LuckTable& table, int column, DateTime moment, const ChartRules& rules) {
  LuckHeadings headings;
  const TMeiData& record = table.chart.record;
  switch (table.level) {
    case LuckLevel::kMajor: {
      const bool year_unit = rules.read.start_of_luck_unit == StartOfLuckUnit::kYears;
      headings.year_month = LuckYearMonthText(DecadeStart(record, column));
      headings.day_hour = "-";
      headings.age = DecadeAgeText(record, column, year_unit);
      break;
    }
    case LuckLevel::kYear:
    case LuckLevel::kMonth: {
      const TermSearchMode mode =
          table.level == LuckLevel::kYear ? TermSearchMode::kSpringOpening : TermSearchMode::kLatestMonthTerm;
      const DateTime opening = OpeningTermOf(moment, mode, rules);
      headings.year_month = LuckYearMonthText(opening);
      headings.day_hour = LuckDayHourText(opening);
      if (moment >= table.person.birth.moment) headings.age = AgeAt(table.person.birth.moment, moment).text;
      break;
    }
    case LuckLevel::kDay:
      headings.year_month = LuckYearMonthText(moment);
      headings.day_hour = LuckDayText(moment);
      headings.age = LuckWeekdayText(moment);
      break;
    case LuckLevel::kHour:
      headings.year_month = LuckYearMonthText(moment);
      headings.day_hour = LuckDayHourText(moment);
      headings.age = LuckWeekdayText(moment);
      break;
  }
  return headings;
}

}  // namespace kirvo
