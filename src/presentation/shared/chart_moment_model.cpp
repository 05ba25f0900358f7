#include "presentation/shared/chart_moment_model.h"

#include <array>
#include <cmath>

#include "calendar/accepted_moments.h"
#include "engine/chart_age.h"
#include "settings/sys_chart_moment.h"

namespace kirvo {
namespace {

// How far one step moves the chart date, by range; 時運まで moves the time instead.
constexpr std::array<double, kLuckRangeCount> kStepPeriodDays = {0, 3652.5, 365.25, 30.59, 1, 0};
constexpr double kTwoHoursDays = 2.0 / 24;

double Sign(StepDirection direction) { return direction == StepDirection::kForward ? 1 : -1; }

// The moment as the date and "hh:nn" fields hold it; nothing outside the moments the program computes with.
std::optional<DateTime> WholeMinutes(DateTime moment) {
  const std::optional<DateTime> whole = DateTime::ParseDateTimeText(moment.DateTimeText());
  return whole && IsAcceptedMoment(*whole) ? whole : std::nullopt;
}

// Where one step leads: the date field moves by the period (its fraction is lost, as a date field
// keeps whole days) and keeps its time; at 時運まで the moment moves two hours.
DateTime SteppedMoment(DateTime moment, LuckRange range, StepDirection direction) {
  if (range == LuckRange::kHourLuck) return moment + Sign(direction) * kTwoHoursDays;
  const double time_of_day = moment - moment.DateOnly();
  const double date = std::floor(moment.DateOnly().days() + Sign(direction) * kStepPeriodDays[LuckRangeNumber(range)]);
  return DateTime(date + time_of_day);
}

}  // namespace

ChartMomentModel::ChartMomentModel(DateTime moment, LuckRange range) : range_(range) { SetMoment(moment); }

bool ChartMomentModel::SetMoment(DateTime moment) {
  const std::optional<DateTime> whole = WholeMinutes(moment);
  if (!whole) return false;
  moment_ = *whole;
  return true;
}

bool ChartMomentModel::SetToNow(const SysSettings& sys, std::optional<std::string_view> birth_text, DateTime now) {
  return SetMoment(DefaultChartMoment(sys, birth_text, now));
}

void ChartMomentModel::StepTwoHours(StepDirection direction) { SetMoment(moment_ + Sign(direction) * kTwoHoursDays); }

void ChartMomentModel::Step(StepDirection direction) {
  if (range_ == LuckRange::kNatalOnly) return;
  SetMoment(SteppedMoment(moment_, range_, direction));
}

bool ChartMomentModel::CanStep(StepDirection direction, DateTime birth) const {
  if (range_ == LuckRange::kNatalOnly) return false;
  const double date = moment_.DateOnly().days();
  const double period = range_ == LuckRange::kHourLuck ? kTwoHoursDays : kStepPeriodDays[LuckRangeNumber(range_)];
  if (direction == StepDirection::kBack) return DateTime(date - period) > birth;
  return DateTime(date + period) < birth + kOldestChartAgeDays;
}

}  // namespace kirvo
