#include "calendar/natural_time.h"

#include <gtest/gtest.h>

#include "calendar/equation_of_time.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

// Offsets and longitudes of map columns: the standard meridian, a degree either side, the picture's
// edges, and columns near a half minute or a whole arc minute.
TEST(NaturalTime, MapColumnsGiveTheirMinutesAndTheirLongitude) {
  struct Case {
    int x;
    int minutes;
    EastLongitude longitude;
  };
  const Case cases[] = {
      {153, 0, {135, 0}}, {170, 4, {136, 0}},   {136, -4, {134, 0}}, {152, 0, {134, 56}},
      {155, 0, {135, 7}}, {157, 1, {135, 14}},  {137, -4, {134, 3}}, {161, 2, {135, 28}},
      {0, -36, {126, 0}}, {399, 58, {149, 28}}, {119, -8, {133, 0}}, {187, 8, {137, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MapClickMinutes(c.x), c.minutes) << c.x;
    EXPECT_EQ(MapClickLongitude(c.x), c.longitude) << c.x;
  }
}

TEST(NaturalTime, MovesTheMomentByTheOffsetAcrossDaysAndYears) {
  struct Case {
    const char* standard;
    long long minutes;
    const char* natural;
  };
  const Case cases[] = {
      {"1984/02/10 12:30", 25, "1984/02/10 12:55"}, {"2024/01/01 00:10", -29, "2023/12/31 23:41"},
      {"2024/02/28 23:50", 25, "2024/02/29 00:15"}, {"1899/12/30 00:05", -21, "1899/12/29 23:44"},
      {"2000/06/15 08:00", 0, "2000/06/15 08:00"},
  };
  for (const Case& c : cases) {
    const std::optional<DateTime> natural = NaturalMoment(At(c.standard), c.minutes, false);
    ASSERT_TRUE(natural) << c.standard;
    EXPECT_EQ(natural->DateTimeText(), c.natural) << c.standard;
  }
  // Past the last or before the first moment the program computes with there is none.
  EXPECT_FALSE(NaturalMoment(At("9999/12/31 23:50"), 25, false));
  EXPECT_FALSE(NaturalMoment(At("0001/03/23 00:10"), -29, false));
  EXPECT_FALSE(NaturalMoment(At("2000/01/01 00:00"), 9'000'000'000'000'000'000LL, false));
}

// Published values: the almanac example of 1992-10-13 0h (+13 min 42.6 s) and the yearly extremes
// of mid-February and early November; near zero in mid-April.
TEST(NaturalTime, EquationOfTimeMatchesPublishedValues) {
  struct Case {
    const char* standard;  // Japan Standard Time
    double minutes;
    double tolerance;
  };
  const Case cases[] = {
      {"1992/10/13 09:00", 13.71, 0.05},
      {"2026/02/11 12:00", -14.2, 0.1},
      {"2026/11/03 12:00", 16.4, 0.1},
      {"2026/04/15 12:00", 0.0, 0.3},
  };
  for (const Case& c : cases) EXPECT_NEAR(EquationOfTimeMinutes(At(c.standard)), c.minutes, c.tolerance) << c.standard;

  // True solar time: the mean time plus the equation, to the nearest minute.
  EXPECT_EQ(NaturalMoment(At("2026/11/03 12:00"), 19, true)->DateTimeText(), "2026/11/03 12:35");
  EXPECT_EQ(NaturalMoment(At("2026/02/11 12:00"), -29, true)->DateTimeText(), "2026/02/11 11:17");
}

}  // namespace
}  // namespace kirvo
