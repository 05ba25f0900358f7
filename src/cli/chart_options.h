#pragma once

#include <optional>
#include <string>
#include <variant>

#include "calendar/date_time.h"
#include "cli/arguments.h"
#include "engine/chart_record.h"

namespace kirvo::cli {

// The options of the commands that compute charts: --range 0..5 (命式のみ when absent) and
// --at "YYYY/MM/DD hh:nn" (the chart moment; the default moment of the settings when absent).
struct ChartOptions {
  LuckRange range = LuckRange::kNatalOnly;
  std::optional<DateTime> at;
};

// The options, or the message for standard error naming the option that is wrong.
std::variant<ChartOptions, std::string> ReadChartOptions(const ParsedArguments& parsed);

}  // namespace kirvo::cli
