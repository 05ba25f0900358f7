#include "luck/start_of_luck.h"

#include <gtest/gtest.h>

#include <string>

#include "luck/luck_direction.h"
#include "settings/calendar_settings.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

struct StartCase {
  const char* birth;
  int direction;
  StartOfLuckUnit unit;  // DuRG
  StartOfLuck expected;
  const char* depth_days;
};

// 1984-02-10 12:00 lies about 5.5 days after 立春 and 24.26 days before 啓蟄; 2024-01-05 and
// 2024-01-03 lie before 小寒 (2024-01-06 about 05:41), which opens a short month.
TEST(StartOfLuck, CountsTheDaysToTheNearer節InEitherUnit) {
  constexpr auto kMonths = StartOfLuckUnit::kMonths, kYears = StartOfLuckUnit::kYears;
  const StartCase kCases[] = {
      {"1984/02/10 12:00", kForward, kMonths, {7, 11}, ""},
      {"1984/02/10 12:00", kReverse, kMonths, {1, 9}, ""},
      {"1984/02/10 12:00", kForward, kYears, {9, 0}, "25日"},
      {"1984/02/10 12:00", kReverse, kYears, {1, 0}, "5日"},  // ceil(5 / 3) = 2 becomes 1
      {"2024/01/05 12:00", kForward, kMonths, {0, 2}, ""},    // to 小寒, not past it to 立春
      {"2024/01/03 12:00", kForward, kMonths, {0, 10}, ""},
      {"2024/01/05 12:00", kForward, kYears, {10, 0}, "1日"},  // 30 − 29 days: 1 becomes 10
  };
  const ProgramSettings& settings = ShippedSettings();
  for (const StartCase& c : kCases) {
    const CalendarRules rules = CalendarRulesOf(settings.usys, settings.sys);
    const DateTime birth = At(c.birth);
    const MomentPillars pillars = MomentPillars::At(birth, rules);
    SCOPED_TRACE(std::string(c.birth) + " direction " + std::to_string(c.direction) + " DuRG " +
                 std::to_string(static_cast<int>(c.unit)));
    const StartOfLuck start = StartOfLuckOf(c.direction, birth, pillars, c.unit, rules);
    EXPECT_EQ(start.years, c.expected.years);
    EXPECT_EQ(start.months, c.expected.months);
    EXPECT_EQ(DepthDaysText(c.direction, birth, c.unit, rules), c.depth_days);
  }
}

}  // namespace
}  // namespace kirvo
