#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/accepted_moments.h"
#include "calendar/local_clock.h"
#include "cli/arguments.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/tool_settings.h"
#include "data/name_file.h"
#include "platform/console_interaction.h"
#include "presentation/persons/person_summary.h"
#include "settings/sys_chart_moment.h"

namespace kirvo::cli {
namespace {

constexpr std::string_view kUsage =
    "使い方: kirvo-cli names summary FILE.nam [--folder DIR] [--at \"YYYY/MM/DD hh:nn\"] [--range 0..5]\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUsage;
}

// A header without the blanks that centre it in the list window.
std::string TrimmedHeader(std::string_view header) {
  constexpr std::string_view kWideBlank = "　";
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    if (header.starts_with(' ') || header.starts_with(kWideBlank)) {
      header.remove_prefix(header.starts_with(' ') ? 1 : kWideBlank.size());
      trimmed = true;
    }
    if (header.ends_with(' ') || header.ends_with(kWideBlank)) {
      header.remove_suffix(header.ends_with(' ') ? 1 : kWideBlank.size());
      trimmed = true;
    }
  }
  return std::string(header);
}

std::string HeaderLine() {
  std::string line = "氏名\t性\t生年月日時";
  for (std::size_t column = person_column::kFirstComputed; column <= person_column::kLastComputed; ++column) {
    (line += '\t') += TrimmedHeader(kPersonListHeaders[column]);
  }
  return line + "\n";
}

}  // namespace

// "names summary FILE.nam [--folder DIR] [--at ...] [--range 0..5]": 命式データ生成 over a name file,
// one line per person: name, sex, birth date and time, then the summary columns in the list
// window's order. Without --at the chart moment is the system settings' default moment without a
// birth; the range defaults to 命式のみ. A person whose birth is no moment the program computes with
// prints ERROR and the tool exits 1; a file that can't be read is refused with exit 2.
int RunNames(const std::vector<std::string>& args) {
  if (args.size() < 2 || args[0] != "summary") {
    std::fputs(kUsage.data(), stderr);
    return kExitUsage;
  }
  const std::string file = args[1];
  const ParsedArguments parsed = ParseOptions({args.begin() + 2, args.end()}, {"--folder", "--at", "--range"});
  if (ReportArgumentError(parsed)) return kExitUsage;
  const auto chart_options = ReadChartOptions(parsed);
  if (const auto* wrong = std::get_if<std::string>(&chart_options)) return UsageError(*wrong);
  const auto [range, at] = std::get<ChartOptions>(chart_options);

  ConsoleInteraction console;
  const std::optional<ApplicationServices> services = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!services) return kExitUsage;
  Outcome<std::vector<PersonRow>> rows = ReadNameFile(file);
  if (!rows) return UsageError(rows.error());
  const DateTime moment = at ? *at : DefaultChartMoment(services->settings().sys, std::nullopt, LocalClockNow());
  const std::optional<DateTime> whole = DateTime::ParseDateTimeText(moment.DateTimeText());
  if (!whole || !IsAcceptedMoment(*whole)) {
    return UsageError("既定の作式日時: " + OutOfRangeReason());
  }

  const std::size_t count = rows->size();  // an empty file has no persons (the list shows one blank row)
  PersonList list(std::move(rows).value());
  const std::vector<std::size_t> failed = GeneratePersonSummaries(list, *whole, range, services->rules());
  std::string out = HeaderLine();
  out.reserve(count * 400);
  std::size_t next_failed = 0;
  for (std::size_t index = 0; index < count; ++index) {
    const PersonRow& row = list.row(index);
    namespace col = person_column;
    ((((out += row[col::kName]) += '\t') += row[col::kSex]) += '\t') += row[col::kDate] + " " + row[col::kTime];
    if (next_failed < failed.size() && failed[next_failed] == index) {
      ++next_failed;
      out += "\tERROR\t生年月日時が正しくないか、扱える範囲の外です\n";
      continue;
    }
    for (std::size_t column = person_column::kFirstComputed; column <= person_column::kLastComputed; ++column) {
      (out += '\t') += row[column];
    }
    out += '\n';
  }
  const bool all_computed = failed.empty() || count == 0;
  return WriteOutput(out) && all_computed ? 0 : 1;
}

}  // namespace kirvo::cli
