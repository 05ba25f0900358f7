#include "engine/balance.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/analysis_steps.h"
#include "engine/decimal_text.h"
#include "engine/element_analysis.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// The board as the pipeline leaves a chart without stem or branch relations: the month's commanding
// hidden stem marked ◎ by the branch step, then the roots.
ChartBoard AnalysedBoard(const BoardPillars& pillars, LuckRange range, const ProgramSettings& settings) {
  ChartBoard board = BoardFromPillars(pillars, settings);
  board(board::kMonth, board::kWorkHidden1 + board(board::kMonth, board::kDepthRow).Code).ZSet = Mark::kMonthCommand;
  RootsStep(board, range, pillars.hour_known, {settings.usys, settings.sys});
  return board;
}

TMeiData RecordInSeason(int season_index) {
  TMeiData record;
  record.SeasonIndex = static_cast<std::uint8_t>(season_index);
  return record;
}

// A row of the five-element table: 気 五 干 支 蔵 令 通 = 計 × 係数 → 力量 (構成 %).
std::string RowText(const ElementNumberRow& row) {
  return row.relation_name + std::string(kElementNames[row.element]) + " " + std::to_string(row.stems) + " " +
         std::to_string(row.branches) + " " + std::to_string(row.hidden_stems) + " " +
         std::to_string(row.month_command) + " " + std::to_string(row.roots) + " = " + std::to_string(row.total) +
         " × " + DecimalText(row.coefficient, 5) + " → " + DecimalText(row.strength, 2) + " (" +
         DecimalText(row.share, 1) + ")";
}
std::vector<std::string> TableText(const ElementNumberTable& table) {
  std::vector<std::string> rows;
  for (const ElementNumberRow& row : table.rows) rows.push_back(RowText(row));
  return rows;
}
// The stem numbers 甲..癸 as "total/weighted".
std::vector<std::string> StemText(const StemNumbers& stems) {
  std::vector<std::string> texts;
  for (Stem stem = 0; stem < kNoStem; ++stem) {
    texts.push_back(std::to_string(stems.totals[stem]) + "/" + StemValueText(stems.weighted[stem]));
  }
  return texts;
}
// 順数値 逆数値 順－逆 均衡度 吉度数 as shown, then 内外格 and 身.
std::string JudgementText(const Judgement& j) {
  return DecimalText(j.forward, 2) + " " + DecimalText(j.backward, 2) + " " + DecimalText(j.difference, 2) + " " +
         DecimalText(j.balance, 2) + " " + DecimalText(j.favour, 2) + " " +
         std::string(kBalanceClassNames[j.balance_class]) + " " + std::string(kStrengthClassNames[j.strength]);
}

// 年 癸巳, 月 甲寅 (本気 甲 in command), 日 甲辰, 時 辛未 with △ (halved) set on the hour stem by hand,
// 大運 壬辰 taking part (大運まで); spring. No stem or branch relation holds among these pillars.
// Shipped base numbers (SSG, columns 9 8 7 6 5): stem 8 10 10 10 8, branch 6 10 8 6 6, hidden
// 余/中/本 2/2/6 4/4/10 2/2/8 2/2/6 2/2/6, roots 余/中/本 2/2/4 2/4/6 2/2/4 2/2/4 2/2/4.
//   干: 癸 8, 甲 10 + 10, 辛 10 halved 5, 壬 8.
//   蔵: 巳 戊2 庚2 丙6; 寅 戊4 丙4 甲10; 辰 乙2 癸2 戊8; 未 丁2 乙2 己6; 辰 乙2 癸2 戊6.
//   令: 甲 当令 in spring, SSG2 column 1: 10.
//   通: 癸 in 辰 (中気, 2) and 辰 of the 大運 (中気, 2): 4; each 甲 in 寅 (本気, 6), 辰 (余気, 2),
//       未 (中気, 2) and 辰 of the 大運 (余気, 2): 12, together 24; 辛 in 巳 (庚 中気, 2); 壬 as 癸: 4.
//   支: 巳 火 6, 寅 木 10, 辰 土 8, 未 土 6, 辰 土 6.
// Stems (干 + 蔵 + 令 + 通): 甲 20+10+10+24 = 64, 乙 6, 丙 10, 丁 2, 戊 20, 己 6, 庚 2, 辛 5+2 = 7,
// 壬 8+4 = 12, 癸 8+4+4 = 16.
// Elements (干 支 蔵 令 通): 木 20 10 16 10 24 = 80; 火 0 6 12 0 0 = 18; 土 0 20 26 0 0 = 46;
// 金 5 0 2 0 2 = 9; 水 16 0 4 0 8 = 28; all 181. Every element present: 係数 .8125 .3125 .625
// .28125 .40625. 力量 主 65, 洩 5.625, 分 28.75, 剋 2.53125, 生 11.375. 構成 80/181 = 44.20 %, 9.94,
// 25.41, 4.97, 15.47.
// Weighted stems: 甲 64 × .8125 = 52, 乙 4.875, 丙 3.125, 丁 .625, 戊 12.5, 己 3.75, 庚 .5625,
// 辛 1.96875, 壬 4.875, 癸 6.5.
// o = 65 + 11.375 = 76.375, t = 5.625 + 28.75 + 2.53125 = 36.90625, o − t = 39.46875 (身旺: 20 ≤ x < 50);
// u = t / o × 100 = 48.3224 > 25 → 内格, 吉度数 (48.3224 − 25) × 100 / 75 = 31.0966.
// 用神 (largest stem, the day master 甲 skipped; visiting 乙 壬 癸 庚 辛 戊 己 丙 丁): 戊 12.5.
// 調候 甲 in 寅: "丙癸". 弱めたい 火土金, 忌神 土 (largest 力量 of 洩 分 剋), 強めたい 木水, 喜神 木
// (11.375 is not above 65); 内格 with o − t ≥ 0 exchanges them.
TEST(ElementAnalysis, ChartByRatioOfTheTwoSides) {
  ProgramSettings settings = ShippedSettings();
  const BoardPillars pillars = {.year = "癸巳", .month = "甲寅", .day = "甲辰", .hour = "辛未", .major_luck = "壬辰"};
  ChartBoard board = AnalysedBoard(pillars, LuckRange::kMajorLuck, settings);
  board(board::kHour, board::kWorkStem).ZSet = Mark::kHalved;
  const ElementAnalysis a =
      AnalyseElements(board, RecordInSeason(0), LuckRange::kMajorLuck, true, {settings.usys, settings.sys});

  EXPECT_EQ(TableText(a.numbers.table), (std::vector<std::string>{
                                            "主木 20 10 16 10 24 = 80 × 0.81250 → 65.00 (44.2)",
                                            "洩火 0 6 12 0 0 = 18 × 0.31250 → 5.63 (9.9)",
                                            "分土 0 20 26 0 0 = 46 × 0.62500 → 28.75 (25.4)",
                                            "剋金 5 0 2 0 2 = 9 × 0.28125 → 2.53 (5.0)",
                                            "生水 16 0 4 0 8 = 28 × 0.40625 → 11.38 (15.5)",
                                        }));
  EXPECT_EQ(a.numbers.table.day_master_element, 0);
  EXPECT_EQ(a.numbers.table.strongest, 0);
  EXPECT_EQ(StemText(a.numbers.stems), (std::vector<std::string>{"64/52.0", "6/4.9", "10/3.1", "2/0.6", "20/12.5",
                                                                 "6/3.8", "2/0.6", "7/2.0", "12/4.9", "16/6.5"}));
  EXPECT_EQ(JudgementText(a.judgement), "76.38 36.91 39.47 48.32 31.10 内格 身旺");
  EXPECT_EQ(a.gods.day_master, "甲");
  EXPECT_EQ(a.gods.useful_god, "戊");
  EXPECT_EQ(a.gods.climate_god, "丙癸");
  EXPECT_EQ(a.gods.elements.to_weaken, "木水");
  EXPECT_EQ(a.gods.elements.unfavourable, "木");
  EXPECT_EQ(a.gods.elements.to_strengthen, "火土金");
  EXPECT_EQ(a.gods.elements.favourable, "土");
}

// 年 癸酉, 月 甲寅 with the 中気 丙 in command, 日 丙子, hour not known; spring; natal only. No stem or
// branch relation holds. Settings: 標準偏差 (KiRG 1) and 構成値 (RRG 1); AVE 50, StdE 25, NGE 25.
// Base numbers as above for columns 9 8 7.
//   干: 癸 8, 甲 10, 丙 10.
//   蔵: 酉 庚2 辛2 辛6; 寅 戊4 丙4 甲10; 子 壬2 癸2 癸8.
//   令: 丙 (火) in spring is generated by the season (令生), SSG2 column 5: 6.
//   通: 癸 in 子, whose three hidden stems are all 水: only the 本気 counts, 4; 甲 in 寅 (本気, 6);
//       丙 in 寅 (中気, 4).
//   支: 酉 金 6, 寅 木 10, 子 水 8.
// Stems: 甲 10+10+6 = 26, 丙 10+4+6+4 = 24, 戊 4, 庚 2, 辛 8, 壬 2, 癸 8+10+4 = 22, others 0.
// Elements (day master 丙): 主火 10 0 4 6 4 = 24; 洩土 0 0 4 0 0 = 4; 分金 0 6 10 0 0 = 16;
// 剋水 8 8 12 0 4 = 32; 生木 10 10 10 0 6 = 36; all 112. 力量 19.5, 1.25, 10, 9, 14.625; 構成 21.43,
// 3.57, 14.29, 28.57, 32.14. Weighted stems: 甲 26 × .40625 = 10.5625, 丙 24 × .8125 = 19.5, 戊 1.25,
// 庚 1.25, 辛 5, 壬 .5625, 癸 6.1875.
// With 構成値 the sides are sums of 計: o = 24 + 36 = 60, t = 4 + 16 + 32 = 52, o − t = 8 (中和).
// 均衡度: s1 = sample deviation of 24 4 16 32 and o + t = 112: mean 37.6, squares 184.96 1128.96
// 466.56 31.36 5535.36, sum 7347.2 / 4 = 1836.8, s1 = 42.8579. s2 of 24 4 16 32 36: mean 22.4,
// squares 2.56 338.56 40.96 92.16 184.96, sum 659.2 / 4 = 164.8, s2 = 12.8374. p = 50 % of s1 =
// 21.4290; d = p − s2 = 8.5915; z = d / (25 % of (s1 − p) = 5.3572) = 1.6037; N(1.60) = 0.44520;
// d ≥ 0: u = 100 × (0.5 + 0.4452) = 94.52 > 25 → 内格, 吉度数 (94.52 − 25) × 100 / 75 = 92.69.
// 用神 (largest stem; 丙 skipped; visiting 丁 甲 乙 壬 癸 庚 辛 戊 己): 甲 10.5625.
// 調候 丙 in 寅: "壬庚". 弱めたい 土金水, 忌神 金 (10 of 1.25 10 9), 強めたい 火木, 喜神 火 (14.625 is
// not above 19.5); 内格 with o − t ≥ 0 exchanges them.
TEST(ElementAnalysis, ChartBySpreadOfTheRows) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetChoice("KiRG", 1);
  settings.usys.SetChoice("RRG", 1);
  const BoardPillars pillars = {.year = "癸酉", .month = {"甲寅", 1}, .day = "丙子", .hour = "", .hour_known = false};
  const ChartBoard board = AnalysedBoard(pillars, LuckRange::kNatalOnly, settings);
  const ElementAnalysis a =
      AnalyseElements(board, RecordInSeason(0), LuckRange::kNatalOnly, false, {settings.usys, settings.sys});

  EXPECT_EQ(TableText(a.numbers.table), (std::vector<std::string>{
                                            "主火 10 0 4 6 4 = 24 × 0.81250 → 19.50 (21.4)",
                                            "洩土 0 0 4 0 0 = 4 × 0.31250 → 1.25 (3.6)",
                                            "分金 0 6 10 0 0 = 16 × 0.62500 → 10.00 (14.3)",
                                            "剋水 8 8 12 0 4 = 32 × 0.28125 → 9.00 (28.6)",
                                            "生木 10 10 10 0 6 = 36 × 0.40625 → 14.63 (32.1)",
                                        }));
  EXPECT_EQ(a.numbers.table.strongest, 0);  // 木
  EXPECT_EQ(StemText(a.numbers.stems), (std::vector<std::string>{"26/10.6", "0/0.0", "24/19.5", "0/0.0", "4/1.3",
                                                                 "0/0.0", "2/1.3", "8/5.0", "2/0.6", "22/6.2"}));
  EXPECT_EQ(JudgementText(a.judgement), "60.00 52.00 8.00 94.52 92.69 内格 中和");
  EXPECT_EQ(a.gods.day_master, "丙");
  EXPECT_EQ(a.gods.useful_god, "甲");
  EXPECT_EQ(a.gods.climate_god, "壬庚");
  EXPECT_EQ(a.gods.elements.to_weaken, "火木");
  EXPECT_EQ(a.gods.elements.unfavourable, "火");
  EXPECT_EQ(a.gods.elements.to_strengthen, "土金水");
  EXPECT_EQ(a.gods.elements.favourable, "金");
}

// A five-element table with chosen numbers: 力量 and 計 alike (the coefficients do not matter here).
ElementNumberTable TableOf(const std::array<double, 5>& values) {
  ElementNumberTable table;
  for (ElementRelation n = 0; n < 5; ++n) {
    table.rows[n].relation = n;
    table.rows[n].element = n;
    table.rows[n].strength = values[n];
    table.rows[n].total = static_cast<std::int64_t>(values[n]);
  }
  return table;
}

TEST(JudgeBalance, RatioOfTheSidesAgainstTheThreshold) {
  struct Case {
    const char* name;
    std::array<double, 5> values;  // 主 洩 分 剋 生
    const char* NGE;
    const char* expected;  // JudgementText
  };
  const Case kCases[] = {
      {"stronger side 40 against 8", {30, 4, 2, 2, 10}, "25", "40.00 8.00 32.00 20.00 20.00 外格 身旺"},
      {"balance equal to NGE is outer", {30, 4, 4, 2, 10}, "25", "40.00 10.00 30.00 25.00 0.00 外格 身旺"},
      {"just above NGE", {30, 4, 4, 2.04, 10}, "25", "40.00 10.04 29.96 25.10 0.13 内格 身旺"},
      {"weak side over strong", {10, 20, 10, 10, 10}, "25", "20.00 40.00 -20.00 50.00 33.33 内格 身弱"},
      {"no forward number: 0 %, fully outer", {0, 20, 10, 10, 0}, "25", "0.00 40.00 -40.00 0.00 100.00 外格 身弱"},
      {"no backward number", {50, 0, 0, 0, 10}, "60", "60.00 0.00 60.00 0.00 100.00 外格 極旺"},
      {"NGE 0: outer only at 0 %, degree 0", {0, 20, 10, 10, 0}, "0", "0.00 40.00 -40.00 0.00 0.00 外格 身弱"},
      {"NGE 0: anything above is inner", {10, 5, 0, 0, 0}, "0", "10.00 5.00 5.00 50.00 50.00 内格 中和"},
      {"NGE no number counts as 25", {30, 4, 4, 2, 10}, "abc", "40.00 10.00 30.00 25.00 0.00 外格 身旺"},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = ShippedSettings();
    settings.usys.SetNumber("NGE", c.NGE);
    EXPECT_EQ(JudgementText(JudgeBalance(TableOf(c.values), {settings.usys, settings.sys})), c.expected) << c.name;
  }
}

TEST(JudgeBalance, SidesOfStrengthOrOfTotals) {
  ProgramSettings settings = ShippedSettings();
  ElementNumberTable table = TableOf({0, 0, 0, 0, 0});
  const std::array<double, 5> strengths = {8.125, 3.125, 6.25, 2.8125, 4.0625};
  const std::array<std::int64_t, 5> totals = {10, 10, 10, 10, 10};
  for (ElementRelation n = 0; n < 5; ++n) {
    table.rows[n].strength = strengths[n];
    table.rows[n].total = totals[n];
  }
  EXPECT_EQ(JudgementText(JudgeBalance(table, {settings.usys, settings.sys})),
            "12.19 12.19 0.00 100.00 100.00 内格 中和");
  settings.usys.SetChoice("RRG", 1);
  EXPECT_EQ(JudgementText(JudgeBalance(table, {settings.usys, settings.sys})),
            "20.00 30.00 -10.00 66.67 55.56 内格 身弱");
}

TEST(StrengthClass, ThresholdsBelongToTheUpperClass) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetCell("MSG", 1, 0, "-20");
  settings.usys.SetCell("MSG", 3, 0, "0");
  settings.usys.SetCell("MSG", 5, 0, "20");
  const std::array<std::pair<double, StrengthClass>, 6> kCases = {
      {{-20.01, 0}, {-20, 1}, {-0.01, 1}, {0, 2}, {19.99, 2}, {20, 3}}};
  for (const auto& [difference, expected] : kCases) {
    EXPECT_EQ(StrengthClassOf(difference, {settings.usys, settings.sys}), expected) << difference;
  }
  // Equal neighbouring thresholds leave the middle class empty.
  settings.usys.SetCell("MSG", 3, 0, "-20");
  EXPECT_EQ(StrengthClassOf(-20, {settings.usys, settings.sys}), 2);
}

TEST(NormalTable, AreasOfTheStandardTable) {
  // Values of the printed table of the standard normal distribution (area from 0 to z).
  const std::array<std::pair<int, double>, 9> kRows = {{{0, 0.0},
                                                        {1, 0.00399},
                                                        {100, 0.34134},
                                                        {160, 0.44520},
                                                        {164, 0.44950},
                                                        {196, 0.47500},
                                                        {258, 0.49506},
                                                        {300, 0.49865},
                                                        {309, 0.49900}}};
  for (const auto& [hundredths, area] : kRows) EXPECT_DOUBLE_EQ(NormalAreaFromZero(hundredths), area) << hundredths;
  EXPECT_EQ(NormalAreaFromZero(310), 0.5);
  EXPECT_EQ(NormalAreaFromZero(100000), 0.5);
}

TEST(BalanceByDeviation, SpreadAgainstTheExpectedSpread) {
  struct Case {
    const char* name;
    std::array<double, 5> values;
    double average, spread;
    const char* expected;  // two decimals
  };
  // For 10 10 10 10 10: o + t = 50, s1 = sd(10 10 10 10 50) = 17.8885, s2 = 0.
  // For 24 4 16 32 36 (o + t = 112): s1 = 42.8579, s2 = 12.8374 (see the chart above).
  const Case kCases[] = {
      {"rows spread less than expected: d > 0", {24, 4, 16, 32, 36}, 50, 25, "94.52"},
      // p = 10% of s1 = 4.2858, d = −8.5516, z = 8.5516 / (0.25 × 38.5721) = 0.8868, N(0.88) = 0.31057.
      {"rows spread more than expected: d < 0", {24, 4, 16, 32, 36}, 10, 25, "18.94"},
      // p = 0: d = −s2 = −12.8374, z = 12.8374 / (0.5 × 42.8579) = 0.5991, N(0.59) = 0.22240.
      {"AVE 0", {24, 4, 16, 32, 36}, 0, 50, "27.76"},
      {"no spread at all: d = 0, z = 0", {0, 0, 0, 0, 0}, 50, 25, "50.00"},
      // p = 8.9443, d = 8.9443, z = 8.9443 / (0.01 × 8.9443) = 100: beyond the table.
      {"beyond the table", {10, 10, 10, 10, 10}, 50, 1, "100.00"},
      {"AVE 100: no scale, beyond the table", {24, 4, 16, 32, 36}, 100, 25, "100.00"},
      {"StdE 0: no scale, beyond the table", {24, 4, 16, 32, 36}, 10, 0, "0.00"},
  };
  for (const Case& c : kCases) {
    const double forward = c.values[0] + c.values[4], backward = c.values[1] + c.values[2] + c.values[3];
    EXPECT_EQ(DecimalText(BalanceByDeviation(c.values, forward, backward, c.average, c.spread), 2), c.expected)
        << c.name;
  }
}

TEST(DecimalText, RoundsHalvesAwayFromZero) {
  const std::array<std::tuple<double, int, const char*>, 7> kCases = {{{2.25, 1, "2.3"},
                                                                       {-2.25, 1, "-2.3"},
                                                                       {0.625, 2, "0.63"},
                                                                       {-0.004, 2, "0.00"},
                                                                       {39.46875, 2, "39.47"},
                                                                       {0, 1, "0.0"},
                                                                       {12345.5, 0, "12346"}}};
  for (const auto& [value, decimals, expected] : kCases) EXPECT_EQ(DecimalText(value, decimals), expected) << value;
}

}  // namespace
}  // namespace kirvo
