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

// Prints one line of pillars per moment read from standard input. --precise computes the terms by
// the precise method whatever the settings say.
int RunPillars(const std::vector<std::string>& args) {
  const ParsedArguments parsed = ParseOptions(args, {"--folder"}, {kPreciseFlag});
  if (ReportArgumentError(parsed)) return kExitUsage;
  ConsoleInteraction console;
  const std::optional<ApplicationServices> loaded = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!loaded) return kExitUsage;
  CalendarRules rules = CalendarRulesOf(loaded->settings().usys, loaded->settings().sys);
  if (parsed.Has(kPreciseFlag)) rules.term_clock.method = TermMethod::kPrecise;
  TermMomentCache cache;
  return ProcessMomentLines(
      [&](std::string& out, DateTime moment) { AppendPillars(out, MomentPillars::At(moment, rules, &cache)); });
}

}  // namespace kirvo::cli
