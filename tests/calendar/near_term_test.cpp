#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calendar/near_term.h"
#include "calendar/term_moment_cache.h"

namespace kirvo {
namespace {

DateTime At(int year, int month, int day, int hour, int minute) {
  return *DateTime::FromFields({year, month, day, hour, minute, 0, 0});
}

// 立春 1986: 11:58:40 by the series, 12:07:42 by the full theory (JST). A birth at 12:03 is searched
// from 12:00, which lies between the two: the series gives the new year, the theory the old one.
TEST(NearTerm, BirthBetweenTheMethodsGetsBothPillars) {
  const CalendarRules rules;
  const std::optional<NearTermWarning> warning = NearTermWarningOf(At(1986, 2, 4, 12, 3), rules, 30);
  ASSERT_TRUE(warning.has_value());
  EXPECT_TRUE(warning->spring_opening);
  EXPECT_EQ(warning->term[0], *DateTime::FromFields({1986, 2, 4, 11, 58, 40, 0}));
  EXPECT_EQ(warning->term[1], *DateTime::FromFields({1986, 2, 4, 12, 7, 42, 0}));
  EXPECT_EQ(warning->year[0].Text(), "丙寅");
  EXPECT_EQ(warning->month[0].Text(), "庚寅");
  EXPECT_EQ(warning->year[1].Text(), "乙丑");
  EXPECT_EQ(warning->month[1].Text(), "己丑");
}

// 清明 1986: 10:55:38 by the series, 11:06:07 by the theory. The margin counts from either.
TEST(NearTerm, TheMarginCountsFromEitherMethod) {
  const CalendarRules rules;
  struct Case {
    DateTime birth;
    int margin;
    bool warned;
  };
  const Case cases[] = {
      {At(1986, 4, 5, 11, 36), 30, true},   // 29.9 minutes after the theory's term
      {At(1986, 4, 5, 11, 37), 30, false},  // 30.9 after it, 41 after the series'
      {At(1986, 4, 5, 10, 26), 30, true},   // 29.6 before the series' term
      {At(1986, 4, 5, 10, 25), 30, false},
      {At(1986, 4, 5, 11, 0), 0, false},    // between the two, but no margin
      {At(1986, 4, 20, 12, 0), 30, false},  // mid-month
  };
  for (const Case& c : cases) {
    const std::optional<NearTermWarning> warning = NearTermWarningOf(c.birth, rules, c.margin);
    EXPECT_EQ(warning.has_value(), c.warned) << c.birth.DateText() << " " << c.birth.Fields().minute;
    if (warning) {
      EXPECT_FALSE(warning->spring_opening);
    }
  }
}

// The quick test never rules out a birth the full test warns of, by either method's longitude, and
// the remembered standard terms give the same warnings as fresh searches.
TEST(NearTerm, QuickTestKeepsEveryWarnedBirth) {
  TermMomentCache cache;
  int warned = 0;
  for (const TermMethod method : {TermMethod::kStandard, TermMethod::kPrecise}) {
    CalendarRules rules;
    rules.term_clock.method = method;
    for (DateTime birth = At(1963, 2, 3, 0, 0); birth < At(1963, 2, 6, 0, 0); birth = birth + 7 / 1440.0) {
      const std::optional<NearTermWarning> warning = NearTermWarningOf(birth, rules, 60);
      const std::optional<NearTermWarning> remembered = NearTermWarningOf(birth, rules, 60, &cache);
      EXPECT_EQ(warning.has_value(), remembered.has_value());
      if (!warning) continue;
      ++warned;
      EXPECT_EQ(warning->term, remembered->term);
      EXPECT_TRUE(MayLieNearMonthTerm(MomentPillars::At(birth, rules).sun_longitude, 60)) << birth.Fields().hour;
    }
  }
  EXPECT_GT(warned, 20);
  EXPECT_FALSE(MayLieNearMonthTerm(320.0, 60));
}

}  // namespace
}  // namespace kirvo
