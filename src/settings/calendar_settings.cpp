#include "settings/calendar_settings.h"

#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {

CalendarRules CalendarRulesOf(const USysSettings& rule_settings, const SysSettings& system_settings) {
  CalendarRules rules;
  rules.day_boundary = rule_settings.Choice<USysChoice::DRG>();
  rules.depth_modes[0] = rule_settings.Choice<USysChoice::ZRG0>();
  rules.depth_modes[1] = rule_settings.Choice<USysChoice::ZRG1>();
  rules.depth_modes[2] = rule_settings.Choice<USysChoice::ZRG2>();
  rules.depth_modes[3] = rule_settings.Choice<USysChoice::ZRG3>();
  rules.distribution = rule_settings.Distribution();
  rules.term_clock = TermClockOf(system_settings);
  return rules;
}

}  // namespace kirvo
