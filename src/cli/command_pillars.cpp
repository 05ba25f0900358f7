#include <cstdio>

#include "calendar/term_moment_cache.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "settings/calendar_settings.h"

namespace kirvo::cli {
namespace {

void AppendPillars(std::string& out, const MomentPillars& pillars) {
  for (int slot = MomentPillars::kYear; slot <= MomentPillars::kHour; ++slot) {
    out += '\t';
    out += pillars.Pillar(slot).Text();
  }
  out += '\t';
  out += pillars.month_start_moment;
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "\t%.2f\t%d\t%d\t", pillars.sun_longitude, pillars.season_index,
                pillars.season_quarter);
  out += numbers;
  for (int slot = MomentPillars::kYear; slot <= MomentPillars::kHour; ++slot) {
    out += static_cast<char>('0' + static_cast<int>(pillars.depth_class[slot]));
  }
  out += '\t';
  for (int slot = MomentPillars::kYear; slot <= MomentPillars::kHour; ++slot) out += pillars.depth_stem[slot];
}

}  // namespace

// Reads moments from standard input and prints one line of pillars per input line; lines that are
// not moments print ERROR with the reason, the others are still computed, and the exit code is 1.
int RunPillars(const std::vector<std::string>& args) {
  const ParsedArguments parsed = ParseOptions(args, {"--folder"});
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s\n", parsed.error.c_str());
    return kExitUsage;
  }
  ConsoleInteraction console;
  const Outcome<ToolSettings> loaded = LoadToolSettings(parsed.Get("--folder"), console);
  if (!loaded) {
    std::fprintf(stderr, "%s\n", loaded.error().c_str());
    return kExitUsage;
  }
  const CalendarRules rules = CalendarRulesOf(loaded->settings.usys, loaded->settings.sys);
  TermMomentCache cache;
  std::string out;
  bool any_error = false;
  for (const std::string& line : ReadInputLines()) {
    out += line;
    const MomentLine parsed_line = ParseMomentLine(line);
    if (!parsed_line.moment) {
      out += "\tERROR\t" + parsed_line.reason + "\n";
      any_error = true;
      continue;
    }
    AppendPillars(out, MomentPillars::At(*parsed_line.moment, rules, &cache));
    out += '\n';
  }
  if (!WriteOutput(out)) return 1;
  return any_error ? 1 : 0;
}

}  // namespace kirvo::cli
