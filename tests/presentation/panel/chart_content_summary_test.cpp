#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "presentation/panel/chart_content.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

TMeiData RecordBornAt(const char* birth_text) {
  TMeiData record;
  record.BirthText = birth_text;
  record.BirthDateTime = *DateTime::ParseDateTimeText(birth_text);
  return record;
}

SummaryBlock SummaryWith(const TMeiData& record, int duration_rule, bool hour_known = true) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetChoice("DuRG", duration_rule);
  return SummaryBlockOf(record, hour_known, ChartRules{settings.usys, settings.sys});
}

SummaryHints HintsWith(const TMeiData& record, int duration_rule) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetChoice("DuRG", duration_rule);
  return SummaryHintsOf(record, ChartRules{settings.usys, settings.sys});
}

TEST(SummaryBlock, StartOfLuckInMonthsOrInYears) {
  struct Case {
    int duration_rule;  // DuRG: 0 months, 1 years
    int direction;
    int years, months;
    std::string expected;
  };
  const Case kCases[] = {
      {1, 1, 7, 0, "立運:逆 7年"},    {1, 0, 12, 0, "立運:順12年"},      {0, 0, 0, 0, "立運：0年 0ｶ月"},
      {0, 1, 3, 4, "立運：3年 4ｶ月"}, {0, 0, 10, 11, "立運：10年11ｶ月"},
  };
  for (const Case& c : kCases) {
    TMeiData record = RecordBornAt("1984/02/10 12:00");
    record.LuckDirection = static_cast<std::uint8_t>(c.direction);
    record.StartAgeYears = c.years;
    record.StartAgeMonths = c.months;
    EXPECT_EQ(SummaryWith(record, c.duration_rule).RituNL, c.expected);
  }
}

TEST(SummaryBlock, SeasonShowsTheCommandingStemsState) {
  struct Case {
    int season;
    int commanding_stem;
    std::string expected;
  };
  const Case kCases[] = {
      {0, 0, "春月:木[旺]"}, {0, 8, "春月:木[相]"}, {0, 2, "春月:木[休]"}, {0, 6, "春月:木[囚]"}, {0, 4, "春月:木[死]"},
      {1, 9, "夏月:火[囚]"}, {2, 1, "秋月:金[死]"}, {3, 7, "冬月:水[相]"}, {4, 5, "土用:土[旺]"},
  };
  for (const Case& c : kCases) {
    TMeiData record = RecordBornAt("1984/02/10 12:00");
    record.SeasonIndex = static_cast<std::uint8_t>(c.season);
    record.CommandingStem = static_cast<std::uint8_t>(c.commanding_stem);
    EXPECT_EQ(SummaryWith(record, 0).TukiL, c.expected);
  }
}

TEST(SummaryBlock, PersonBirthAgeAndLongitude) {
  TMeiData record = RecordBornAt("1984/02/10 12:00");
  record.PersonName = "試験太郎";
  record.Sex = Sex::kFemale;
  record.LuckDirection = 1;
  record.AgeYears = 34;
  record.AgeMonths = 5;
  record.SunLongitude = 320.569;
  const SummaryBlock block = SummaryWith(record, 0);
  EXPECT_EQ(block.Name, "試験太郎");
  EXPECT_EQ(block.SexL, "女");
  EXPECT_EQ(block.JuGa, "逆行運");
  EXPECT_EQ(block.DT, "1984/02/10 12:00");
  EXPECT_EQ(block.Old, "34歳 5ｶ月");
  EXPECT_EQ(block.KoukeiL, "黄経:");
  EXPECT_EQ(block.AngL, "320.57");

  record.AgeYears = 0;
  record.AgeMonths = 11;
  record.SunLongitude = 5;
  EXPECT_EQ(SummaryWith(record, 0).Old, "0歳11ｶ月");
  EXPECT_EQ(SummaryWith(record, 0).AngL, "5.00");
}

TEST(SummaryBlock, AnUnknownHourShowsNoonAndGivesTheHintsOfNoon) {
  TMeiData unknown = RecordBornAt("1990/08/20 12:00");
  unknown.BirthText = "1990/08/20 99:99";
  EXPECT_EQ(SummaryWith(unknown, 0, /*hour_known=*/false).DT, "1990/08/20 12:00");
  const SummaryHints noon = HintsWith(RecordBornAt("1990/08/20 12:00"), 0);
  EXPECT_EQ(HintsWith(unknown, 0), noon);
  EXPECT_NE(noon.KoukeiL, "朔日：");
}

// The hints name the 節 that opened the birth month and the one after it; in the year unit the
// start-of-luck hint adds the depth days.
TEST(SummaryHints, TheMonthsTermTheNextAndTheDepthDays) {
  const SummaryHints months = HintsWith(RecordBornAt("1984/02/10 12:00"), 0);
  EXPECT_EQ(months.RituNL, "節入:1984/2/5 0:6　深浅:");
  EXPECT_EQ(months.KoukeiL, "朔日：1984/2/5 0:6:40");
  EXPECT_EQ(months.AngL, "翌朔日：1984/3/5 18:10:48");
  TMeiData forward = RecordBornAt("1984/02/10 12:00");
  EXPECT_EQ(HintsWith(forward, 1).RituNL, "節入:1984/2/5 0:6　深浅:25日");  // 30 − 5 days
  forward.LuckDirection = 1;
  EXPECT_EQ(HintsWith(forward, 1).RituNL, "節入:1984/2/5 0:6　深浅:5日");

  // Over a year of births, short and long months alike: 朔日 ≤ birth < 翌朔日, a month apart.
  for (int month = 1; month <= 12; ++month) {
    for (const int day : {1, 6, 28}) {
      char text[32];
      std::snprintf(text, sizeof text, "2023/%02d/%02d 23:50", month, day);
      const SummaryHints hints = HintsWith(RecordBornAt(text), 0);
      const auto opened = DateTime::ParseTermMomentText(hints.KoukeiL.substr(std::string("朔日：").size()));
      const auto next = DateTime::ParseTermMomentText(hints.AngL.substr(std::string("翌朔日：").size()));
      ASSERT_TRUE(opened && next) << text;
      const DateTime birth = *DateTime::ParseDateTimeText(text);
      EXPECT_LE(*opened, birth) << text;
      EXPECT_GT(*next, birth) << text;
      EXPECT_GT(*next - *opened, 29.0) << text;
      EXPECT_LT(*next - *opened, 32.0) << text;
    }
  }
}

TEST(HeaderLine, ChartMomentWithTheTimeLeftOutAtMidnight) {
  EXPECT_EQ(ContentHeaderLine("< 年運まで >", *DateTime::ParseDateTimeText("2024/07/20 00:00")),
            "< 年運まで >　作式：2024/07/20");
  EXPECT_EQ(ContentHeaderLine("< 命式のみ >", *DateTime::ParseDateTimeText("2024/07/20 09:05")),
            "< 命式のみ >　作式：2024/07/20 9:05:00");
  EXPECT_EQ(ContentHeaderLine("", *DateTime::ParseDateTimeText("1995/03/15 23:59")), "　作式：1995/03/15 23:59:00");
}

}  // namespace
}  // namespace kirvo
