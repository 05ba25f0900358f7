#include <algorithm>

#include "calendar/moment_pillars.h"

namespace kirvo {
namespace {

// Calendar months per luck unit for the month-based units: decade, year, month.
constexpr int kMonthsPerUnit[3] = {120, 12, 1};

}  // namespace

Outcome<DateTime> StepMoment(int unit, int n, bool backwards, DateTime moment) {
  const int sign = backwards ? -1 : 1;
  if (unit >= 3) return moment + sign * n * kPeriodLengthDays[unit];

  const DateFields fields = moment.Fields();
  const long months = static_cast<long>(fields.year) * 12 + (fields.month - 1) +
                      static_cast<long>(sign) * n * kMonthsPerUnit[unit];
  const long year = months >= 0 ? months / 12 : (months - 11) / 12;
  const int month = static_cast<int>(months - year * 12) + 1;
  if (year < 1 || year > 9999) return Outcome<DateTime>::Failure("DateConvert Error :" + moment.DateTimeText());
  DateFields target = fields;
  target.year = static_cast<int>(year);
  target.month = month;
  target.day = std::min(fields.day, DateTime::DaysInMonth(target.year, month));
  return *DateTime::FromFields(target);
}

}  // namespace kirvo
