#include "engine/element_numbers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/coefficient_table.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

const ElementNumberRow& RowOf(const ElementNumberTable& table, Element element) {
  for (const ElementNumberRow& row : table.rows) {
    if (row.element == element) return row;
  }
  ADD_FAILURE() << "no row of element " << element;
  return table.rows[0];
}

// The sums of the five elements 木 火 土 金 水, each as 干/支/蔵/令/通.
std::string SumsText(const ElementNumberTable& table) {
  std::string text;
  for (Element e = 0; e < 5; ++e) {
    const ElementNumberRow& row = RowOf(table, e);
    if (!text.empty()) text += " ";
    text += std::to_string(row.stems) + "/" + std::to_string(row.branches) + "/" + std::to_string(row.hidden_stems) +
            "/" + std::to_string(row.month_command) + "/" + std::to_string(row.roots);
  }
  return text;
}

TMeiData RecordInSeason(int season_index) {
  TMeiData record;
  record.SeasonIndex = static_cast<std::uint8_t>(season_index);
  return record;
}

ElementNumbers NumbersOf(const ChartBoard& board, const ProgramSettings& settings,
                         LuckRange range = LuckRange::kNatalOnly, bool hour_known = true, int season_index = 0) {
  return ComputeElementNumbers(board, RecordInSeason(season_index), range, hour_known, {settings.usys, settings.sys});
}

TEST(AdjustedByMark, MarksScaleOrRemoveANumber) {
  const std::array<std::pair<Mark, int>, 8> kSeven = {{{Mark::kNone, 7},
                                                       {Mark::kInForce, 7},
                                                       {Mark::kRemoved, 0},
                                                       {Mark::kTransformed, 7},
                                                       {Mark::kRemovedByDayMaster, 14},
                                                       {Mark::kHalved, 3},
                                                       {Mark::kMonthCommand, 7},
                                                       {static_cast<Mark>(7), 0}}};  // no such mark
  for (const auto& [mark, expected] : kSeven) {
    EXPECT_EQ(AdjustedByMark(7, mark), expected) << "mark " << static_cast<int>(mark);
  }
  EXPECT_EQ(AdjustedByMark(-7, Mark::kHalved), -3);  // halving truncates toward zero
}

TEST(CoefficientTable, RowByTheMissingElements) {
  struct Case {
    std::array<std::int64_t, 5> totals;  // 主 洩 分 剋 生
    int key;
    RelationWeights weights;
  };
  const Case kCases[] = {
      {{10, 10, 10, 10, 10}, 0, {0.8125, 0.3125, 0.625, 0.28125, 0.40625}},
      {{0, 10, 10, 10, 10}, 0, {0.8125, 0.3125, 0.625, 0.28125, 0.40625}},  // 主 is not in the key
      {{10, 10, 10, 10, 0}, 1000, {0.75, 0.5, 1, 1, 0}},                    // no 生
      {{10, 0, 10, 10, 10}, 100, {1, 0, 0.5, 0, 1}},
      {{10, 10, 0, 10, 10}, 10, {1, 0, 0, 0.25, 0.5}},
      {{10, 10, 10, 0, 10}, 1, {0.5, 1, 1, 0, 0.25}},
      {{10, 0, 10, 0, 0}, 1101, {1, 0, 0, 0, 0}},
      {{10, 10, 0, 0, 0}, 1011, {1, 0, 0, 0, 0}},
      {{10, 0, 0, 10, 0}, 1110, {1, 0, 0, 1, 0}},
      {{0, 0, 0, 0, 0}, 1111, {1, 0, 0, 0, 0}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(CoefficientKey(c.totals), c.key);
    EXPECT_EQ(CoefficientsFor(c.totals), c.weights) << "key " << c.key;
  }
}

TEST(ElementNumbers, MarksScaleStemsAndHiddenStemsButNotBranches) {
  // 甲子 alone: stem 10 (木), branch 子 8 (水), hidden 壬 2, 癸 2, 癸 8.
  struct Case {
    const char* name;
    std::vector<std::pair<int, Mark>> marks;  // (row, mark) of the day column
    const char* expected;                     // SumsText
  };
  const Case kCases[] = {
      {"no marks", {}, "10/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/12/0/0"},
      {"stem halved", {{board::kWorkStem, Mark::kHalved}}, "5/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/12/0/0"},
      {"stem doubled",
       {{board::kWorkStem, Mark::kRemovedByDayMaster}},
       "20/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/12/0/0"},
      {"stem removed", {{board::kWorkStem, Mark::kRemoved}}, "0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/12/0/0"},
      {"本気 halved", {{board::kWorkHidden3, Mark::kHalved}}, "10/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/8/0/0"},
      {"余気 removed", {{board::kWorkHidden1, Mark::kRemoved}}, "10/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/10/0/0"},
      {"branch removed", {{board::kWorkBranch, Mark::kRemoved}}, "10/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/12/0/0"},
      {"branch number never scaled",
       {{board::kWorkBranch, Mark::kRemovedByDayMaster}},
       "10/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/12/0/0"},
  };
  const ProgramSettings& settings = ShippedSettings();
  for (const Case& c : kCases) {
    ChartBoard board = BoardFromPillars({.day = "甲子"}, settings);
    for (const auto& [row, mark] : c.marks) board(board::kDay, row).ZSet = mark;
    EXPECT_EQ(SumsText(NumbersOf(board, settings).table), c.expected) << c.name;
  }
}

TEST(ElementNumbers, RootsCountTheDeepestHiddenStemOfTheElementOnce) {
  // The day stem 甲 over three chosen hidden stems, rooted by hand; root weights 余 1, 中 3, 本 5, so
  // every choice of places gives its own sum.
  struct Case {
    const char* name;
    std::array<const char*, 3> hidden;  // 余気 中気 本気
    std::vector<std::pair<int, Mark>> marks = {};
    int expected = 0;  // 通 of 木
  };
  const Case kCases[] = {
      {"one hidden stem of the element", {"甲", "丙", "戊"}, {}, 1},
      {"余気 and 本気 share it: 本気", {"乙", "丙", "甲"}, {}, 5},
      {"余気 and 中気 share it: 中気", {"甲", "乙", "丙"}, {}, 3},
      {"中気 and 本気 share it: 本気", {"丙", "甲", "乙"}, {}, 5},
      {"all three: 本気 only", {"甲", "乙", "甲"}, {}, 5},
      {"none of the element", {"丙", "戊", "庚"}, {}, 0},
      {"the deeper one removed: the element is lost", {"丙", "甲", "乙"}, {{board::kWorkHidden3, Mark::kRemoved}}, 0},
      {"the shallower one removed: no change", {"乙", "丙", "甲"}, {{board::kWorkHidden1, Mark::kRemoved}}, 5},
      {"the only one removed", {"甲", "丙", "戊"}, {{board::kWorkHidden1, Mark::kRemoved}}, 0},
      {"a doubled hidden stem roots unscaled",
       {"丙", "戊", "甲"},
       {{board::kWorkHidden3, Mark::kRemovedByDayMaster}},
       5},
      {"stem not rooted", {"丙", "戊", "甲"}, {{board::kRoots, Mark::kNone}}, 0},
      {"rooted stem removed", {"丙", "戊", "甲"}, {{board::kWorkStem, Mark::kRemoved}}, 0},
      {"rooted stem halved roots in full", {"丙", "戊", "甲"}, {{board::kWorkStem, Mark::kHalved}}, 5},
  };
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetCell("SSG", board::kDay.index, 7, "1");
  settings.usys.SetCell("SSG", board::kDay.index, 8, "3");
  settings.usys.SetCell("SSG", board::kDay.index, 9, "5");
  for (const Case& c : kCases) {
    ChartBoard board = BoardFromPillars({.day = "甲子"}, settings);
    for (int k = 0; k < 3; ++k) board(board::kDay, board::kWorkHidden1 + k).Text = c.hidden[k];
    board(board::kDay, board::kRoots).ZSet = Mark::kInForce;
    for (const auto& [row, mark] : c.marks) board(board::kDay, row).ZSet = mark;
    EXPECT_EQ(RowOf(NumbersOf(board, settings).table, 0).roots, c.expected) << c.name;
  }
}

TEST(ElementNumbers, MonthCommandByTheSeasonOfItsElement) {
  // 丙寅 (hidden 戊 丙 甲) as month, 庚申 as day; SSG2 set to 当令 11, 生令 13, 令生 17, 剋令 19, 令剋 23.
  struct Case {
    const char* name;
    int depth;                        // the month's depth class
    int season;                       // SeasonIndex: 0 春 木, 1 夏 火, 2 秋 金, 3 冬 水, 4 土用 土
    std::vector<int> command_places;  // hidden places 0..2 marked ◎
    bool SzCB;
    Element element;  // of the stem given the command
    int expected;
  };
  const Case kCases[] = {
      {"甲 in spring: same element", 2, 0, {2}, false, 0, 11},
      {"甲 in summer: generates the season", 2, 1, {2}, false, 0, 13},
      {"甲 in winter: generated by the season", 2, 3, {2}, false, 0, 17},
      {"甲 in 土用: overcomes the season", 2, 4, {2}, false, 0, 19},
      {"甲 in autumn: overcome by the season", 2, 2, {2}, false, 0, 23},
      {"戊 (余気) in spring", 0, 0, {0}, false, 2, 23},
      {"丙 (中気) in spring", 1, 0, {1}, false, 1, 17},
      {"the last ◎ commands", 2, 0, {0, 2}, false, 0, 11},
      {"no ◎: no command", 2, 0, {}, false, 0, 0},
      {"SzCB: the hidden stem in force commands without ◎", 1, 0, {}, true, 1, 17},
  };
  ProgramSettings settings = ShippedSettings();
  for (const auto& [column, value] :
       std::array<std::pair<int, const char*>, 5>{{{1, "11"}, {3, "13"}, {5, "17"}, {7, "19"}, {9, "23"}}}) {
    settings.usys.SetCell("SSG2", column, 0, value);
  }
  for (const Case& c : kCases) {
    settings.sys.SzCB = c.SzCB;
    ChartBoard board = BoardFromPillars({.month = {"丙寅", c.depth}, .day = "庚申"}, settings);
    for (const int place : c.command_places)
      board(board::kMonth, board::kWorkHidden1 + place).ZSet = Mark::kMonthCommand;
    const ElementNumberTable table = NumbersOf(board, settings, LuckRange::kNatalOnly, true, c.season).table;
    int all = 0;
    for (const ElementNumberRow& row : table.rows) all += row.month_command;
    EXPECT_EQ(RowOf(table, c.element).month_command, c.expected) << c.name;
    EXPECT_EQ(all, c.expected) << c.name;
  }
}

TEST(ElementNumbers, OnlyHiddenStemsInForceWithRCB) {
  // 甲子: hidden 壬 2 (余気), 癸 2 (中気), 癸 8 (本気); the fill marks the one in force.
  ProgramSettings settings = ShippedSettings();
  const std::array<std::pair<int, int>, 3> kByDepth = {{{0, 2}, {1, 2}, {2, 8}}};
  for (const auto& [depth, expected] : kByDepth) {
    settings.usys.SetFlag("RCB", true);
    const ChartBoard board = BoardFromPillars({.day = {"甲子", depth}}, settings);
    EXPECT_EQ(RowOf(NumbersOf(board, settings).table, 4).hidden_stems, expected) << "depth " << depth;
    settings.usys.SetFlag("RCB", false);
    EXPECT_EQ(RowOf(NumbersOf(board, settings).table, 4).hidden_stems, 12) << "depth " << depth;
  }
}

TEST(ElementNumbers, BranchesBySeasonElementsWithSuCB) {
  // 乙丑 as day (丑: 水 金 土 by season), 丙寅 as major luck taking part (branch number 6).
  struct Case {
    const char* name;
    bool SuCB;
    std::vector<std::pair<int, Mark>> marks;  // (row, mark) of the day column
    const char* expected;                     // 支 of 木 火 土 金 水
  };
  const Case kCases[] = {
      {"branch numbers by own element", false, {}, "6 0 8 0 0"},
      {"one for each season element; luck pillars left out", true, {}, "0 0 1 1 1"},
      {"a removed hidden stem removes its season element", true, {{board::kWorkHidden2, Mark::kRemoved}}, "0 0 1 0 1"},
      {"the branch's own removal is not looked at", true, {{board::kWorkBranch, Mark::kRemoved}}, "0 0 1 1 1"},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = ShippedSettings();
    settings.usys.SetFlag("SuCB", c.SuCB);
    ChartBoard board = BoardFromPillars({.day = "乙丑", .major_luck = "丙寅"}, settings);
    for (const auto& [row, mark] : c.marks) board(board::kDay, row).ZSet = mark;
    const ElementNumberTable table = NumbersOf(board, settings, LuckRange::kMajorLuck).table;
    std::string text;
    for (Element e = 0; e < 5; ++e) text += (e ? " " : "") + std::to_string(RowOf(table, e).branches);
    EXPECT_EQ(text, c.expected) << c.name;
  }
}

TEST(ElementNumbers, ColumnsTakingPart) {
  // 甲子 as day (rooted by hand), 丙寅 as hour, 戊辰 as major luck. The hour texts stay on the board
  // for the unknown hour, so only the rule keeps them out.
  struct Case {
    const char* name;
    bool hour_known;
    LuckRange range;
    const char* expected;  // SumsText
  };
  const Case kCases[] = {
      // 木: 甲 10; 寅 6; 甲 本気 of 寅 6; root in 寅 本気 4. 火: 丙 10, 丙 中気 2. 土: 戊 余気 2.
      // 水: 子 8; 壬 2 + 癸 2 + 癸 8.
      {"natal, hour known", true, LuckRange::kNatalOnly, "10/6/6/0/4 10/0/2/0/0 0/0/2/0/0 0/0/0/0/0 0/8/12/0/0"},
      {"natal, hour unknown", false, LuckRange::kNatalOnly, "10/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/0/0/0/0 0/8/12/0/0"},
      // The major luck adds 戊 8, 辰 6, 乙 2 / 癸 2 / 戊 6 and a root of 甲 in its 乙 余気 (2).
      {"with the major luck", true, LuckRange::kMajorLuck, "10/6/8/0/6 10/0/2/0/0 8/6/8/0/0 0/0/0/0/0 0/8/14/0/0"},
  };
  const ProgramSettings& settings = ShippedSettings();
  for (const Case& c : kCases) {
    const BoardPillars pillars = {.day = "甲子", .hour = "丙寅", .major_luck = "戊辰", .hour_known = c.hour_known};
    ChartBoard board = BoardFromPillars(pillars, settings, false);
    board(board::kDay, board::kRoots).ZSet = Mark::kInForce;
    EXPECT_EQ(SumsText(NumbersOf(board, settings, c.range, c.hour_known).table), c.expected) << c.name;
  }
}

TEST(ElementNumbers, PowerTotalsWithJyCB) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetFlag("JyCB", true);
  settings.usys.SetCell("SSG", board::kMonth.index, 2, "2");
  // 甲寅 as month with 甲 in command (令 10), 庚申 as day. 木: 干 10, 支 2, 令 → 3^2 × 10 = 90.
  // 金: 干 10, 支 8, no 令 → 2^8 × 10 = 2560. Hidden stems and roots no longer count.
  ChartBoard board = BoardFromPillars({.month = "甲寅", .day = "庚申"}, settings);
  board(board::kMonth, board::kWorkHidden3).ZSet = Mark::kMonthCommand;
  const ElementNumberTable table = NumbersOf(board, settings).table;
  const std::array<std::int64_t, 5> kTotals = {90, 0, 0, 2560, 0};
  for (Element e = 0; e < 5; ++e) EXPECT_EQ(RowOf(table, e).total, kTotals[e]) << kElementNames[e];
  // Day master 庚: only 主 and 分 present (key 1101), so 主 alone weighs.
  EXPECT_EQ(table.rows[0].coefficient, 1.0);
  EXPECT_EQ(table.rows[0].strength, 2560.0);
  EXPECT_EQ(table.rows[2].strength, 0.0);
  // The stem numbers stay plain sums: 庚 10 + 本気 of 申 8, weighted by 主's 1.
  EXPECT_EQ(StemValueText(NumbersOf(board, settings).stems.weighted[6]), "18.0");

  // Four wood branches of number 20 raise the total past what a double counts exactly: it stops there.
  for (BoardColumn column = board::kHour; column <= board::kYear; ++column)
    settings.usys.SetCell("SSG", column.index, 2, "20");
  board = BoardFromPillars({.year = "甲寅", .month = "丙寅", .day = "甲寅", .hour = "丁卯"}, settings);
  board(board::kMonth, board::kWorkHidden3).ZSet = Mark::kMonthCommand;
  const ElementNumbers numbers = NumbersOf(board, settings);
  const ElementNumberRow& wood = RowOf(numbers.table, 0);
  EXPECT_EQ(wood.total, std::int64_t{1} << 53);
  EXPECT_EQ(wood.strength, static_cast<double>(std::int64_t{1} << 53) * wood.coefficient);
}

}  // namespace
}  // namespace kirvo
