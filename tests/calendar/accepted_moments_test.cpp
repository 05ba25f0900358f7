#include "calendar/accepted_moments.h"

#include <gtest/gtest.h>

#include "calendar/moment_pillars.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

TEST(AcceptedMoments, RunFromTheFirstMomentAfterYearZeroToTheLastMinuteOfYear9999) {
  const struct {
    const char* moment;
    bool accepted;
  } cases[] = {
      {"0001/01/01 00:00", false}, {"0001/03/22 23:59", false}, {"0001/03/23 00:00", true},
      {"2024/02/04 17:27", true},  {"9999/12/31 23:59", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsAcceptedMoment(At(c.moment)), c.accepted) << c.moment;
  EXPECT_FALSE(IsAcceptedMoment(At("9999/12/31 23:59") + 1.0 / (24 * 60)));
  EXPECT_EQ(AcceptedMomentRangeText(), "0001/03/23 00:00～9999/12/31 23:59");
}

// Terms found beyond years 1..9999 (the 節 after the last one of 9999, or before the first of
// year 1) can still be truncated to the minute.
TEST(AcceptedMoments, TruncatingToTheMinuteWorksOutsideTheDateYears) {
  const DateTime year_zero = At("0001/01/01 00:00") - 1.0 + (10 * 60 + 30.5) / 86400.0;  // 0000/12/31 00:10:30.5
  EXPECT_DOUBLE_EQ(year_zero.TruncatedToMinute().days(), (At("0001/01/01 00:00") - 1.0 + 600 / 86400.0).days());
  const DateTime year_10000 = At("9999/12/31 23:59") + (60 + 61.25) / 86400.0;  // 10000/01/01 00:01:01.25
  EXPECT_DOUBLE_EQ(year_10000.TruncatedToMinute().days(), (At("9999/12/31 23:59") + 120 / 86400.0).days());
  EXPECT_EQ(At("2024/02/04 17:27").TruncatedToMinute(), At("2024/02/04 17:27"));
}

// At both ends, in every time zone the settings allow and by both methods, every term a moment
// names reads back as a date text, and the pillars compute with every depth mode, with and without
// remembered terms.
TEST(AcceptedMoments, EveryResultAtTheEdgesReadsBack) {
  CalendarRules rules;
  rules.depth_modes = {DepthMode::kWithinOwnPeriod, DepthMode::kWithinMonth, DepthMode::kWithinOwnPeriod,
                       DepthMode::kWithinOwnPeriod};
  for (const char* text : {"0001/03/23 00:00", "0001/03/23 12:00", "9999/12/05 01:00", "9999/12/31 23:59"}) {
    for (const double zone : {-24.0, 0.0, 9.0, 24.0}) {
      for (const TermMethod method : {TermMethod::kStandard, TermMethod::kPrecise}) {
        const DateTime moment = At(text);
        const TermClock clock{zone, method};
        const std::string where = std::string(text) + " zone " + std::to_string(zone) +
                                  (method == TermMethod::kPrecise ? " precise" : " standard");
        for (int mode = 0; mode < 4; ++mode) {
          const TermMomentBefore term = FindTermMomentBefore(static_cast<TermSearchMode>(mode), moment, clock);
          EXPECT_TRUE(DateTime::ParseTermMomentText(term.text).has_value()) << where << " " << term.text;
          EXPECT_LE(term.moment, moment) << where << " mode " << mode;
        }
        rules.term_clock = clock;
        TermMomentCache cache;
        const MomentPillars searched = MomentPillars::At(moment, rules);
        const MomentPillars remembered = MomentPillars::At(moment, rules, &cache);
        EXPECT_EQ(searched.month_start_moment, remembered.month_start_moment) << where;
        EXPECT_EQ(searched.depth_class, remembered.depth_class) << where;
        EXPECT_TRUE(DateTime::ParseTermMomentText(searched.month_start_moment).has_value()) << where;
      }
    }
  }
}

}  // namespace
}  // namespace kirvo
