#include "calendar/birth_time.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(BirthOfText, ReadsTheDateAndAKnownOrUnknownHourOnce) {
  struct Case {
    const char* text;
    const char* moment;  // nullptr: no birth
    bool hour_known;
    const char* written;
  };
  // clang-format off
  const Case kCases[] = {
      {"1984/02/10 12:30", "1984/02/10 12:30", true,  "1984/02/10 12:30"},
      {"1984/02/10 99:99", "1984/02/10 12:00", false, "1984/02/10 99:99"},
      {"1984/2/1 9:05",    "1984/02/01 09:05", true,  "1984/02/01 09:05"},  // written back in full
      {"0001/01/01 00:00", "0001/01/01 00:00", true,  "0001/01/01 00:00"},
      {"1984/02/30 12:00", nullptr, false, ""},
      {"1984/02/10 25:00", nullptr, false, ""},
      {"1984/02/10 12:60", nullptr, false, ""},
      {"1984/02/10 99:98", nullptr, false, ""},
      {"1984/02/10",       nullptr, false, ""},
      {"1984/02/10  12:00", nullptr, false, ""},
      {"",                 nullptr, false, ""},
  };
  // clang-format on
  for (const Case& c : kCases) {
    const std::optional<BirthMoment> birth = BirthOfText(c.text);
    if (c.moment == nullptr) {
      EXPECT_FALSE(birth) << c.text;
      continue;
    }
    ASSERT_TRUE(birth) << c.text;
    EXPECT_EQ(birth->moment, *DateTime::ParseDateTimeText(c.moment)) << c.text;
    EXPECT_EQ(birth->hour_known, c.hour_known) << c.text;
    EXPECT_EQ(birth->Text(), c.written) << c.text;
    EXPECT_EQ(BirthMomentOfText(c.text), birth->moment) << c.text;
  }
}

TEST(BirthMomentOf, BuildsFromNumbersAndKeepsAnUnknownHourAtNoon) {
  EXPECT_EQ(BirthMomentOf(1984, 2, 10, 7, 5), BirthOfText("1984/02/10 07:05"));
  EXPECT_EQ(BirthMomentOf(1984, 2, 10, std::nullopt, 45), BirthOfText("1984/02/10 99:99"));
  EXPECT_FALSE(BirthMomentOf(1900, 2, 29, 12, 0));
  EXPECT_FALSE(BirthMomentOf(0, 1, 1, 12, 0));
  EXPECT_FALSE(BirthMomentOf(1984, 2, 10, 24, 0));
  const BirthMoment unknown = *BirthOfText("1990/08/20 99:99");
  EXPECT_EQ(unknown.TakenAtNoon().Text(), "1990/08/20 12:00");
  EXPECT_TRUE(unknown.TakenAtNoon().hour_known);
}

}  // namespace
}  // namespace kirvo
