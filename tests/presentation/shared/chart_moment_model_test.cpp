// The chart moment of a moment strip: the two-hour control with its rollover, the bounds of
// stepping and the refusal of moments the program does not compute with. (The steps by the range's
// period are tested through the chart session that drives them.)
#include "presentation/shared/chart_moment_model.h"

#include <gtest/gtest.h>

#include "calendar/accepted_moments.h"

namespace kirvo {
namespace {

DateTime At(std::string_view text) { return *DateTime::ParseDateTimeText(text); }

TEST(ChartMomentModel, TwoHourStepsRollOverDaysMonthsAndYears) {
  struct Case {
    const char* from;
    StepDirection direction;
    const char* to;
  };
  constexpr StepDirection kUp = StepDirection::kForward, kDown = StepDirection::kBack;
  const Case cases[] = {
      {"2000/01/10 08:00", kUp, "2000/01/10 10:00"},    // within the day
      {"2000/01/10 22:00", kUp, "2000/01/11 00:00"},    // over midnight
      {"2000/01/10 00:00", kDown, "2000/01/09 22:00"},
      {"2000/01/10 23:30", kUp, "2000/01/11 01:30"},    // minutes kept
      {"2024/01/31 23:00", kUp, "2024/02/01 01:00"},    // over a month end
      {"2024/03/01 00:00", kDown, "2024/02/29 22:00"},  // back into a leap day
      {"2023/03/01 01:59", kDown, "2023/02/28 23:59"},
      {"1850/03/01 00:00", kDown, "1850/02/28 22:00"},  // no leap day in 1850
      {"2023/12/31 22:00", kUp, "2024/01/01 00:00"},    // over a year end
      {"2024/01/01 00:00", kDown, "2023/12/31 22:00"},
      {"2024/01/01 22:00", kUp, "2024/01/02 00:00"},
      {"1899/12/30 00:00", kDown, "1899/12/29 22:00"},  // across the day count's zero
      {"9999/12/31 22:00", kUp, "9999/12/31 22:00"},    // past the last accepted minute: stays
      {"0001/03/23 01:00", kDown, "0001/03/23 01:00"},  // before the first: stays
  };
  for (const Case& c : cases) {
    ChartMomentModel model(At(c.from), LuckRange::kMonthLuck);
    model.StepTwoHours(c.direction);
    EXPECT_EQ(model.moment().DateTimeText(), c.to) << c.from;
    // At 時運まで a step of the range is the same two hours.
    ChartMomentModel hourly(At(c.from), LuckRange::kHourLuck);
    hourly.Step(c.direction);
    EXPECT_EQ(hourly.moment().DateTimeText(), c.to) << c.from << " at 時運まで";
  }
}

TEST(ChartMomentModel, StepsStayBetweenBirthAndOneHundredTenYears) {
  const DateTime birth = At("1984/02/10 12:00");
  ChartMomentModel model(At("1989/02/10 12:00"), LuckRange::kMajorLuck);  // five years after birth
  EXPECT_FALSE(model.CanStep(StepDirection::kBack, birth));
  EXPECT_TRUE(model.CanStep(StepDirection::kForward, birth));
  model.SetMoment(At("2085/02/10 12:00"));  // 101 years: 111 would pass the limit
  EXPECT_FALSE(model.CanStep(StepDirection::kForward, birth));
  EXPECT_TRUE(model.CanStep(StepDirection::kBack, birth));
  model.SetRange(LuckRange::kNatalOnly);
  EXPECT_FALSE(model.CanStep(StepDirection::kForward, birth));  // nothing moves at 命式のみ
  EXPECT_FALSE(model.CanStep(StepDirection::kBack, birth));
}

TEST(ChartMomentModel, KeepsWholeMinutesAndRefusesMomentsOutsideThoseComputedWith) {
  ChartMomentModel model(At("2000/01/10 08:00"), LuckRange::kDayLuck);
  ASSERT_TRUE(model.SetMoment(At("2000/01/10 08:17") + 0.5 / 24 / 60));
  EXPECT_EQ(model.moment(), At("2000/01/10 08:17"));
  EXPECT_FALSE(model.SetMoment(At(kFirstAcceptedMomentText) - 1.0 / 24 / 60));
  EXPECT_FALSE(model.SetMoment(At(kLastAcceptedMomentText) + 1.0 / 24 / 60));
  EXPECT_EQ(model.moment(), At("2000/01/10 08:17"));
}

}  // namespace
}  // namespace kirvo
