#include <gtest/gtest.h>

#include "calendar/moment_pillars.h"

namespace kirvo {
namespace {

DateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
  return *DateTime::FromFields({year, month, day, hour, minute, 0, 0});
}

TEST(StepMoment, StepsByLuckUnits) {
  const struct {
    int unit;
    int n;
    bool backwards;
    DateTime from;
    DateTime to;
  } cases[] = {
      {2, 1, false, At(2024, 1, 31, 10, 30), At(2024, 2, 29, 10, 30)},  // clamped to the month's end
      {2, 1, false, At(2023, 1, 31), At(2023, 2, 28)},
      {2, 1, true, At(2024, 3, 31), At(2024, 2, 29)},
      {2, 13, false, At(2024, 12, 15), At(2026, 1, 15)},
      {1, 1, false, At(2024, 2, 29), At(2025, 2, 28)},
      {0, 2, true, At(2024, 5, 5), At(2004, 5, 5)},
      {3, 10, false, At(2024, 2, 25, 6), At(2024, 3, 6, 6)},
      {4, 3, true, At(2024, 3, 1, 5), At(2024, 2, 29, 23)},
  };
  for (const auto& c : cases) {
    const Outcome<DateTime> stepped = StepMoment(c.unit, c.n, c.backwards, c.from);
    ASSERT_TRUE(stepped.ok()) << stepped.error();
    EXPECT_EQ(stepped->DateTimeText(), c.to.DateTimeText()) << c.unit << " " << c.n;
  }
}

TEST(StepMoment, LeavingTheCalendarRangeFailsWithTheMoment) {
  const Outcome<DateTime> late = StepMoment(0, 1, false, At(9995, 6, 1, 12, 0));
  ASSERT_FALSE(late.ok());
  EXPECT_EQ(late.error(), "DateConvert Error :9995/06/01 12:00");
  const Outcome<DateTime> early = StepMoment(1, 1, true, At(1, 6, 1));
  ASSERT_FALSE(early.ok());
  EXPECT_EQ(early.error(), "DateConvert Error :0001/06/01 00:00");
}

}  // namespace
}  // namespace kirvo
