#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "calendar/local_clock.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/person_arguments.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "presentation/luck/combined_session.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo::cli {
namespace {

int UsageError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUsage;
}

// The level selector's item: one digit 0..4 ("0" is "----", read as 大運).
std::optional<int> LevelItemOf(const std::string& text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '4') return std::nullopt;
  return text[0] - '0';
}

void AppendStrip(std::string& text, const LuckStrip& strip, StartOfLuckUnit unit) {
  const auto labels = StripRowLabels(strip.level, unit);
  for (int row = 0; row < kStripRows; ++row) {
    text += labels[row];
    for (int column = 0; column < strip.ColumnCount(); ++column) text += "\t" + strip.Cell(column, row);
    text += "\n";
  }
}

}  // namespace

// "strips [--folder DIR] --name NAME --sex 男|女 --birth "YYYY/MM/DD hh:nn" [--at "YYYY/MM/DD hh:nn"]
// [--level 0..4]": the combined window's two luck calendar strips, upper then lower, one line per
// row: the row label, then the cells from the left (the latest period) to the right.
int RunStrips(const std::vector<std::string>& args) {
  const ParsedArguments parsed = ParseOptions(args, {"--folder", "--name", "--sex", "--birth", "--at", "--level"});
  if (!parsed.error.empty()) return UsageError(parsed.error);
  const auto person = ReadPersonArguments(parsed);
  if (const auto* wrong = std::get_if<std::string>(&person)) return UsageError(*wrong);
  std::optional<DateTime> at;
  if (const std::optional<std::string> text = parsed.Get("--at")) {
    const MomentLine moment = ParseMomentLine(*text);
    if (!moment.moment) return UsageError("--at: " + moment.reason);
    at = moment.moment;
  }
  std::optional<int> level;
  if (const std::optional<std::string> text = parsed.Get("--level")) {
    level = LevelItemOf(*text);
    if (!level) return UsageError("--level: 0 から 4 の整数を指定してください: " + *text);
  }

  ConsoleInteraction console;
  const std::optional<ApplicationServices> services = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!services) return kExitUsage;

  const DateTime now = LocalClockNow();
  Outcome<CombinedSession> created = CombinedSession::Create(*services, std::get<BirthInput>(person), now, at);
  if (!created) return UsageError(created.error());
  CombinedSession& session = created.value();
  if (const Status computed = session.Recompute(); !computed) return UsageError(computed.error());
  if (level) {
    session.SetLevelItem(*level, now);
  } else {
    session.FillStrips(now);
  }

  const StartOfLuckUnit unit = services->rules().read.start_of_luck_unit;
  std::string text;
  AppendStrip(text, session.strips().upper(), unit);
  AppendStrip(text, session.strips().lower(), unit);
  return WriteOutput(text) ? 0 : 1;
}

}  // namespace kirvo::cli
