#include <cstdio>
#include <optional>
#include <string>

#include "calendar/julian_value.h"
#include "calendar/sexagenary.h"
#include "calendar/term_moment_cache.h"
#include "engine/decimal_text.h"
#include "engine/seasonal_state.h"
#include "luck/start_of_luck.h"
#include "platform/integer_text.h"
#include "presentation/panel/chart_content.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// More than the longest month between two 節 and less than two of the shortest: the 節 at or
// before (a 節 + this) is the next one.
constexpr double kBeyondNextMonthTerm = 32;

std::string TwoWide(int value) { return SpacePadded(value, 2); }

// "YYYY/m/d h:n": the year with four digits, the rest without leading zeros.
std::string ShortMomentText(DateTime moment) {
  const DateFields f = moment.Fields();
  char text[48];
  std::snprintf(text, sizeof text, "%04d/%d/%d %d:%d", f.year, f.month, f.day, f.hour, f.minute);
  return text;
}

// The texts below are written into the block's own strings, whose buffers are kept from chart to
// chart.
void WriteStartOfLuckText(std::string& text, const TMeiData& record, bool year_unit) {
  if (year_unit) {
    text.assign("立運:").append(kLuckDirectionNames[record.LuckDirection == 0 ? 0 : 1]);
    text.append(TwoWide(record.StartAgeYears)).append("年");
    return;
  }
  text.assign("立運：").append(std::to_string(record.StartAgeYears)).append("年");
  text.append(TwoWide(record.StartAgeMonths)).append("ｶ月");
}

void WriteSeasonText(std::string& text, const TMeiData& record) {
  text.clear();
  if (record.SeasonIndex >= kSeasonNames.size()) return;
  text.assign(kSeasonNames[record.SeasonIndex]);
  if (record.CommandingStem < kStemNames.size()) {
    const int state = SeasonalStateOf(record.SeasonIndex, ElementOfStem(record.CommandingStem));
    text.append("[").append(kSeasonalStateNames[state]).append("]");
  }
}

}  // namespace

std::string ContentHeaderLine(std::string_view prefix, DateTime chart_moment) {
  // Written for every chart: appended into one buffer instead of joined from temporaries.
  std::string line;
  line.reserve(prefix.size() + 48);
  line.append(prefix).append("　作式：").append(chart_moment.DateText());
  const DateFields f = chart_moment.Fields();
  if (f.hour != 0 || f.minute != 0 || f.second != 0 || f.millisecond != 0) {
    line.append(" ").append(std::to_string(f.hour)).append(":").append(ZeroPadded(f.minute, 2));
    line.append(":").append(ZeroPadded(f.second, 2));
  }
  return line;
}

void FillSummaryBlock(SummaryBlock& block, const TMeiData& record, bool hour_known, const ChartRules& rules) {
  const bool year_unit = rules.read.start_of_luck_unit == StartOfLuckUnit::kYears;
  block.Name = record.PersonName;
  block.SexL = SexName(record.Sex);
  block.JuGa.assign(kLuckDirectionNames[record.LuckDirection == 0 ? 0 : 1]).append("行運");
  if (hour_known) {
    block.DT = record.BirthText;
  } else {
    block.DT.assign(record.BirthDateTime.DateText()).append(" ").append(kUnknownBirthTimeTakenAs);
  }
  WriteSeasonText(block.TukiL, record);
  block.KoukeiL = "黄経:";
  WriteStartOfLuckText(block.RituNL, record, year_unit);
  block.Old.assign(std::to_string(record.AgeYears)).append("歳").append(TwoWide(record.AgeMonths)).append("ｶ月");
  AssignDecimalText(block.AngL, record.SunLongitude, 2);
}

SummaryBlock SummaryBlockOf(const TMeiData& record, bool hour_known, const ChartRules& rules) {
  SummaryBlock block;
  FillSummaryBlock(block, record, hour_known, rules);
  return block;
}

SummaryHints SummaryHintsOf(const TMeiData& record, const ChartRules& rules) {
  // Charts are shown again and again for nearby births; the terms found once serve them all.
  thread_local TermMomentCache terms;
  const TermClock clock = TermClockOf(rules.sys);
  const MonthTerm opening = terms.MonthTermBefore(JulianValueOf(record.BirthDateTime), clock).term;
  std::string depth_days;
  if (rules.read.start_of_luck_unit == StartOfLuckUnit::kYears) {
    depth_days = DepthDaysText(record.LuckDirection, record.BirthDateTime, rules.read.start_of_luck_unit,
                               rules.read.calendar, &terms);
  }
  SummaryHints hints;
  hints.RituNL = "節入:" + ShortMomentText(opening.moment) + "　深浅:" + depth_days;
  hints.KoukeiL = "朔日：";
  hints.AngL = "翌朔日：";
  if (const std::optional<DateTime> birth = BirthMomentOfText(record.BirthText)) {
    // The birth text names the birth moment itself unless a caller set them apart.
    const MonthTerm before =
        *birth == record.BirthDateTime ? opening : terms.MonthTermBefore(JulianValueOf(*birth), clock).term;
    hints.KoukeiL += before.text;
    hints.AngL += terms.MonthTermBefore(JulianValueOf(before.moment + kBeyondNextMonthTerm), clock).term.text;
  }
  return hints;
}

void ShowChartSummary(ChartContent& content, std::string_view prefix, const TMeiData& record, bool hour_known,
                      const ChartRules& rules) {
  content.header = ContentHeaderLine(prefix, record.ChartDateTime);
  FillSummaryBlock(content.summary, record, hour_known, rules);
  content.near_term = NearTermNoticeOf(record, hour_known, rules);
  content.record = record;
}

}  // namespace kirvo
