#include "calendar/term_search.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calendar/sun_longitude.h"

namespace kirvo {
namespace {

DateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
  return *DateTime::FromFields({year, month, day, hour, minute, 0, 0});
}

TEST(TermSearch, FindsTheLatestTermOfEachMode) {
  const struct {
    TermSearchMode mode;
    DateTime from;
    const char* found;
  } cases[] = {
      {TermSearchMode::kLatestMonthTerm, At(2024, 2, 10), "2024/2/4 17:18:56"},          // 立春
      {TermSearchMode::kLatestTerm, At(2024, 3, 1), "2024/2/19 13:4:45"},               // 雨水
      {TermSearchMode::kLatestSolsticeOrEquinox, At(2024, 2, 10), "2023/12/22 12:18:39"},  // 冬至
      {TermSearchMode::kSpringOpening, At(2024, 2, 10), "2024/2/4 17:18:56"},
      // From 2000-01-01 the nearest 立春 is the coming one; the one at or before is 1999's.
      {TermSearchMode::kSpringOpening, At(2000, 1, 1), "1999/2/4 15:45:42"},
  };
  for (const auto& c : cases) {
    const TermMomentBefore found = FindTermMomentBefore(c.mode, c.from, TermClock{9.0});
    EXPECT_EQ(found.text, c.found) << static_cast<int>(c.mode);
    EXPECT_EQ(found.moment, DateTime::ParseTermMomentText(c.found));
    EXPECT_LE(found.moment, c.from);
  }
}

TEST(TermSearch, ReportsTheLongitudeAtTheStart) {
  const TermMomentBefore found = FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, At(2024, 2, 10), TermClock{9.0});
  EXPECT_NEAR(static_cast<double>(found.start_longitude), 320.35, 0.005);
}

TEST(TermSearch, OneMinuteEitherSideOfAMonthTerm) {
  // 立春 2024 falls at 17:18:56; from 17:20 it is found, from 17:18 the 節 before it (小寒).
  EXPECT_EQ(FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, At(2024, 2, 4, 17, 20), TermClock{9.0}).text,
            "2024/2/4 17:18:56");
  EXPECT_EQ(FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, At(2024, 2, 4, 17, 18), TermClock{9.0}).text,
            "2024/1/6 5:41:1");
}

TEST(TermSearch, TimeZoneShiftsTheLocalClockOfTheSameCrossing) {
  // The same instant read one hour earlier on a clock of zone +8.
  EXPECT_EQ(FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, At(2024, 2, 10), TermClock{8.0}).text, "2024/2/4 16:18:56");
}

TEST(TermSearch, EveryMonthTermOfTwoCenturiesLiesOnItsLongitude) {
  // From the 10th of each month the 節 found must be the one of that month (or the month
  // before) and the sun must sit on an odd multiple of 15° there.
  for (int year = 1900; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const TermSearchResult found =
          FindTermMoment(TermSearchMode::kLatestMonthTerm, TermClock{9.0}, JulianValueOf(year, month, 10, 0, 0, 0));
      const long double whole = std::trunc(found.moment);
      const long double longitude = SunLongitude(JulianCenturies(whole, found.moment - whole - 9.0L / 24));
      const long double off = std::fmod(longitude + 15, 30);
      ASSERT_LT(std::min(off, 30 - off), 0.0001L) << year << "/" << month;
      const DateFields f = DateTimeOfJulianValue(found.moment).Fields();
      ASSERT_EQ(f.month, month) << year << "/" << month;
      ASSERT_GE(f.day, 3);
      ASSERT_LE(f.day, 9);
    }
  }
}

TEST(TermSearch, BirthTextWithUnknownHourIsReadAsNoon) {
  EXPECT_EQ(MonthTermBeforeBirthText("2024/02/04 99:99", TermClock{9.0}), "2024/1/6 5:41:1");
  EXPECT_EQ(MonthTermBeforeBirthText("2024/02/04 18:00", TermClock{9.0}), "2024/2/4 17:18:56");
  EXPECT_EQ(MonthTermBeforeBirthText("not a date", TermClock{9.0}), "");
}

}  // namespace
}  // namespace kirvo
