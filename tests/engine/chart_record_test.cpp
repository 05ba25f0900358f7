#include "engine/chart_record.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/chart_age.h"
#include "engine/chart_board.h"
#include "platform/shift_jis.h"
#include "support/person_input.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

TEST(FitShiftJisBytes, CutsAnOverLongTextAtACharacterBoundary) {
  struct Case {
    const char* text;
    int limit;
    const char* expected;
  };
  const Case kCases[] = {
      {"abc", 3, "abc"},
      {"abcd", 3, "abc"},
      {"山田太郎", 8, "山田太郎"},
      {"山田太郎", 7, "山田太"},  // never half of 郎
      {"ﾔﾏﾀﾞ太郎", 5, "ﾔﾏﾀﾞ"},    // half-width katakana count one byte
      {"", 0, ""},
  };
  for (const Case& c : kCases) EXPECT_EQ(FitShiftJisBytes(c.text, c.limit), c.expected) << c.text << " " << c.limit;
}

TEST(NewChartRecord, TakesNoonForAnUnknownHourAndKeepsTheTextAsEntered) {
  const BirthInput input = testing::Person("山田花子", "1984/02/10 99:99", Sex::kFemale);
  EXPECT_FALSE(HourKnown(input));
  const std::optional<TMeiData> record = NewChartRecord(input, At("2024/01/01 00:00"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->BirthDateTime, At("1984/02/10 12:00"));
  EXPECT_EQ(record->BirthText, "1984/02/10 99:99");
  EXPECT_EQ(record->Sex, Sex::kFemale);
  EXPECT_EQ(record->ChartDateTime, At("2024/01/01 00:00"));
}

TEST(NewChartRecord, RefusesAnImpossibleDateAndCutsALongName) {
  // An impossible date or time makes no birth, so no record can be asked for.
  EXPECT_FALSE(BirthOfText("1984/02/30 12:00"));
  EXPECT_FALSE(BirthOfText("1984/02/10 25:00"));
  const std::string long_name(30, 'a');
  const std::string wide_name = "名" + std::string(60, 'b');
  EXPECT_EQ(NewChartRecord(testing::Person(long_name, "1984/02/10 12:00"), At("2024/01/01 00:00")).PersonName,
            long_name);
  EXPECT_EQ(ShiftJisWidth(NewChartRecord(testing::Person(wide_name, "1984/02/10 12:00"), At("2024/01/01 00:00")).PersonName),
            kPersonNameBytes);
}

TEST(AgeCheck, AcceptsFromBirthUpTo110WholeYears) {
  const DateTime birth = At("1984/02/10 12:00");
  struct Case {
    double days_after_birth;
    bool passes;
  };
  constexpr Case kCases[] = {
      {0, true},
      {-1.0 / 1440, false},  // a minute before birth: no age yet, though it truncates to 0 years
      {-200, false},
      {-366, false},
      {110 * 365.25 + 300, true},
      {111 * 365.25, false},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(PassesAgeCheck(birth + c.days_after_birth, birth), c.passes) << c.days_after_birth;
  }
}

TEST(AgeAt, CountsYearsOf365Point25DaysAndCalendarMonths) {
  struct Case {
    const char* birth;
    const char* chart;
    int years, months;
    const char* short_text;
    const char* text;
  };
  const Case kCases[] = {
      // d = 1 is 1899-12-31, month 12: first 11 months, then 0 as 11 calendar months lie ahead.
      {"2024/05/01 09:00", "2024/05/01 09:00", 0, 0, "0/ 0", "  0歳 0月"},
      {"1984/02/10 12:00", "2024/07/20 12:00", 40, 5, "40/ 5", " 40歳 5月"},
      {"1900/01/01 00:00", "2011/03/01 00:00", 111, 1, "111/ 1", ""},  // beyond 110: no AgeText
  };
  for (const Case& c : kCases) {
    const ChartAge age = AgeAt(At(c.birth), At(c.chart));
    EXPECT_EQ(age.years, c.years) << c.chart;
    EXPECT_EQ(age.months, c.months) << c.chart;
    EXPECT_EQ(age.short_text, c.short_text) << c.chart;
    EXPECT_EQ(age.text, c.text) << c.chart;
  }
}

// A stored or typed range number stands for a range only within 0..5; the widest range starts the
// analysis at the running hour, the narrowest at the hour pillar.
TEST(LuckRangeOf, TakesOnlyTheSixRanges) {
  EXPECT_EQ(LuckRangeOf(0), LuckRange::kNatalOnly);
  EXPECT_EQ(LuckRangeOf(5), LuckRange::kHourLuck);
  EXPECT_EQ(LuckRangeOf(-1), std::nullopt);
  EXPECT_EQ(LuckRangeOf(6), std::nullopt);
  EXPECT_EQ(FirstColumnTakingPart(LuckRange::kNatalOnly), board::kHour);
  EXPECT_EQ(FirstColumnTakingPart(LuckRange::kHourLuck), board::kRunningHour);
}

}  // namespace
}  // namespace kirvo
