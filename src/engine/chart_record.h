#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/birth_time.h"
#include "calendar/date_time.h"
#include "calendar/sex.h"
#include "engine/board_column.h"
#include "engine/rule_values.h"
#include "settings/luck_range_captions.h"

namespace kirvo {

class USysSettings;
struct SysSettings;

// A person as entered, read where it enters (the entry bar, a person list row, the command line):
// the name, the birth and the sex.
struct BirthInput {
  std::string name;
  BirthMoment birth;
  Sex sex = Sex::kMale;
  bool operator==(const BirthInput&) const = default;
};

// False when the birth time was given as "99:99": the chart then has no hour pillar.
inline bool HourKnown(const BirthInput& input) { return input.birth.hour_known; }

// Shift-JIS byte limits of the record's texts.
inline constexpr int kPersonNameBytes = 50;
inline constexpr int kBirthTextBytes = 20;
inline constexpr int kAgeTextBytes = 10;  // StartAgeText, AgeShortText, AgeText

// A text cut to at most `limit` Shift-JIS bytes. An over-long text loses its end at a character
// boundary, never half a character.
std::string FitShiftJisBytes(std::string_view text, int limit);

// The chart record of one chart window. Texts carry Shift-JIS byte limits: PersonName 50,
// BirthText 20, StartAgeText, AgeShortText and AgeText 10.
struct TMeiData {
  DateTime BirthDateTime;  // a "99:99" hour is taken as 12:00
  DateTime ChartDateTime;  // the chart moment (作式)
  std::string PersonName;
  kirvo::Sex Sex = kirvo::Sex::kMale;
  std::string BirthText;           // date text + " " + time text as entered, "99:99" kept
  std::uint8_t LuckDirection = 0;  // 0 順, 1 逆
  std::string StartAgeText;
  std::string AgeShortText;
  std::int32_t StartAgeYears = 0, StartAgeMonths = 0;
  std::int32_t AgeYears = 0, AgeMonths = 0;
  std::string AgeText;
  std::uint8_t SeasonQuarter = 0;
  std::uint8_t SeasonIndex = 0;
  std::uint8_t CommandingStem = 0;  // stem index of the month pillar's commanding hidden stem
  double SunLongitude = 0;          // of the birth hour, degrees
  bool operator==(const TMeiData&) const = default;
};

// What a caller fills before running a pipeline: PersonName, Sex and BirthText from the input (texts
// cut to their limits), BirthDateTime (12:00 for an unknown hour) and the chart moment.
TMeiData NewChartRecord(const BirthInput& input, DateTime chart_moment);

// The settings a chart computation decides by. The rule values are read when the rules are made:
// make them afresh for each computation, so that an edit of the settings takes effect at the next.
struct ChartRules {
  ChartRules(const USysSettings& rule_settings, const SysSettings& system_settings)
      : usys(rule_settings), sys(system_settings), read(ReadRuleValues(rule_settings, system_settings)) {}

  const USysSettings& usys;  // the tables read cell by cell (spirit stars, climate gods, hidden stems)
  const SysSettings& sys;
  const RuleValues read;
};

// How far the running luck takes part in the analysis. The settings and the command line store it
// as its number 0..5; the columns taking part are 6 − that number to 9.
enum class LuckRange : int {
  kNatalOnly = 0,  // 命式のみ
  kMajorLuck = 1,  // 大運まで
  kYearLuck = 2,   // 年運まで
  kMonthLuck = 3,  // 月運まで
  kDayLuck = 4,    // 日運まで
  kHourLuck = 5,   // 時運まで
};
inline constexpr int kLuckRangeCount = 6;

// The range's number 0..5, as stored and as tables by range are indexed.
constexpr int LuckRangeNumber(LuckRange range) { return static_cast<int>(range); }
// The range a stored or typed number stands for; nothing outside 0..5.
constexpr std::optional<LuckRange> LuckRangeOf(int number) {
  if (number < 0 || number >= kLuckRangeCount) return std::nullopt;
  return static_cast<LuckRange>(number);
}
static_assert(kLuckRangeCaptions.size() == kLuckRangeCount);
constexpr std::string_view LuckRangeCaption(LuckRange range) { return kLuckRangeCaptions[LuckRangeNumber(range)]; }
constexpr BoardColumn FirstColumnTakingPart(LuckRange range) { return BoardColumn{6 - LuckRangeNumber(range)}; }

}  // namespace kirvo
