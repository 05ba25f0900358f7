#include "engine/chart_age.h"

#include <cmath>
#include <cstdio>

#include "calendar/moment_pillars.h"
#include "platform/integer_text.h"

namespace kirvo {
namespace {

constexpr int kMonthStep = 2;  // StepMoment's unit of one calendar month

}  // namespace

bool PassesAgeCheck(DateTime chart_moment, DateTime birth_moment) {
  const double years = std::trunc((chart_moment - birth_moment) / kChartYearDays);
  return chart_moment >= birth_moment && years <= kOldestChartAge;
}

std::string OutsideChartAgesText(DateTime chart_moment) {
  return "作式日時 " + chart_moment.DateTimeText() + " は生年月日時から 0〜" + std::to_string(kOldestChartAge) +
         " 歳の範囲にありません";
}

ChartAge AgeAt(DateTime birth_moment, DateTime chart_moment) {
  const double d = chart_moment - birth_moment + 1;
  ChartAge age;
  age.years = static_cast<int>(std::trunc(d / kChartYearDays));
  age.months = DateTime(d).Fields().month - 1;
  // Month steps of an age stay far inside the calendar; one that left it would keep the birth moment.
  const Outcome<DateTime> stepped = StepMoment(kMonthStep, 12 * age.years + age.months, false, birth_moment);
  if ((stepped.ok() ? stepped.value() : birth_moment) > chart_moment) age.months = 0;
  age.short_text = std::to_string(age.years) + "/" + SpacePadded(age.months, 2);
  if (IsChartAge(age.years) && age.months >= 0 && age.months <= 12) {
    age.text = SpacePadded(age.years, 3) + "歳" + SpacePadded(age.months, 2) + "月";
  }
  return age;
}

}  // namespace kirvo
