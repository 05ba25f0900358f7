// The default chart moment a new chart takes from SysF.ini, a birth text and the clock: whatever
// it is, a chart either refuses it or computes its pillars.
#include <cmath>
#include <cstdint>
#include <string>

#include "calendar/accepted_moments.h"
#include "calendar/moment_pillars.h"
#include "fuzz/fuzz_support.h"
#include "platform/ini_file.h"
#include "settings/sys_chart_moment.h"
#include "settings/sys_load_problems.h"
#include "settings/sys_settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const bool with_birth = input.Flag();
  const std::string birth = input.Text(20);
  const double now_minutes = input.IntIn(0, 1 << 30) * 4.0;  // years 1..9999 and beyond
  const kirvo::IniFile ini = kirvo::IniFile::FromShiftJisBytes(input.Rest(), "SysF.ini");
  kirvo::LoadProblemReport report("SysF.ini");
  const kirvo::SysSettings settings = kirvo::SysSettingsFromIni(ini, "", report);

  const kirvo::DateTime now = kirvo::DateTime(-693593.0 + now_minutes / (24 * 60));  // from 0001/01/01
  const kirvo::DateTime chosen =
      kirvo::DefaultChartMoment(settings, with_birth ? std::optional<std::string_view>(birth) : std::nullopt, now);
  FUZZ_CHECK(std::isfinite(chosen.days()));
  // As a chart takes it: to the minute through its date text, and only within the accepted moments.
  const std::optional<kirvo::DateTime> minute = kirvo::DateTime::ParseDateTimeText(chosen.DateTimeText());
  if (!minute || !kirvo::IsAcceptedMoment(*minute)) return 0;
  FUZZ_CHECK(kirvo::DateTime::ParseDateTimeText(minute->DateTimeText()) == minute);
  const kirvo::MomentPillars pillars = kirvo::MomentPillars::At(*minute, kirvo::CalendarRules{});
  FUZZ_CHECK(kirvo::DateTime::ParseTermMomentText(pillars.month_start_moment).has_value());
  return 0;
}
