#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/accepted_moments.h"
#include "calendar/local_clock.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/pdf_output.h"
#include "cli/person_arguments.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "platform/integer_text.h"
#include "presentation/luck/luck_graph.h"
#include "presentation/luck/luck_table.h"
#include "presentation/print/luck_print_job.h"
#include "presentation/shared/chart_moment_model.h"

namespace kirvo::cli {
namespace {

int UsageError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUsage;
}

// A whole number from `lowest` to `highest` written as digits alone.
std::optional<int> IntegerIn(const std::string& text, int lowest, int highest) {
  const std::optional<long long> value = ParseInteger(text);
  if (!value || *value < lowest || *value > highest) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

// "luck [--folder DIR] --name NAME --sex 男|女 --birth "YYYY/MM/DD hh:nn" [--at "YYYY/MM/DD hh:nn"]
// --level 0..4 [--columns N]": the luck window's table placed around the chart moment (the default
// moment of the settings when --at is absent), 20 lines, each the row label and the N period cells,
// tab-separated. --columns takes the place of the column count of the settings (5..100). With
// --pdf FILE, the luck window's print of the table and its graph is written to FILE instead.
int RunLuck(const std::vector<std::string>& args) {
  const ParsedArguments parsed =
      ParseOptions(args, {"--folder", "--name", "--sex", "--birth", "--at", "--level", "--columns", "--pdf"});
  if (!parsed.error.empty()) return UsageError(parsed.error);

  const auto person = ReadPersonArguments(parsed);
  if (const auto* wrong = std::get_if<std::string>(&person)) return UsageError(*wrong);
  const BirthInput& input = std::get<BirthInput>(person);

  const std::optional<std::string> level_text = parsed.Get("--level");
  if (!level_text) return UsageError("--level: 0 から 4 の整数を指定してください（0 大運＋命式 … 4 時運＋日運）");
  const std::optional<int> level_number = IntegerIn(*level_text, 0, kLuckLevelCount - 1);
  if (!level_number) return UsageError("--level: 0 から 4 の整数を指定してください: " + *level_text);
  const std::optional<std::string> columns_text = parsed.Get("--columns");
  const std::optional<int> columns = columns_text ? IntegerIn(*columns_text, 5, 100) : std::nullopt;
  if (columns_text && !columns) return UsageError("--columns: 5 から 100 の整数を指定してください: " + *columns_text);
  std::optional<DateTime> at;
  if (const std::optional<std::string> text = parsed.Get("--at")) {
    const MomentLine moment = ParseMomentLine(*text);
    if (!moment.moment) return UsageError("--at: " + moment.reason);
    at = moment.moment;
  }

  ConsoleInteraction console;
  std::optional<ApplicationServices> services = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!services) return kExitUsage;
  if (columns) services->settings().sys.CCnt = std::to_string(*columns);

  ChartMomentModel moment;
  const bool placed = at ? moment.SetMoment(*at)
                         : moment.SetToNow(services->settings().sys, input.birth.Text(), LocalClockNow());
  if (!placed) return UsageError("作式日時: 扱える範囲の外の日時です (" + AcceptedMomentRangeText() + ")");

  LuckTable table = NewLuckTable(input, *LuckLevelOf(*level_number), moment.moment());
  BuildLuckTable(table, moment.moment(), services->rules());
  if (const std::optional<std::string> pdf = parsed.Get("--pdf")) {
    return WritePdfOutput(LuckPrintJob(table, LuckGraphOf(table), services->settings().sys), *services, *pdf);
  }
  std::string text;
  for (std::size_t row = 0; row < table.KSG.rows(); ++row) {
    for (std::size_t column = 0; column < table.KSG.columns(); ++column) {
      if (column > 0) text += '\t';
      text += table.KSG.Cell(column, row);
    }
    text += '\n';
  }
  return WriteOutput(text) ? 0 : 1;
}

}  // namespace kirvo::cli
