#include "engine/chart_age.h"

#include <cmath>
#include <cstdio>

#include "calendar/moment_pillars.h"
#include "platform/interaction.h"

namespace kirvo {
namespace {

constexpr double kYearDays = 365.25;
constexpr int kMonthStep = 2;  // StepMoment's unit of one calendar month

// Month steps of an age stay far inside the calendar; nothing is ever shown.
class SilentInteraction : public Interaction {
 public:
  void Beep() override {}
  void ShowMessage(MessageKind, std::string_view) override {}
  bool AskYesNo(std::string_view) override { return false; }
};

std::string Formatted(const char* format, int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

bool PassesAgeCheck(DateTime chart_moment, DateTime birth_moment) {
  const double years = std::trunc((chart_moment - birth_moment) / kYearDays);
  return years >= 0 && years <= kOldestChartAge;
}

ChartAge AgeAt(DateTime birth_moment, DateTime chart_moment) {
  const double d = chart_moment - birth_moment + 1;
  ChartAge age;
  age.years = static_cast<int>(std::trunc(d / kYearDays));
  age.months = DateTime(d).Fields().month - 1;
  SilentInteraction silent;
  if (StepMoment(kMonthStep, 12 * age.years + age.months, false, birth_moment, silent) > chart_moment) age.months = 0;
  age.short_text = std::to_string(age.years) + "/" + Formatted("%2d", age.months);
  if (age.years >= 0 && age.years <= kOldestChartAge && age.months >= 0 && age.months <= 12) {
    age.text = Formatted("%3d", age.years) + "歳" + Formatted("%2d", age.months) + "月";
  }
  return age;
}

}  // namespace kirvo
