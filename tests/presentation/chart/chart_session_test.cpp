#include "presentation/chart/chart_session.h"

#include <gtest/gtest.h>

#include "presentation/shared/content_fixture.h"
#include "support/recording_interaction.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

class ChartSessionTest : public ::testing::Test {
 protected:
  ChartSession Session(BirthInput input, const char* now = "2024/07/20 15:47") {
    return std::move(ChartSession::Create(services_, std::move(input), At(now))).value();
  }

  RecordingInteraction interaction_;
  ApplicationServices services_ = ApplicationServices::Shipped(interaction_);
  BirthInput man_ = testing::Person("試験太郎", "1984/02/10 12:00");
};

TEST_F(ChartSessionTest, ComputesWhatThePipelineAndTheContentRefreshGive) {
  ChartSession session = Session(man_);
  session.SetRange(LuckRange::kMajorLuck);
  ASSERT_TRUE(session.SetChartMoment(At("1995/03/15 09:30")));
  ASSERT_TRUE(session.Compute());

  const ProgramSettings& settings = services_.settings();
  const Chart expected = testing::HandCheckedChart(settings);
  EXPECT_EQ(session.chart(), expected);
  testing::RecordingExplanations explanations;
  const ChartContent content = testing::RefreshedContent(expected, settings, explanations);
  EXPECT_EQ(session.content().SNB, content.SNB);
  EXPECT_EQ(session.content().summary, content.summary);
  EXPECT_EQ(session.ContentPrefix(), "< 大運まで >");
}

TEST_F(ChartSessionTest, AnUnknownHourIsEnteredAsNoonAndDropsTheHourPillar) {
  ChartSession session = Session(testing::Person("花子", "1990/08/20 99:99", Sex::kFemale));
  EXPECT_FALSE(session.hour_known());
  EXPECT_EQ(session.input().birth.TimeText(), "12:00");
  ASSERT_TRUE(session.Compute());
  EXPECT_EQ(session.chart().record.BirthText, "1990/08/20 12:00");
  EXPECT_EQ(session.chart().board(board::kHour, board::kStem).Text, "");
}

TEST_F(ChartSessionTest, RefusesAnEntryThatIsNoDateAndTime) {
  // A session takes a birth already read: an entry that is no date and time makes none.
  EXPECT_FALSE(BirthOfText("1990/02/30 12:00"));
  EXPECT_FALSE(BirthOfText("1990/02/01 25:00"));
}

TEST_F(ChartSessionTest, AMomentGivenTakesTheDefaultsPlace) {
  // A birth in the last month of year 9999 has no default moment a month after it.
  const BirthInput last_month = testing::Person("x", "9999/12/10 08:00");
  EXPECT_FALSE(ChartSession::Create(services_, last_month, At("2024/07/20 15:47")));
  Outcome<ChartSession> given =
      ChartSession::Create(services_, last_month, At("2024/07/20 15:47"), At("9999/12/31 23:59"));
  ASSERT_TRUE(given) << given.error();
  EXPECT_EQ(given->chart_moment(), At("9999/12/31 23:59"));
  EXPECT_TRUE(given.value().Compute());
}

TEST_F(ChartSessionTest, StartsAtTheDefaultMomentInWholeMinutes) {
  // The shipped settings take the clock reading as it is (`NRG` 0, `NowE` 0).
  const ChartSession session = Session(man_, "2024/07/20 15:47");
  EXPECT_EQ(session.chart_moment(), At("2024/07/20 15:47"));
  EXPECT_EQ(LuckRangeNumber(session.range()), services_.settings().sys.CB1);
}

TEST_F(ChartSessionTest, OutsideTheAgeGateTheChartKeepsItsLastComputation) {
  ChartSession session = Session(man_);
  ASSERT_TRUE(session.Compute());
  const Chart before = session.chart();
  const ChartContent content_before = session.content();
  for (const char* moment : {"1983/01/01 00:00", "2095/03/01 00:00"}) {
    session.SetChartMoment(At(moment));
    const Status computed = session.Compute();
    EXPECT_FALSE(computed) << moment;
    EXPECT_EQ(computed.error(), "作式日時 " + std::string(moment) + " は生年月日時から 0〜110 歳の範囲にありません");
    EXPECT_EQ(session.chart(), before);
    EXPECT_EQ(session.content().SNB, content_before.SNB);
    EXPECT_EQ(session.chart_moment(), before.record.ChartDateTime);  // the strip shows the chart's moment
  }
}

// One step per range from 2000/01/10 08:00: the date field loses the fraction of its period (so a
// step back goes one day further than a step forward), the time stays; 時運まで moves two hours.
TEST_F(ChartSessionTest, StepsByThePeriodOfTheRange) {
  struct Case {
    LuckRange range;
    const char* back;
    const char* forward;
  };
  const Case cases[] = {
      {LuckRange::kNatalOnly, "2000/01/10 08:00", "2000/01/10 08:00"},
      {LuckRange::kMajorLuck, "1990/01/09 08:00", "2010/01/09 08:00"},
      {LuckRange::kYearLuck, "1999/01/09 08:00", "2001/01/09 08:00"},
      {LuckRange::kMonthLuck, "1999/12/10 08:00", "2000/02/09 08:00"},
      {LuckRange::kDayLuck, "2000/01/09 08:00", "2000/01/11 08:00"},
      {LuckRange::kHourLuck, "2000/01/10 06:00", "2000/01/10 10:00"},
  };
  for (const Case& c : cases) {
    ChartSession session = Session(man_);
    session.SetRange(c.range);
    session.SetChartMoment(At("2000/01/10 08:00"));
    session.Step(StepDirection::kBack);
    EXPECT_EQ(session.chart_moment().DateTimeText(), c.back) << LuckRangeNumber(c.range);
    session.SetChartMoment(At("2000/01/10 08:00"));
    session.Step(StepDirection::kForward);
    EXPECT_EQ(session.chart_moment().DateTimeText(), c.forward) << LuckRangeNumber(c.range);
  }
}

TEST_F(ChartSessionTest, TwoHourStepsCarryTheDateOverMidnight) {
  ChartSession session = Session(man_);
  session.SetRange(LuckRange::kHourLuck);
  session.SetChartMoment(At("2000/01/10 22:00"));
  session.Step(StepDirection::kForward);
  EXPECT_EQ(session.chart_moment().DateTimeText(), "2000/01/11 00:00");
  session.Step(StepDirection::kBack);
  EXPECT_EQ(session.chart_moment().DateTimeText(), "2000/01/10 22:00");
  session.SetChartMoment(At("2000/01/10 02:00"));
  session.Step(StepDirection::kBack);
  EXPECT_EQ(session.chart_moment().DateTimeText(), "2000/01/10 00:00");
}

TEST_F(ChartSessionTest, TheTwoHourControlMovesTheTimeAtAnyRange) {
  ChartSession session = Session(man_);
  session.SetRange(LuckRange::kMonthLuck);
  session.SetChartMoment(At("2000/01/10 22:00"));
  session.StepTwoHours(StepDirection::kForward);
  EXPECT_EQ(session.chart_moment().DateTimeText(), "2000/01/11 00:00");
  session.StepTwoHours(StepDirection::kBack);
  session.StepTwoHours(StepDirection::kBack);
  EXPECT_EQ(session.chart_moment().DateTimeText(), "2000/01/10 20:00");
}

TEST_F(ChartSessionTest, StepsStayBetweenBirthAndOneHundredTenYears) {
  ChartSession session = Session(man_);
  session.SetRange(LuckRange::kMajorLuck);
  session.SetChartMoment(At("1989/02/10 12:00"));  // five years after birth
  EXPECT_FALSE(session.CanStep(StepDirection::kBack));
  EXPECT_TRUE(session.CanStep(StepDirection::kForward));
  session.SetChartMoment(At("2085/02/10 12:00"));  // 101 years: 111 would pass the limit
  EXPECT_FALSE(session.CanStep(StepDirection::kForward));
  session.SetRange(LuckRange::kNatalOnly);
  EXPECT_FALSE(session.CanStep(StepDirection::kForward));  // nothing moves at 命式のみ
  EXPECT_FALSE(session.CanStep(StepDirection::kBack));
}

}  // namespace
}  // namespace kirvo
