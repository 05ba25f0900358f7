#include <cstdio>

#include "calendar/term_search.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "settings/calendar_settings.h"

namespace kirvo::cli {

// Reads moments from standard input and prints, per line, the term moment of the chosen search
// mode at or before it and the sun's longitude at the moment.
int RunTerm(const std::vector<std::string>& args) {
  const ParsedArguments parsed = ParseOptions(args, {"--folder", "--mode"});
  const std::optional<std::string> mode_text = parsed.Get("--mode");
  if (!parsed.error.empty() || !mode_text || mode_text->size() != 1 || (*mode_text)[0] < '0' || (*mode_text)[0] > '3') {
    std::fprintf(stderr, "%s\n", parsed.error.empty() ? "--mode には 0, 1, 2, 3 のいずれかを指定してください" : parsed.error.c_str());
    return kExitUsage;
  }
  const auto mode = static_cast<TermSearchMode>((*mode_text)[0] - '0');
  ConsoleInteraction console;
  const Outcome<ToolSettings> loaded = LoadToolSettings(parsed.Get("--folder"), console);
  if (!loaded) {
    std::fprintf(stderr, "%s\n", loaded.error().c_str());
    return kExitUsage;
  }
  const CalendarRules rules = CalendarRulesOf(loaded->settings.usys, loaded->settings.sys);
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
    const TermMomentBefore found = FindTermMomentBefore(mode, *parsed_line.moment, rules.zone_hours);
    char longitude[32];
    std::snprintf(longitude, sizeof longitude, "\t%.2Lf\n", found.start_longitude);
    out += '\t' + found.text + longitude;
  }
  if (!WriteOutput(out)) return 1;
  return any_error ? 1 : 0;
}

}  // namespace kirvo::cli
