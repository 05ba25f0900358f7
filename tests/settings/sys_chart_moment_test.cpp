#include "settings/sys_chart_moment.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

TEST(SysChartMoment, ClockFixedMomentAndTheAgeRule) {
  const DateTime now = At("2024/05/10 12:00");
  struct Case {
    const char* name;
    std::function<void(SysSettings&)> edit;
    std::optional<std::string_view> birth;
    DateTime expected;
  };
  const Case cases[] = {
      {"the clock", [](SysSettings&) {}, std::nullopt, now},
      {"NowE minutes after the clock", [](SysSettings& s) { s.NowE = "30"; }, std::nullopt, At("2024/05/10 12:30")},
      {"NowE before the clock", [](SysSettings& s) { s.NowE = "-90.0"; }, std::nullopt, At("2024/05/10 10:30")},
      // More than a day is no natural-time offset and would carry "now" out of the calendar.
      {"NowE far ahead counts as none", [](SysSettings& s) { s.NowE = "100000000000000000000"; }, std::nullopt, now},
      {"NowE far back counts as none", [](SysSettings& s) { s.NowE = "-1441"; }, std::nullopt, now},
      {"fixed moment",
       [](SysSettings& s) {
         s.NRG = 1;
         s.NowE = "30";
       },
       std::nullopt, At("2001/01/01 00:00")},
      {"fixed moment that is no date-time falls back to the clock",
       [](SysSettings& s) {
         s.NRG = 1;
         s.NDate = "2001/02/30";
       },
       std::nullopt, now},
      {"birth in the past", [](SysSettings&) {}, "1980/03/04 05:06", now},
      {"birth in the future", [](SysSettings&) {}, "2030/01/01 06:00", At("2030/01/01 06:00") + 30.59},
      {"unknown hour read as noon", [](SysSettings&) {}, "2030/01/01 99:99", At("2030/01/01 12:00") + 30.59},
      {"more than 99.9 years after birth", [](SysSettings&) {}, "1924/05/01 12:00", At("1924/05/01 12:00") + 30.59},
      {"99.8 years after birth", [](SysSettings&) {}, "1924/07/20 12:00", now},
      {"DRG off keeps the moment", [](SysSettings& s) { s.DRG = false; }, "2030/01/01 06:00", now},
      {"the text No", [](SysSettings&) {}, "No", now},
      {"a birth text that is no date-time", [](SysSettings&) {}, "2030/13/01 06:00", now},
      {"fixed moment before birth", [](SysSettings& s) { s.NRG = 1; }, "2010/06/01 00:00",
       At("2010/06/01 00:00") + 30.59},
  };
  for (const Case& c : cases) {
    SysSettings settings;
    c.edit(settings);
    EXPECT_NEAR(DefaultChartMoment(settings, c.birth, now).days(), c.expected.days(), 1e-9) << c.name;
  }
}

TEST(SysChartMoment, TheProgramsNowAndTimeZone) {
  SysSettings settings;
  settings.NowE = "1440";
  EXPECT_DOUBLE_EQ(SettingsNow(settings, At("2024/01/01 00:00")).days(), At("2024/01/02 00:00").days());
  struct Case {
    const char* text;
    double hours;
  };
  const Case cases[] = {{"9.0", 9.0}, {"-3.5", -3.5}, {"+5", 5.0}, {"5.75", 5.75}, {"", 9.0},
                        {"9,0", 9.0}, {"nan", 9.0},   {"25", 9.0}, {"+-1", 9.0},   {" 8", 9.0}};
  for (const Case& c : cases) {
    settings.TZE = c.text;
    EXPECT_EQ(TimeZoneHours(settings), c.hours) << c.text;
  }
}

}  // namespace
}  // namespace kirvo
