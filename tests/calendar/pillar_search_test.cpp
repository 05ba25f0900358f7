#include "calendar/pillar_search.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

CalendarRules Rules(DayBoundary boundary = DayBoundary::kMidnight) {
  CalendarRules rules;
  rules.day_boundary = boundary;
  return rules;
}

std::optional<DateTime> FirstMatch(const PillarPattern& pattern, DateTime start, DateTime end,
                                   const CalendarRules& rules) {
  PillarSearch search(pattern, start, end, rules);
  for (;;) {
    switch (search.Step()) {
      case PillarSearch::Progress::kFound:
        return search.candidate();
      case PillarSearch::Progress::kPassedEnd:
        return std::nullopt;
      case PillarSearch::Progress::kGoingOn:
        break;
    }
  }
}

// Every hour from the start: the first whose pillars meet the pattern.
std::optional<DateTime> FirstMatchingHour(const PillarPattern& pattern, DateTime start, DateTime end,
                                          const CalendarRules& rules) {
  for (DateTime hour = start; hour <= end; hour = hour + 1.0 / 24) {
    if (MeetsAll(MatchPattern(MomentPillars::At(hour, rules), pattern))) return hour;
  }
  return std::nullopt;
}

TEST(PillarSearchTest, OnlyTheDayPillarWalksInDoubleHoursFromTheStart) {
  PillarPattern pattern{};
  pattern[4] = 1;  // 甲
  pattern[5] = 1;  // 子
  const std::optional<DateTime> found = FirstMatch(pattern, At("2000/01/01 00:00"), At("2000/12/31 00:00"), Rules());
  ASSERT_TRUE(found);
  // 2000-01-01 is 戊午: 甲子 is six days later; the walk reaches it in 72 steps of 2 h 8.64 s.
  EXPECT_NEAR(found->days(), At("2000/01/01 00:00").days() + 72 * (1.0 / 12 + 0.0001), 1e-9);
  EXPECT_EQ(found->DateText(), "2000/01/07");
}

TEST(PillarSearchTest, TheWalkMeetsTheFirstMatchingDoubleHourOfEveryHourChecked) {
  struct Case {
    PillarPattern pattern;
    const char* start;
    const char* end;
  };
  const Case cases[] = {
      {{0, 0, 0, 0, 3, 0, 0, 7}, "2010/03/01 05:00", "2010/03/20 00:00"},  // 丙 day, 午 hour
      {{0, 0, 0, 0, 10, 12, 0, 0}, "1995/06/01 00:00", "1995/12/31 00:00"},  // 癸亥 day
      {{0, 0, 0, 5, 1, 0, 0, 0}, "2021/01/01 00:00", "2021/12/31 00:00"},  // 辰 month, 甲 day
  };
  for (const Case& c : cases) {
    const std::optional<DateTime> walked = FirstMatch(c.pattern, At(c.start), At(c.end), Rules());
    const std::optional<DateTime> checked = FirstMatchingHour(c.pattern, At(c.start), At(c.end), Rules());
    ASSERT_TRUE(walked && checked) << c.start;
    EXPECT_TRUE(MeetsAll(MatchPattern(MomentPillars::At(*walked, Rules()), c.pattern))) << c.start;
    // Within the double-hour (and the few seconds each step adds) that the hour check found first.
    EXPECT_GE(*walked - *checked, -1.0 / 24) << c.start;
    EXPECT_LT(*walked - *checked, 1.0 / 12 + 0.001) << c.start;
  }
}

TEST(PillarSearchTest, AnEndBeforeTheStartFindsNothing) {
  PillarPattern pattern{};
  pattern[5] = 1;
  EXPECT_FALSE(FirstMatch(pattern, At("2000/01/02 00:00"), At("2000/01/01 00:00"), Rules()));
}

TEST(PillarSearchTest, AMatchAfterElevenWithTheHourOpenIsHandedOnAsTheDayWhoseNoonCarriesIt) {
  // Under the 23 o'clock boundary 23:xx of 2000/01/06 already lies in 2000/01/07, the 甲子 day:
  // "99:99" on the 6th would chart 癸亥, so the 7th is handed on.
  PillarPattern pattern{};
  pattern[4] = 1;
  pattern[5] = 1;
  const CalendarRules eleven = Rules(DayBoundary::kElevenPm);
  const std::optional<DateTime> found = FirstMatch(pattern, At("2000/01/06 23:30"), At("2000/01/31 00:00"), eleven);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->DateTimeText(), "2000/01/06 23:30");
  const FoundEntry entry = EntryOfMatch(*found, pattern, eleven);
  EXPECT_EQ(entry.date, "2000/01/07");
  EXPECT_EQ(entry.time, "99:99");
  // Under the midnight boundary the walk goes on to the 7th itself.
  const std::optional<DateTime> midnight = FirstMatch(pattern, At("2000/01/06 23:30"), At("2000/01/31 00:00"), Rules());
  ASSERT_TRUE(midnight);
  EXPECT_EQ(EntryOfMatch(*midnight, pattern, Rules()).date, "2000/01/07");
  // With an hour chosen the moment itself goes over.
  pattern[7] = 1;  // 子 hour
  EXPECT_EQ(EntryOfMatch(At("2000/01/06 23:30"), pattern, eleven).time, "23:30");
}

}  // namespace
}  // namespace kirvo

namespace kirvo {
namespace {

// 立春 1986 falls at 11:58:40 by the series and at 12:07:42 by the precise theory. The double-hour
// walk through 乙丑 year and 己丑 month reaches 12:00 on that day, which by the precise method is still
// 己丑 month and by the series already 庚寅, whose year the walk then leaves.
TEST(PillarSearchTest, TheWalkFollowsTheTermMethod) {
  const PillarPattern pattern{2, 2, 6, 2, 0, 0, 0, 7};  // 乙丑 year, 己丑 month, 午 hour
  for (const TermMethod method : {TermMethod::kStandard, TermMethod::kPrecise}) {
    CalendarRules rules = Rules();
    rules.term_clock.method = method;
    const std::optional<DateTime> found = FirstMatch(pattern, At("1986/02/04 00:00"), At("1986/03/01 00:00"), rules);
    if (method == TermMethod::kStandard) {
      EXPECT_FALSE(found.has_value()) << found->DateTimeText();
    } else {
      ASSERT_TRUE(found);
      EXPECT_EQ(found->TruncatedToMinute(), At("1986/02/04 12:00"));
    }
  }
}

}  // namespace
}  // namespace kirvo
