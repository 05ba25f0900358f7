#include "settings/calendar_settings.h"

#include <string>

#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {

CalendarRules CalendarRulesOf(const USysSettings& rule_settings, const SysSettings& system_settings) {
  CalendarRules rules;
  rules.day_boundary = static_cast<DayBoundary>(rule_settings.Choice("DRG"));
  for (int pillar = 0; pillar < 4; ++pillar) {
    rules.depth_modes[pillar] = static_cast<DepthMode>(rule_settings.Choice("ZRG" + std::to_string(pillar)));
  }
  rules.distribution = rule_settings.Distribution();
  rules.term_clock = TermClockOf(system_settings);
  return rules;
}

}  // namespace kirvo
