#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "calendar/local_clock.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/tool_settings.h"
#include "engine/chart_age.h"
#include "engine/chart_pipeline.h"
#include "engine/chart_text_copy.h"
#include "platform/console_interaction.h"
#include "settings/sys_chart_moment.h"

namespace kirvo::cli {
namespace {

constexpr std::string_view kOriginalFlag = "--original";
constexpr int kLastRange = 5;

int UsageError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUsage;
}

std::optional<int> SexOf(const std::string& text) {
  if (text == kSexNames[0]) return 0;
  if (text == kSexNames[1]) return 1;
  return std::nullopt;
}

std::optional<LuckRange> RangeOf(const std::string& text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '0' + kLastRange) return std::nullopt;
  return text[0] - '0';
}

// "YYYY/MM/DD hh:nn" or "YYYY/MM/DD 99:99", split into the entry fields; nothing when malformed.
std::optional<BirthInput> BirthOf(const std::string& text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return std::nullopt;
  BirthInput input;
  input.date_text = text.substr(0, blank);
  input.time_text = text.substr(blank + 1);
  if (!NewChartRecord(input, DateTime())) return std::nullopt;
  return input;
}

// A chart window reads its chart moment from a date field and an "hh:nn" field: whole minutes.
DateTime ToTheMinute(DateTime moment) { return *DateTime::ParseDateTimeText(moment.DateTimeText()); }

}  // namespace

// "chart [--folder DIR] --name NAME --sex 男|女 --birth "YYYY/MM/DD hh:nn" [--at "YYYY/MM/DD hh:nn"]
// [--range 0..5] [--original]": the chart as the chart window's text copy lays it out, then the
// stem and branch relation lists.
int RunChart(const std::vector<std::string>& args) {
  std::vector<std::string> options;
  bool show_original = false;
  for (const std::string& arg : args) {
    if (arg == kOriginalFlag) {
      show_original = true;
    } else {
      options.push_back(arg);
    }
  }
  const ParsedArguments parsed = ParseOptions(options, {"--folder", "--name", "--sex", "--birth", "--at", "--range"});
  if (!parsed.error.empty()) return UsageError(parsed.error);

  const std::optional<std::string> name = parsed.Get("--name");
  if (!name || name->empty()) return UsageError("--name: 氏名を指定してください");
  const std::optional<std::string> sex_text = parsed.Get("--sex");
  const std::optional<int> sex = sex_text ? SexOf(*sex_text) : std::nullopt;
  if (!sex) return UsageError("--sex: 男 または 女 を指定してください");
  const std::optional<std::string> birth_text = parsed.Get("--birth");
  if (!birth_text) return UsageError("--birth: 生年月日時 \"YYYY/MM/DD hh:nn\" を指定してください（時刻不明は 99:99）");
  std::optional<BirthInput> input = BirthOf(*birth_text);
  if (!input) return UsageError("--birth: 日付または時刻が正しくありません: " + *birth_text);
  input->name = *name;
  input->sex = *sex;
  LuckRange range = 0;
  if (const std::optional<std::string> text = parsed.Get("--range")) {
    const std::optional<LuckRange> chosen = RangeOf(*text);
    if (!chosen) return UsageError("--range: 0 から 5 の整数を指定してください: " + *text);
    range = *chosen;
  }
  std::optional<DateTime> at;
  if (const std::optional<std::string> text = parsed.Get("--at")) {
    const MomentLine moment = ParseMomentLine(*text);
    if (!moment.moment) return UsageError("--at: " + moment.reason);
    at = moment.moment;
  }

  ConsoleInteraction console;
  const Outcome<ToolSettings> loaded = LoadToolSettings(parsed.Get("--folder"), console);
  if (!loaded) return UsageError(loaded.error());
  const ProgramSettings& settings = loaded->settings;

  // As the chart window does: an unknown hour is entered as 12:00 and the chart drops its hour pillar.
  const bool hour_known = HourKnown(*input);
  if (!hour_known) input->time_text = kUnknownBirthTimeTakenAs;
  const std::string birth_entry = input->date_text + " " + input->time_text;
  if (!at) at = ToTheMinute(DefaultChartMoment(settings.sys, birth_entry, LocalClockNow()));
  TMeiData record = *NewChartRecord(*input, *at);
  if (!PassesAgeCheck(record.ChartDateTime, record.BirthDateTime)) {
    return UsageError("作式日時 " + record.ChartDateTime.DateTimeText() +
                      " は生年月日時から 0〜110 歳の範囲にありません");
  }

  ChartBoard board;
  RelationList stem_relations, branch_relations;
  const ChartRules rules{settings.usys, settings.sys};
  RunFullPipeline(board, record, range, branch_relations, stem_relations, hour_known, rules);

  std::string text;
  const ChartRowLayout layout = ChartRowLayoutOf(settings.sys, show_original);
  for (const std::string& line :
       ChartTextCopy(board, record, range, layout, stem_relations.size(), branch_relations.size())) {
    text += line + "\n";
  }
  text += "[干関係]\n";
  for (const std::string& entry : stem_relations) text += entry + "\n";
  text += "[支関係]\n";
  for (const std::string& entry : branch_relations) text += entry + "\n";
  return WriteOutput(text) ? 0 : 1;
}

}  // namespace kirvo::cli
