#include "calendar/local_clock.h"

#include <ctime>

namespace kirvo {

DateTime LocalClockNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const int second = local.tm_sec < 60 ? local.tm_sec : 59;  // a leap second reads as :59
  return DateTime::FromFields({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                               second, 0})
      .value_or(DateTime());
}

}  // namespace kirvo
