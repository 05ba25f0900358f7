#include "engine/patterns.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/element_analysis.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

struct Chart {
  std::array<const char*, 4> pillars;  // year, month, day, hour
  bool hour_known = true;
};

ChartBoard BoardOf(const Chart& chart, const ProgramSettings& settings) {
  BoardPillars pillars;
  pillars.year = chart.pillars[0];
  pillars.month = chart.pillars[1];
  pillars.day = chart.pillars[2];
  pillars.hour = chart.pillars[3];
  pillars.hour_known = chart.hour_known;
  // The hour column keeps its texts, so only `hour_known` can keep an unknown hour out.
  return BoardFromPillars(pillars, settings, /*blank_unknown_hour=*/false);
}

PatternResult PatternsOf(const Chart& chart, const PatternInputs& inputs, double sun_longitude = 0,
                         const ProgramSettings& settings = ShippedSettings()) {
  TMeiData record;
  record.SunLongitude = sun_longitude;
  return PatternStep(BoardOf(chart, settings), inputs, chart.hour_known, record,
                     ChartRules{settings.usys, settings.sys});
}

std::vector<int> Flagged(const PatternFlags& flags) {
  std::vector<int> indices;
  for (int index = 0; index < kPatternCount; ++index) {
    if (flags[index]) indices.push_back(index);
  }
  return indices;
}

// Pillars that show no special pattern: 戊 day, four elements once each among the stems.
const Chart kPlain = {{"甲子", "丙寅", "戊辰", "庚申"}};

struct MainCase {
  PatternInputs inputs;
  std::vector<int> expected;
};

TEST(PatternStep, MainPatternFromTheUsefulGod) {
  // clang-format off
  const MainCase kCases[] = {
      {{"甲", "辛", "内格"}, {8}},    // 正官格
      {{"甲", "甲", "内格"}, {1}},    // 比肩格
      {{"丙", "壬", "内格"}, {7}},    // 偏官格
      {{"癸", "庚", "内格"}, {10}},   // 印綬格
      {{"甲", "乙", "外格"}, {11}},   // 従旺格: same element
      {{"甲", "丁", "外格"}, {12}},   // 従児格: generated
      {{"甲", "己", "外格"}, {13}},   // 従財格: overcome
      {{"甲", "庚", "外格"}, {14}},   // 従官格: overcoming
      {{"戊", "甲", "外格"}, {14}},   // the relation wraps round the cycle
      {{"甲", "癸", "外格"}, {15}},   // 従強格: generating
      {{"", "辛", "内格"}, {}},       // no day master
      {{"甲", "甲乙", "内格"}, {29}},  // two stems: 正偏交集格 and no main pattern
      {{"丙", "丙丁", "外格"}, {29}},
      {{"甲", "Error", "内格"}, {}},
  };
  // clang-format on
  for (const MainCase& c : kCases) {
    const PatternResult result = PatternsOf(kPlain, c.inputs);
    EXPECT_EQ(Flagged(result.flags), c.expected) << c.inputs.day_master << c.inputs.useful_god;
    EXPECT_TRUE(result.spirit_stars.has_value()) << c.inputs.day_master << c.inputs.useful_god;
  }
}

TEST(PatternStep, AUsefulGodShorterThanTwoStemsComputesNothing) {
  const Chart transforming = {{"甲子", "丙寅", "壬申", "丁未"}};  // would give 化木格
  for (const char* useful_god : {"", "木", "X"}) {
    const PatternResult result = PatternsOf(transforming, {"壬", useful_god, "内格"});
    EXPECT_EQ(Flagged(result.flags), std::vector<int>{}) << useful_god;
    EXPECT_TRUE(result.names.empty()) << useful_god;
    EXPECT_FALSE(result.spirit_stars.has_value()) << useful_god;
  }
}

struct SpecialCase {
  const char* rule;
  Chart chart;
  std::vector<int> expected;
};

TEST(PatternStep, SpecialPatternsFromTheNatalPillars) {
  const SpecialCase kCases[] = {
      // 化格: the day stem with the month or hour stem.
      {"day 壬, hour 丁", {{"甲子", "丙寅", "壬申", "丁未"}}, {16}},
      {"day 壬, month 丁", {{"甲子", "丁卯", "壬申", "庚戌"}}, {16}},
      {"day 丁, hour 壬", {{"甲子", "丙寅", "丁卯", "壬寅"}}, {16}},
      {"day 壬, year 丁 only", {{"丁卯", "甲子", "壬申", "庚戌"}}, {}},
      {"day 壬, unknown hour 丁", {{"甲子", "丙寅", "壬申", "丁未"}, false}, {}},
      {"戊癸 化火", {{"甲子", "癸酉", "戊午", "甲寅"}}, {17}},
      {"甲己 化土", {{"庚午", "己卯", "甲申", "丙寅"}}, {18}},
      {"乙庚 化金", {{"甲子", "丙寅", "庚辰", "乙酉"}}, {19}},
      {"丙辛 化水", {{"甲子", "丙申", "辛卯", "戊戌"}}, {20}},
      // One-element patterns: the day stem's element and a whole branch group.
      {"甲 with 寅卯辰", {{"庚寅", "丁卯", "甲辰", "丙子"}}, {21}},
      {"甲 with 亥卯未", {{"辛亥", "辛卯", "甲戌", "辛未"}}, {21}},
      {"甲 with 亥卯午 only", {{"辛亥", "辛卯", "甲午", "丙寅"}}, {}},
      {"丙 with 寅卯辰", {{"庚寅", "己卯", "丙辰", "甲午"}}, {}},
      {"丙 with 巳午未", {{"乙巳", "癸未", "丙午", "甲午"}}, {22}},
      {"庚 with 巳酉丑", {{"乙巳", "丁酉", "庚申", "己丑"}}, {23}},
      {"壬 with 申子辰", {{"庚申", "戊辰", "壬子", "甲辰"}}, {24}},
      {"壬 with 亥丑 and the hour 子", {{"乙亥", "己丑", "壬寅", "庚子"}}, {24}},
      {"壬 with 亥丑, hour 子 unknown", {{"乙亥", "己丑", "壬寅", "庚子"}, false}, {}},
      {"戊 with 辰戌丑未", {{"丁丑", "甲戌", "戊辰", "己未"}}, {25}},
      {"戊 with 辰戌丑, hour 未 unknown", {{"丁丑", "甲戌", "戊辰", "己未"}, false}, {}},
      // 両神成象格.
      {"stems 甲乙丙丁", {{"甲子", "乙酉", "丙申", "丁酉"}}, {26}},
      {"stems 甲丙戊庚, branches three and three", {{"甲寅", "丙午", "戊寅", "庚午"}}, {26}},
      {"stems 甲丙戊庚, branches spread", {{"甲子", "丙寅", "戊午", "庚申"}}, {}},
      {"four and four", {{"甲午", "甲午", "甲寅", "丙午"}}, {26}},
      {"three and three, hour unknown", {{"甲寅", "甲午", "丙午", "壬子"}, false}, {26}},
      // 暗衝格 and 暗合格: the day branch three times or more.
      {"丙午 with three 午", {{"甲午", "庚午", "丙午", "戊子"}}, {27}},
      {"丙午 with two 午", {{"甲午", "庚寅", "丙午", "戊子"}}, {}},
      {"庚子 with 子 in year and hour", {{"甲子", "丙寅", "庚子", "丙子"}}, {27}},
      {"庚子, hour 子 unknown", {{"甲子", "丙寅", "庚子", "丙子"}, false}, {}},
      {"甲辰 with three 辰", {{"壬辰", "庚辰", "甲辰", "丙寅"}}, {28}},
      {"癸酉 with three 酉", {{"乙酉", "乙酉", "癸酉", "甲寅"}}, {28}},
  };
  for (const SpecialCase& c : kCases) {
    EXPECT_EQ(Flagged(PatternsOf(c.chart, {"甲", "Error", "内格"}).flags), c.expected) << c.rule;
  }
}

TEST(PatternStep, HiddenClashAndCombinationNeedNoOfficerNameInTheStageRow) {
  const ProgramSettings& settings = ShippedSettings();
  const Chart clash = {{"甲午", "庚午", "丙午", "戊子"}};
  const Chart combination = {{"壬辰", "庚辰", "甲辰", "丙寅"}};
  struct Case {
    const Chart* chart;
    const std::string row9;  // the text of the year column's row 9
    std::vector<int> expected;
  };
  const Case kCases[] = {
      {&clash, "帝旺", {27}},
      {&clash, settings.sys.names.ten_gods[6], {}},        // 偏官
      {&combination, settings.sys.names.ten_gods[7], {}},  // 正官
      {&combination, "x" + settings.sys.names.ten_gods[7], {}},
  };
  for (const Case& c : kCases) {
    ChartBoard board = BoardOf(*c.chart, settings);
    board(board::kYear, board::kStageOfDayMaster).Text = c.row9;
    const PatternResult result =
        PatternStep(board, {"甲", "Error", "内格"}, true, TMeiData{}, ChartRules{settings.usys, settings.sys});
    EXPECT_EQ(Flagged(result.flags), c.expected) << c.row9;
  }
}

TEST(PatternStep, NamesComeFromTheSystemSettings) {
  const Chart chart = {{"甲子", "丙寅", "壬申", "丁未"}};
  EXPECT_EQ(PatternsOf(chart, {"壬", "己", "内格"}).names, (std::vector<std::string>{"正官格", "化木格"}));

  ProgramSettings renamed = ShippedSettings();
  renamed.sys.names.patterns[8] = "官星格";
  EXPECT_EQ(PatternsOf(chart, {"壬", "己", "内格"}, 0, renamed).names, (std::vector<std::string>{"官星格", "化木格"}));
}

TEST(PatternStep, InputsAreTheTextsOfTheElementAnalysis) {
  ElementAnalysis analysis;
  analysis.gods.day_master = "甲";
  analysis.gods.useful_god = "辛";
  analysis.judgement.balance_class = kInnerPattern;
  EXPECT_EQ(PatternInputsOf(analysis).balance_class, "内格");
  EXPECT_EQ(PatternsOf(kPlain, PatternInputsOf(analysis)).flags[8], true);  // 正官格
  analysis.judgement.balance_class = kOuterPattern;
  EXPECT_EQ(PatternInputsOf(analysis).balance_class, "外格");
  EXPECT_EQ(PatternsOf(kPlain, PatternInputsOf(analysis)).flags[14], true);  // 従官格
}

TEST(PatternStep, EndsWithTheSpiritStarsOfTheHalfOfTheYear) {
  // Shipped 天乙貴人 cell of 甲 is 丑未 (by day 丑, by night 未), looked for on month, day and hour.
  const Chart chart = {{"甲子", "乙丑", "甲寅", "辛未"}};
  const PatternResult summer = PatternsOf(chart, {"甲", "Error", "内格"}, 100);
  const PatternResult winter = PatternsOf(chart, {"甲", "Error", "内格"}, 300);
  ASSERT_TRUE(summer.spirit_stars && winter.spirit_stars);
  EXPECT_TRUE(summer.spirit_stars->Carries(2, kMonthPillar));
  EXPECT_FALSE(summer.spirit_stars->Carries(2, kHourPillar));
  EXPECT_FALSE(winter.spirit_stars->Carries(2, kMonthPillar));
  EXPECT_TRUE(winter.spirit_stars->Carries(2, kHourPillar));
}

}  // namespace
}  // namespace kirvo
