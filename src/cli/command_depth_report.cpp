#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/moment_input.h"
#include "calendar/accepted_moments.h"
#include "calendar/local_clock.h"
#include "cli/tool_settings.h"
#include "platform/console_interaction.h"
#include "settings/depth_report.h"
#include "settings/sys_settings.h"
#include "settings/calendar_settings.h"

namespace kirvo::cli {
namespace {

// The report shows the year periods of all twelve branches, reaching back up to eleven years and a
// month; all of them must lie within the accepted moments.
constexpr double kReportReachDays = 12 * 365.25;
constexpr std::string_view kFirstReportMomentText = "0013/03/23 00:00";

bool Reportable(DateTime now) { return IsAcceptedMoment(now) && IsAcceptedMoment(now - kReportReachDays); }

int OutOfReportRange(std::string_view what) {
  std::fprintf(stderr, "%.*s: 深浅の表を作れる範囲の外の日時です (%.*s～%.*s)\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(kFirstReportMomentText.size()), kFirstReportMomentText.data(),
               static_cast<int>(kLastAcceptedMomentText.size()), kLastAcceptedMomentText.data());
  return kExitUsage;
}

}  // namespace

// "depth-report [--folder DIR] [--now "YYYY/MM/DD hh:nn"]": the text that "深浅の日時をコピー"
// puts on the clipboard. Without --now the moment is the program's "now" (the clock plus the
// system settings' offset).
int RunDepthReport(const std::vector<std::string>& args) {
  const ParsedArguments parsed = ParseOptions(args, {"--folder", "--now"});
  if (ReportArgumentError(parsed)) return kExitUsage;
  std::optional<DateTime> now;
  if (const std::optional<std::string> text = parsed.Get("--now")) {
    const MomentLine moment = ParseMomentLine(*text);
    if (!moment.moment) {
      std::fprintf(stderr, "--now: %s\n", moment.reason.c_str());
      return kExitUsage;
    }
    now = moment.moment;
    if (!Reportable(*now)) return OutOfReportRange("--now");
  }

  ConsoleInteraction console;
  const std::optional<ApplicationServices> loaded = LoadServicesOrReport(parsed.Get("--folder"), console);
  if (!loaded) return kExitUsage;
  const ProgramSettings& settings = loaded->settings();
  if (!now) {
    now = SettingsNow(settings.sys, LocalClockNow());
    if (!Reportable(*now)) return OutOfReportRange("現在の日時");
  }
  return WriteOutput(DepthReportText(settings.usys.Table("ZSG"), *now, CalendarRulesOf(settings.usys, settings.sys)))
             ? 0
             : 1;
}

}  // namespace kirvo::cli
