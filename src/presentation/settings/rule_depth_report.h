#pragma once

#include <optional>
#include <string>

#include "calendar/date_time.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {

// "深浅の日時をコピー" of the rule settings dialog: the depth report of the distribution table being
// edited, at the program's "now" (`clock` plus the system settings' offset), under the calendar
// rules of both settings. Nothing when that moment lies so near an end of the accepted moments that
// the report's twelve years of periods can't be computed.
std::optional<std::string> RuleSettingsDepthReport(const USysSettings& rules, const SysSettings& sys, DateTime clock);

}  // namespace kirvo
