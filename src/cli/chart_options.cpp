#include "cli/chart_options.h"

#include "cli/moment_input.h"

namespace kirvo::cli {

std::variant<ChartOptions, std::string> ReadChartOptions(const ParsedArguments& parsed) {
  ChartOptions options;
  if (const std::optional<std::string> text = parsed.Get("--range")) {
    const bool one_digit = text->size() == 1 && (*text)[0] >= '0' && (*text)[0] <= '9';
    const std::optional<LuckRange> chosen = one_digit ? LuckRangeOf((*text)[0] - '0') : std::nullopt;
    if (!chosen) return "--range: 0 から 5 の整数を指定してください: " + *text;
    options.range = *chosen;
  }
  if (const std::optional<std::string> text = parsed.Get("--at")) {
    const MomentLine moment = ParseMomentLine(*text);
    if (!moment.moment) return "--at: " + moment.reason;
    options.at = moment.moment;
  }
  return options;
}

}  // namespace kirvo::cli
