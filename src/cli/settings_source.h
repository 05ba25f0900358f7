#pragma once

#include <optional>
#include <string>

#include "calendar/moment_pillars.h"
#include "platform/outcome.h"

namespace kirvo::cli {

// The calendar settings from a program folder's USysF.ini and SysF.ini, or, without a folder, from
// the shipped defaults built into the tool.
Outcome<CalendarRules> LoadCalendarRules(const std::optional<std::string>& folder);

}  // namespace kirvo::cli
