#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presentation/shared/content_fixture.h"
#include "presentation/panel/chart_content.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

using testing::ComputeChart;
using testing::HandCheckedChart;
using testing::RecordingExplanations;
using testing::RefreshedContent;

using Rows = std::vector<std::vector<std::string>>;

Rows RowsOf(const TextTable& table) {
  Rows rows;
  for (std::size_t row = 0; row < table.rows(); ++row) rows.push_back(table.Row(row));
  return rows;
}

// The chart of 1984-02-10 12:00 (甲子 丙寅 甲戌 庚午, major luck 丁卯, range 大運まで) worked through
// by hand under the shipped rules:
//  干 (SSG row 1): 丁 8, 庚 10, 甲 10 + 8, 丙 10. 蔵 (rows 3..5, all hidden stems counted): 大運 甲 2
//  乙 2 + 6; 時 丙 2 己 2 丁 6; 日 辛 2 丁 2 + 8 (戌's 本気 turned 丁); 月 戊 4 丙 4 + 10; 年 壬 2 癸 2 + 6.
//  通: every stem is rooted; 木 roots 4 (卯 本気), 火 4 + 4 + 6, 土 2 + 2, 金 2, 水 4. 令: 戊 commands
//  in spring, state 死, SSG2 column 9 = 0. 支 (row 2): 卯 6 寅 10 → 木 16, 午 6, 戌 8, 子 6.
//  計 木 52 火 84 土 14 金 14 水 16; no total is 0, so 係数 .8125 .3125 .625 .28125 .40625.
//  o = 42.25 + 6.5 = 48.75, t = 26.25 + 8.75 + 3.9375 = 38.9375, u = t / o = 79.87 % > 25: 内格,
//  吉度数 (u − 25) / 75 = 73.16, 9.81 lies in [0, 20): 中和. 用神: of 乙 6.5, 丙 12.5, 丁 11.875 …
//  丙 is largest; 食神 of 甲: 食神格. 調候 TSG(寅, 甲) 丙癸. Inner and strong: 木水 to weaken, 木
//  unfavourable, 火土金 to strengthen, 火 favourable.
TEST(ChartContent, HandCheckedChart) {
  const ProgramSettings& settings = ShippedSettings();
  RecordingExplanations explanations;
  const ChartContent content = RefreshedContent(HandCheckedChart(settings), settings, explanations);

  EXPECT_EQ(content.header, "< 大運まで >　作式：1995/03/15 9:30:00");
  const SummaryBlock& s = content.summary;
  EXPECT_EQ((std::vector<std::string>{s.Name, s.SexL, s.JuGa, s.DT, s.TukiL, s.RituNL, s.Old, s.AngL}),
            (std::vector<std::string>{"試験太郎", "男", "順行運", "1984/02/10 12:00", "春月:木[死]", "立運：7年11ｶ月",
                                      "11歳 1ｶ月", "320.57"}));
  EXPECT_EQ(SummaryHintsOf(content.record, ChartRules{settings.usys, settings.sys}).KoukeiL, "朔日：1984/2/5 0:6:40");

  // clang-format off
  EXPECT_EQ(RowsOf(content.SNB.text), (Rows{
      {"順数値", "48.75", "弱めたい",   "木水",    "日主",     "甲"},
      {"逆数値", "38.94", "忌神",       "木",      "用神",     "丙"},
      {"順－逆", "9.81",  "強めたい",   "火土金",  "調候",     "丙癸"},
      {"均衡度", "79.87", "喜神",       "火",      "身",       "中和"},
      {"吉度数", "73.16", "空亡",       "申酉",    "内外格",   "内格"},
      {"",       "",      "破宅神",     "● 癸酉",  "宅神",     "○ 己卯"},
      {"",       "",      "墓神",       "■ 己巳",  "墓石",     "□ 乙亥"},
      {"",       "",      "日干支併臨", "◆ 甲戌",  "天地徳合", "◇ 己卯"},
      {"",       "",      "月干支併臨", "▲ 丙寅",  "",         ""},
  }));
  EXPECT_EQ(RowsOf(content.SG2.text), (Rows{
      {"",  "気", "五", "力量",  "構成", "計", "干", "支", "蔵", "令", "通", "係数"},
      {"0", "主", "木", "42.25", "28.9", "52", "18", "16", "10", "0",  "8",  "0.81"},
      {"1", "洩", "火", "26.25", "46.7", "84", "18", "6",  "32", "0",  "28", "0.31"},
      {"2", "分", "土", "8.75",  "7.8",  "14", "0",  "8",  "6",  "0",  "0",  "0.63"},
      {"3", "剋", "金", "3.94",  "7.8",  "14", "10", "0",  "2",  "0",  "2",  "0.28"},
      {"4", "生", "水", "6.50",  "8.9",  "16", "0",  "6",  "10", "0",  "0",  "0.41"},
  }));
  EXPECT_EQ(RowsOf(content.KanSG.text), (Rows{
      {"",     "甲",   "乙",  "丙",   "丁",   "戊",  "己",  "庚",  "辛",  "壬",  "癸"},
      {"計",   "28",   "8",   "40",   "38",   "4",   "2",   "12",  "2",   "2",   "8"},
      {"力量", "22.8", "6.5", "12.5", "11.9", "2.5", "1.3", "3.4", "0.6", "0.8", "3.3"},
  }));
  // Day 甲 keyed: 太極貴人 子午 on the year, 福星貴人 and 干禄 寅 and 紅艶 午; month 寅 keyed: 月徳 丙,
  // 断橋 寅; the year 子 keys 寡宿 戌 for the day pillar.
  EXPECT_EQ(RowsOf(content.SinSG.text), (Rows{
      {"時",   "日",   "月",       "年"},
      {"紅艶", "寡宿", "福星貴人", "太極貴人"},
      {"",     "",     "干禄",     ""},
      {"",     "",     "月徳",     ""},
      {"",     "",     "断橋",     ""},
  }));
  // clang-format on
  EXPECT_EQ(content.patterns.names, (std::vector<std::string>{"食神格"}));
  EXPECT_EQ(content.selectors.shown, (std::array<int, 3>{3, 0, 0}));
  EXPECT_EQ(content.KakuMemo, "～食神格～\n説明KakuSetu.dat:3\n");
  EXPECT_EQ(content.SMemo,
            "＜ 年柱 ＞\n～太極貴人～\n説明SinSetu.dat:1\n"
            "＜ 月柱 ＞\n～福星貴人～\n説明SinSetu.dat:4\n～干禄～\n説明SinSetu.dat:10\n"
            "～月徳～\n説明SinSetu.dat:21\n～断橋～\n説明SinSetu.dat:26\n"
            "＜ 日柱 ＞\n～寡宿～\n説明SinSetu.dat:39\n"
            "＜ 時柱 ＞\n～紅艶～\n説明SinSetu.dat:12");
  EXPECT_EQ(content.SinSG.styles.size(), 4u * 5u);
}

// The window's board is only read: the month title keeps its depth class, and a refresh of the
// same chart, or of a chart after another, gives the content a fresh panel gives.
TEST(ChartContent, RefreshLeavesTheBoardAndDependsOnTheChartAlone) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const testing::ComputedChart chart = HandCheckedChart(settings);
  const testing::ComputedChart other =
      ComputeChart(BirthInput{"花子", *BirthOfText("1990/08/20 99:99"), Sex::kFemale}, "2024/07/20 12:00", LuckRange::kNatalOnly, settings);
  RecordingExplanations explanations;
  const ChartContent fresh = RefreshedContent(chart, settings, explanations);

  ChartContent reused = RefreshedContent(other, settings, explanations);
  EXPECT_TRUE(reused.SinSG.text.Cell(0, 1).empty()) << "the unknown hour carries no star";
  const testing::ComputedChart same = chart;
  RefreshChartContent(reused, "< 大運まで >", same, rules, {}, explanations);
  EXPECT_EQ(same, chart);
  const ChartBoard& board = same.board;
  EXPECT_EQ(board(board::kMonth, board::kDepthRow).Code, 0) << "the 余気 of 寅 commands, not stem 戊 (4)";
  for (ContentGrid ChartContent::*grid :
       {&ChartContent::SNB, &ChartContent::SG2, &ChartContent::KanSG, &ChartContent::SinSG}) {
    EXPECT_EQ(reused.*grid, fresh.*grid);
  }
  EXPECT_EQ(reused.summary, fresh.summary);
  EXPECT_EQ(reused.KakuMemo, fresh.KakuMemo);
  EXPECT_EQ(reused.SMemo, fresh.SMemo);
  // The ten-god graph is the board's over the window's range.
  EXPECT_EQ(fresh.ten_god_graph.tally, TenGodGraphOf(board, LuckRange::kMajorLuck, rules).tally);
  EXPECT_EQ(reused.ten_god_graph.earth_stars, fresh.ten_god_graph.earth_stars);
}

// 内外格 is emptied only after the pattern step has read it, so the main pattern survives.
TEST(ChartContent, HiddenInnerOuterStillGivesTheMainPattern) {
  const ProgramSettings& settings = ShippedSettings();
  RecordingExplanations explanations;
  const ChartContent content = RefreshedContent(HandCheckedChart(settings), settings, explanations,
                                                ContentBranding{.hide_numbers = true, .hide_inner_outer = true});
  EXPECT_EQ(content.SNB.Cell(4, 4), "");
  EXPECT_EQ(content.SNB.Cell(5, 4), "");
  EXPECT_EQ(content.SNB.Cell(1, 0), "48.75") << "hidden numbers are not drawn but kept";
  EXPECT_FALSE(content.SNB.Style(1, 0).drawn);
  EXPECT_EQ(content.patterns.names, (std::vector<std::string>{"食神格"}));
}

TEST(ChartContentPanel, SectionsCopyTargetHintAndMemoWord) {
  ProgramSettings settings = ShippedSettings();
  RecordingExplanations explanations;
  ChartContent content = RefreshedContent(HandCheckedChart(settings), settings, explanations);
  // MCG 23: all sections but 干数値表.
  EXPECT_EQ(content.sections_shown, (std::array<bool, 5>{true, true, true, false, true}));
  ToggleSection(content, ContentSection::kStemNumbers);
  ToggleSection(content, ContentSection::kGraphs);
  EXPECT_EQ(content.sections_shown, (std::array<bool, 5>{true, false, true, true, true}));

  EXPECT_FALSE(content.copy_offered);
  PressOnGrid(content, CopyableGrid::kElementTable, /*right_button=*/false);
  EXPECT_FALSE(content.copy_offered);
  PressOnGrid(content, CopyableGrid::kStemNumbers, /*right_button=*/true);
  EXPECT_TRUE(content.copy_offered);
  EXPECT_EQ(content.copy_target, CopyableGrid::kStemNumbers);
  RightPressOnTenGodGraph(content);
  EXPECT_FALSE(content.copy_offered);

  // The hidden sort column of the five-element table stays out of its copy; the content table
  // copies five characters wide.
  const std::string sg2 = GridTextOf(content, CopyableGrid::kElementTable);
  std::string top_rule = "┌";
  for (int column = 1; column < 12; ++column) top_rule += std::string("───") + (column == 11 ? "┐" : "┬");
  EXPECT_EQ(sg2.substr(0, sg2.find('\n')), top_rule);
  EXPECT_NE(sg2.find("│主    │木    │ 42.25│"), std::string::npos) << sg2;
  EXPECT_NE(GridTextOf(content, CopyableGrid::kContentTable).find("│順数値    │     48.75│弱めたい  │"),
            std::string::npos);

  EXPECT_EQ(ContentTableHint(content, 5, 2), std::optional<std::string>("丙癸"));
  EXPECT_EQ(ContentTableHint(content, 5, 1), std::nullopt);

  EXPECT_EQ(MemoWordOfClick(content, CopyableGrid::kContentTable, 5, 1, settings.sys), "丙");
  EXPECT_EQ(MemoWordOfClick(content, CopyableGrid::kElementTable, 2, 3, settings.sys), "土");
  settings.sys.MOnSW = false;
  EXPECT_EQ(MemoWordOfClick(content, CopyableGrid::kContentTable, 5, 1, settings.sys), std::nullopt);
}

// Under `KiRG` 1 the balance stands for a decimal of 3 places (the normal table has 5): a tie there
// rounds away from zero like every other shown number, although 100 × (0.5 + 0.26115) lies just
// below 76.115 in binary.
TEST(ChartContent, BalanceByDeviationRoundsATieOfItsDecimalUp) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetChoice<USysChoice::KiRG>(BalanceMethod::kByDeviation);
  settings.usys.SetNumber("AVE", "50");
  settings.usys.SetNumber("StdE", "25");
  const testing::ComputedChart chart =
      ComputeChart(BirthInput{"R151", *BirthOfText("2019/10/23 11:16"), Sex::kFemale}, "2034/12/27 19:06", LuckRange::kMajorLuck, settings);
  RecordingExplanations explanations;
  const ChartContent content = RefreshedContent(chart, settings, explanations);
  EXPECT_EQ(content.SNB.Cell(0, 3), "均衡度");
  EXPECT_EQ(content.SNB.Cell(1, 3), "76.12");
}

}  // namespace
}  // namespace kirvo
