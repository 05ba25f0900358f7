#pragma once

#include "calendar/moment_pillars.h"

namespace kirvo {

class USysSettings;
struct SysSettings;

// The settings a pillar computation reads: the day boundary `DRG`, the depth modes `ZRG0`..`ZRG3`
// and the distribution `ZSG` of the rule settings, and the time zone `TZE` of the system settings.
CalendarRules CalendarRulesOf(const USysSettings& rule_settings, const SysSettings& system_settings);

}  // namespace kirvo
