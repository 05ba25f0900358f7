#pragma once

#include "calendar/moment_pillars.h"
#include "platform/ini_file.h"

namespace kirvo {

// The settings a pillar computation reads, from the rule settings file (section "USysF": `DRG`,
// `ZRG0`..`ZRG3`, `ZSG-Row0`..`ZSG-Row12`) and the system settings file (section "SysF": `TZE`).
// A missing or unreadable key keeps its default; a missing ZSG row is empty.
CalendarRules CalendarRulesFromIni(const IniFile& rule_settings, const IniFile& system_settings);

}  // namespace kirvo
