// USysF.ini (the rule settings) as it comes from disk, and the pillars computed under it.
#include <cstdint>
#include <string>

#include "calendar/accepted_moments.h"
#include "calendar/moment_pillars.h"
#include "fuzz/fuzz_support.h"
#include "platform/ini_file.h"
#include "settings/calendar_settings.h"
#include "settings/program_settings.h"
#include "settings/usys_settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const int day = input.IntIn(0, 3'651'000);
  const int minute = input.IntIn(0, 24 * 60 - 1);
  const kirvo::IniFile ini = kirvo::IniFile::FromShiftJisBytes(input.Rest(), "USysF.ini");
  kirvo::LoadReport report;
  const kirvo::USysSettings settings = kirvo::USysSettingsFromIni(ini, report);

  // Whatever the file says, the rules handed to the calendar are rules it knows.
  const kirvo::CalendarRules rules = kirvo::CalendarRulesOf(settings, kirvo::ShippedSettings().sys);
  FUZZ_CHECK(rules.day_boundary == kirvo::DayBoundary::kElevenPm || rules.day_boundary == kirvo::DayBoundary::kMidnight);
  for (const kirvo::DepthMode mode : rules.depth_modes) {
    FUZZ_CHECK(static_cast<int>(mode) >= 0 && static_cast<int>(mode) <= 2);
  }
  const kirvo::DateTime first = *kirvo::DateTime::ParseDateTimeText(kirvo::kFirstAcceptedMomentText);
  const kirvo::DateTime moment = (first + day + minute / (24.0 * 60)).TruncatedToMinute();
  if (!kirvo::IsAcceptedMoment(moment)) return 0;
  const kirvo::MomentPillars pillars = kirvo::MomentPillars::At(moment, rules);
  FUZZ_CHECK(kirvo::DateTime::ParseTermMomentText(pillars.month_start_moment).has_value());
  for (int slot = 0; slot < 4; ++slot) {
    FUZZ_CHECK(pillars.stems[slot] >= 0 && pillars.stems[slot] < 10);
    FUZZ_CHECK(pillars.branches[slot] >= 0 && pillars.branches[slot] < 12);
  }
  return 0;
}
