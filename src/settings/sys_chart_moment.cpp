#include "settings/sys_chart_moment.h"

#include <string>

namespace kirvo {
namespace {

inline constexpr std::string_view kUnknownHour = "99:99";
inline constexpr std::string_view kUnknownHourTakenAs = "12:00";
inline constexpr int kFixedMomentChoice = 1;  // NRG: 指定日時

std::optional<DateTime> BirthMoment(std::string_view birth_text) {
  std::string text(birth_text);
  if (text.ends_with(kUnknownHour))
    text.replace(text.size() - kUnknownHour.size(), kUnknownHour.size(), kUnknownHourTakenAs);
  return DateTime::ParseDateTimeText(text);
}

}  // namespace

DateTime DefaultChartMoment(const SysSettings& settings, std::optional<std::string_view> birth_text, DateTime now) {
  std::optional<DateTime> moment;
  if (settings.NRG == kFixedMomentChoice) moment = DateTime::ParseDateTimeText(settings.NDate + " " + settings.NTime);
  if (!moment) moment = SettingsNow(settings, now);

  if (!birth_text || !settings.DRG || *birth_text == kNoBirthText) return *moment;
  const std::optional<DateTime> birth = BirthMoment(*birth_text);
  if (!birth) return *moment;
  if (*birth > *moment || *moment - *birth > kChartMomentAgeLimitDays) return *birth + kMonthAfterBirthDays;
  return *moment;
}

}  // namespace kirvo
