#include "presentation/settings/rule_depth_report.h"

#include "calendar/accepted_moments.h"
#include "settings/calendar_settings.h"
#include "settings/depth_report.h"

namespace kirvo {

// The report shows the year periods of all twelve branches, reaching back up to eleven years and a
// month before now.
constexpr double kReportReachDays = 12 * 365.25;

std::optional<std::string> RuleSettingsDepthReport(const USysSettings& rules, const SysSettings& sys, DateTime clock) {
  const DateTime now = SettingsNow(sys, clock);
  if (!IsAcceptedMoment(now) || !IsAcceptedMoment(now - kReportReachDays)) return std::nullopt;
  return DepthReportText(rules.Table("ZSG"), now, CalendarRulesOf(rules, sys));
}

}  // namespace kirvo
