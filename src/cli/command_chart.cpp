#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/accepted_moments.h"
#include "calendar/local_clock.h"
#include "engine/chart_age.h"
#include "cli/arguments.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "cli/pdf_output.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "platform/name_text.h"
#include "presentation/chart/chart_session.h"
#include "presentation/print/chart_print_job.h"

namespace kirvo::cli {
namespace {

constexpr std::string_view kOriginalFlag = "--original";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitUsage;
}

constexpr std::array<std::string_view, kNatalPillarCount> kPillarCaptions = {"年柱：", "月柱：", "日柱：", "時柱："};

// The side panel's grids as their text copies, the patterns found, each natal pillar's spirit
// stars and the explanation texts.
std::string ContentText(const ChartContent& content, const SysSettings& sys) {
  std::string text = "[内容表]\n" + GridTextOf(content, CopyableGrid::kContentTable);
  text += "[五行表]\n" + GridTextOf(content, CopyableGrid::kElementTable);
  text += "[干数値表]\n" + GridTextOf(content, CopyableGrid::kStemNumbers);
  text += "[格局]\n";
  for (const std::string& name : content.patterns.names) text += name + "\n";
  text += "[神殺]\n";
  for (int pillar = 0; pillar < kNatalPillarCount; ++pillar) {
    text += kPillarCaptions[pillar];
    std::string_view separator;
    for (const int slot : content.spirit_stars.SlotsOf(static_cast<NatalPillar>(pillar))) {
      text.append(separator) += sys.names.spirit_stars[slot];
      separator = "・";
    }
    text += "\n";
  }
  // Each memo's text followed by a line end, so the empty line closing each pattern shows.
  text += "[説明]\n";
  if (!content.KakuMemo.empty()) text += content.KakuMemo + "\n";
  return text + content.SMemo + "\n";
}

}  // namespace

// "chart [--folder DIR] --name NAME --sex 男|女 --birth "YYYY/MM/DD hh:nn" [--at "YYYY/MM/DD hh:nn"]
// [--range 0..5] [--original] [--pdf FILE]": the chart as the chart window's text copy lays it out,
// the stem and branch relation lists, then what the side panel shows of the chart; with --pdf, the
// chart window's print written to FILE in place of all that. The explanation texts
// and the branding come from the settings' folder, else from the texts built into the tool.
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
  const ParsedArguments parsed =
      ParseOptions(options, {"--folder", "--name", "--sex", "--birth", "--at", "--range", "--pdf"});
  if (!parsed.error.empty()) return UsageError(parsed.error);

  const std::optional<std::string> name = parsed.Get("--name");
  if (!name || name->empty()) return UsageError("--name: 氏名を指定してください");
  if (const Status usable = CheckEnteredName(*name); !usable) return UsageError("--name: " + usable.error());
  const std::optional<std::string> sex_text = parsed.Get("--sex");
  const std::optional<Sex> sex = sex_text ? SexOfName(*sex_text) : std::nullopt;
  if (!sex) return UsageError("--sex: 男 または 女 を指定してください");
  const std::optional<std::string> birth_text = parsed.Get("--birth");
  if (!birth_text) return UsageError("--birth: 生年月日時 \"YYYY/MM/DD hh:nn\" を指定してください（時刻不明は 99:99）");
  const std::optional<BirthMoment> birth = BirthOfText(*birth_text);
  if (!birth) return UsageError("--birth: 日付または時刻が正しくありません: " + *birth_text);
  if (!IsAcceptedMoment(birth->moment)) return UsageError("--birth: " + OutOfRangeReason() + ": " + *birth_text);
  const BirthInput input{*name, *birth, *sex};
  const auto chart_options = ReadChartOptions(parsed);
  if (const auto* wrong = std::get_if<std::string>(&chart_options)) return UsageError(*wrong);
  const auto [range, at] = std::get<ChartOptions>(chart_options);

  ConsoleInteraction console;
  const std::optional<ApplicationServices> services = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!services) return kExitUsage;

  Outcome<ChartSession> created = ChartSession::Create(*services, input, LocalClockNow(), at);
  if (!created) return UsageError(created.error());
  ChartSession& session = created.value();
  session.SetRange(range);
  if (const Status computed = session.Compute(); !computed) return UsageError(computed.error());
  if (const std::optional<std::string> pdf = parsed.Get("--pdf")) {
    return WritePdfOutput(ChartPrintJob(session, services->settings().sys, show_original), *services, *pdf);
  }

  std::string text;
  for (const std::string& line : session.TextCopy(show_original)) text += line + "\n";
  text += "[干関係]\n";
  for (const std::string& entry : session.chart().stem_relations) text += entry + "\n";
  text += "[支関係]\n";
  for (const std::string& entry : session.chart().branch_relations) text += entry + "\n";
  text += ContentText(session.content(), services->settings().sys);
  return WriteOutput(text) ? 0 : 1;
}

}  // namespace kirvo::cli
