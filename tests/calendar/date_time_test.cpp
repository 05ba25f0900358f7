#include "calendar/date_time.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(DateTime, CountsDaysFromTheEndOf1899) {
  EXPECT_EQ(DateTime::FromDate(1899, 12, 30)->days(), 0.0);
  EXPECT_EQ(DateTime::FromDate(1900, 1, 1)->days(), 2.0);
  EXPECT_EQ(DateTime::FromDate(2000, 1, 1)->days(), 36526.0);
  EXPECT_EQ(DateTime::FromDate(1899, 12, 29)->days(), -1.0);
  EXPECT_DOUBLE_EQ(DateTime::FromFields({2000, 1, 1, 18, 0, 0, 0})->days(), 36526.75);
}

TEST(DateTime, RefusesImpossibleFields) {
  EXPECT_FALSE(DateTime::FromDate(2023, 2, 29));
  EXPECT_TRUE(DateTime::FromDate(2024, 2, 29));
  EXPECT_FALSE(DateTime::FromDate(1900, 2, 29));
  EXPECT_TRUE(DateTime::FromDate(2000, 2, 29));
  EXPECT_FALSE(DateTime::FromDate(2024, 13, 1));
  EXPECT_FALSE(DateTime::FromDate(0, 1, 1));
  EXPECT_FALSE(DateTime::FromDate(10000, 1, 1));
  EXPECT_FALSE(DateTime::FromFields({2024, 1, 1, 24, 0, 0, 0}));
  EXPECT_FALSE(DateTime::FromFields({2024, 1, 1, 0, 60, 0, 0}));
}

TEST(DateTime, MinuteStepsReadBackExactly) {
  // 1440 additions of a minute accumulate rounding error; the fields still read whole minutes.
  DateTime moment = *DateTime::FromDate(2024, 2, 4);
  for (int i = 0; i < 17 * 60 + 19; ++i) moment = moment + 1.0 / 1440;
  EXPECT_EQ(moment.DateTimeText(), "2024/02/04 17:19");
  EXPECT_EQ(moment.Fields().second, 0);
}

TEST(DateTime, WritesAndReadsItsTexts) {
  const DateTime moment = *DateTime::FromFields({2024, 2, 4, 7, 5, 9, 0});
  EXPECT_EQ(moment.DateText(), "2024/02/04");
  EXPECT_EQ(moment.TimeText(), "07:05");
  EXPECT_EQ(moment.TermMomentText(), "2024/2/4 7:5:9");
  EXPECT_EQ(DateTime::ParseTermMomentText("2024/2/4 7:5:9"), moment);
  EXPECT_EQ(DateTime::ParseTermMomentText("2024/2/4"), DateTime::FromDate(2024, 2, 4));
  EXPECT_EQ(DateTime::ParseDateTimeText("2024/2/4 7:05"), DateTime::FromFields({2024, 2, 4, 7, 5, 0, 0}));
  EXPECT_EQ(DateTime(-0.25).DateTimeText(), "1899/12/29 18:00");
}

TEST(DateTime, ParseRefusesWhatIsNotAMoment) {
  for (const char* text : {"", "2024/02/04", "2024/02/30 10:00", "2024/02/04 24:00", "2024/02/04 99:99",
                           "2024-02-04 10:00", "2024/02/04 10:00 ", "2024/2/4 1:5x", "abc"}) {
    EXPECT_FALSE(DateTime::ParseDateTimeText(text)) << text;
  }
}

}  // namespace
}  // namespace kirvo
