#include "settings/sys_chart_moment.h"

#include <string>

#include "calendar/birth_time.h"

namespace kirvo {
namespace {

inline constexpr int kFixedMomentChoice = 1;  // NRG: 指定日時

}  // namespace

DateTime DefaultChartMoment(const SysSettings& settings, std::optional<std::string_view> birth_text, DateTime now) {
  std::optional<DateTime> moment;
  if (settings.NRG == kFixedMomentChoice) moment = DateTime::ParseDateTimeText(settings.NDate + " " + settings.NTime);
  if (!moment) moment = SettingsNow(settings, now);

  if (!birth_text || !settings.DRG || *birth_text == kNoBirthText) return *moment;
  const std::optional<DateTime> birth = BirthMomentOfText(*birth_text);
  if (!birth) return *moment;
  if (*birth > *moment || *moment - *birth > kChartMomentAgeLimitDays) return *birth + kMonthAfterBirthDays;
  return *moment;
}

}  // namespace kirvo
