#include <cstdio>

#include "calendar/term_search.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "settings/calendar_settings.h"

namespace kirvo::cli {

// Prints, per moment read from standard input, the term moment of the chosen search mode at or
// before it and the sun's longitude at the moment. --precise searches by the precise method whatever
// the settings say.
int RunTerm(const std::vector<std::string>& args) {
  const ParsedArguments parsed = ParseOptions(args, {"--folder", "--mode"}, {kPreciseFlag});
  if (ReportArgumentError(parsed)) return kExitUsage;
  const std::optional<std::string> mode_text = parsed.Get("--mode");
  if (!mode_text || mode_text->size() != 1 || (*mode_text)[0] < '0' || (*mode_text)[0] > '3') {
    std::fputs("--mode には 0, 1, 2, 3 のいずれかを指定してください\n", stderr);
    return kExitUsage;
  }
  const auto mode = static_cast<TermSearchMode>((*mode_text)[0] - '0');
  ConsoleInteraction console;
  const std::optional<ApplicationServices> loaded = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!loaded) return kExitUsage;
  TermClock clock = CalendarRulesOf(loaded->settings().usys, loaded->settings().sys).term_clock;
  if (parsed.Has(kPreciseFlag)) clock.method = TermMethod::kPrecise;
  return ProcessMomentLines([&](std::string& out, DateTime moment) {
    const TermMomentBefore found = FindTermMomentBefore(mode, moment, clock);
    char longitude[32];
    std::snprintf(longitude, sizeof longitude, "\t%.2Lf", found.start_longitude);
    out += '\t' + found.text + longitude;
  });
}

}  // namespace kirvo::cli
