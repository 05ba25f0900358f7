#include "calendar/julian_value.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(JulianValue, PinnedValues) {
  EXPECT_EQ(JulianValueOf(2000, 1, 1, 0, 0, 0), 2451544);
  EXPECT_EQ(JulianValueOf(2000, 3, 1, 0, 0, 0), 2451604);
  EXPECT_EQ(JulianValueOf(1899, 12, 30, 0, 0, 0), 2415018);
  EXPECT_EQ(JulianValueOf(2000, 1, 1, 18, 0, 0), 2451544.75L);
  EXPECT_EQ(TermMomentTextOf(2451544.75L + 30.5L / 86400), "2000/1/1 18:0:30");
}

// The inverse returns every civil date of six centuries, 29 February included, and the day count
// runs in step with the date-time scale.
TEST(JulianValue, InverseReturnsEveryDayFrom1700To2299) {
  DateTime day = *DateTime::FromDate(1700, 1, 1);
  const DateTime end = *DateTime::FromDate(2300, 1, 1);
  int checked = 0;
  for (; day < end; day = day + 1, ++checked) {
    const DateFields f = day.Fields();
    const JulianValue value = JulianValueOf(f.year, f.month, f.day, 0, 0, 0);
    ASSERT_EQ(value - 2415018, day.days()) << day.DateText();
    ASSERT_EQ(DateTimeOfJulianValue(value), day) << day.DateText();
    ASSERT_EQ(DateTimeOfJulianValue(value + 0.5L), day + 0.5) << day.DateText();
  }
  EXPECT_EQ(checked, 219145);
}

TEST(JulianValue, TimeOfDayIsTruncatedToWholeSeconds) {
  const JulianValue value = JulianValueOf(2024, 2, 4, 17, 18, 56) + 0.9L / 86400;
  EXPECT_EQ(TermMomentTextOf(value), "2024/2/4 17:18:56");
  EXPECT_EQ(DateTimeOfJulianValue(value), DateTime::FromFields({2024, 2, 4, 17, 18, 56, 0}));
}

}  // namespace
}  // namespace kirvo
