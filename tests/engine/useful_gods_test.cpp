#include "engine/useful_gods.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

constexpr Stem kJia = 0, kBing = 2, kWu = 4;  // 甲 丙 戊

// Numbers whose table is laid out for `day_master` (rows 主 洩 分 剋 生) with the given rows' 力量
// and 構成, and the given stem numbers.
ElementNumbers NumbersOf(Stem day_master, const std::array<double, 5>& strengths, const std::array<int, 10>& totals,
                         const std::array<double, 10>& weighted = {}) {
  ElementNumbers numbers;
  const Element own = ElementOfStem(day_master);
  for (ElementRelation n = 0; n < 5; ++n) {
    numbers.table.rows[n].relation = n;
    numbers.table.rows[n].element = (own + n) % 5;
    numbers.table.rows[n].strength = strengths[n];
    numbers.table.rows[n].share = strengths[n];
  }
  numbers.stems.totals = totals;
  numbers.stems.weighted = weighted;
  return numbers;
}

TEST(UsefulGod, LargestWeightedStem) {
  struct Case {
    const char* name;
    Stem day_master;
    std::array<double, 10> weighted;  // 甲 乙 丙 丁 戊 己 庚 辛 壬 癸
    bool YCB0;
    const char* expected;
  };
  const Case kCases[] = {
      {"all 0: the last visited, 丁, pairs with 丙", kJia, {}, false, "丙丁"},
      {"all 0 for 丙: 己 pairs with 戊", kBing, {}, false, "戊己"},
      {"乙 wins and 甲 shows the same number", kBing, {4.86, 4.94}, false, "甲乙"},
      {"乙 wins and 甲 shows a smaller number", kBing, {4.94, 4.96}, false, "乙"},
      {"a yang winner never pairs", kJia, {0, 0, 0, 0, 5, 4.96}, false, "戊"},
      {"the yin stem of the day master's own element stands alone", kBing, {0, 0, 5, 5}, false, "丁"},
      {"a tie goes to the later visited element", kJia, {0, 0, 0, 0, 5, 0, 0, 0, 5}, false, "戊"},
      {"洩 is visited after 分", kJia, {0, 0, 5, 0, 5}, false, "丙"},
      {"the day master is skipped", kJia, {10, 0, 0, 0, 3}, false, "戊"},
      {"unless YCB0 allows it", kJia, {10, 0, 0, 0, 3}, true, "甲"},
      {"no stem reaches 0", kJia, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, false, "Error"},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = ShippedSettings();
    settings.usys.SetFlag("YCB0", c.YCB0);
    const ElementNumbers numbers = NumbersOf(c.day_master, {}, {}, c.weighted);
    EXPECT_EQ(UsefulGod(ChartBoard{}, c.day_master, numbers, LuckRange::kNatalOnly, {settings.usys, settings.sys}),
              c.expected)
        << c.name;
  }
}

TEST(UsefulGod, StemOfTheLargestElement) {
  // Day master 甲 on a chart whose month stem is 壬 and year stem 癸 (壬 is preferred); rows 主木 洩火
  // 分土 剋金 生水.
  struct Case {
    const char* name;
    std::array<double, 5> strengths;  // 力量 (and 構成) of 主 洩 分 剋 生
    std::array<int, 10> totals;       // per-stem totals 甲..癸
    std::array<double, 10> weighted = {};
    bool YCB0 = false;
    int RRG = 0;
    const char* expected = "";
  };
  const Case kCases[] = {
      {"no row above 0", {0, 0, 0, 0, 0}, {}, {}, false, 0, "Error"},
      {"the day master's element gives its other stem", {9, 0, 5, 0, 0}, {30, 4, 0, 0, 5}, {}, false, 0, "乙"},
      {"... or, without it, the next element", {9, 0, 5, 0, 0}, {30, 0, 0, 0, 5}, {}, false, 0, "戊"},
      {"... and with no other element nothing", {9, 0, 0, 0, 0}, {30}, {}, false, 0, "Error"},
      {"YCB0: the element's stems as any other", {9, 0, 5, 0, 0}, {30, 0}, {}, true, 0, "甲"},
      {"a tie of rows goes to the first", {0, 0, 5, 5, 0}, {0, 0, 0, 0, 2, 0, 0, 3}, {}, false, 0, "戊"},
      {"only the yin stem counted", {0, 0, 0, 0, 5}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 3}, {}, false, 0, "癸"},
      {"both counted: the one in the month pillar",
       {0, 0, 0, 0, 5},
       {0, 0, 0, 0, 0, 0, 0, 0, 2, 3},
       {},
       false,
       0,
       "壬"},
      {"neither counted, both in the pillars", {0, 0, 0, 0, 5}, {}, {}, false, 0, "壬"},
      {"equal priorities (neither in the chart): both", {0, 5, 0, 0, 0}, {0, 0, 1, 1}, {}, false, 0, "丙丁"},
      // 構成 and the weighted numbers; the day master's element is not replaced by its other stem.
      {"RRG 1", {9, 0, 5, 0, 0}, {30, 4}, {3, 0}, false, 1, "甲"},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = ShippedSettings();
    settings.usys.SetChoice("YRG0", 1);
    settings.usys.SetFlag("YCB0", c.YCB0);
    settings.usys.SetChoice("RRG", c.RRG);
    const ChartBoard board = BoardFromPillars({.year = "癸丑", .month = "壬子", .day = "甲子"}, settings);
    const ElementNumbers numbers = NumbersOf(kJia, c.strengths, c.totals, c.weighted);
    EXPECT_EQ(UsefulGod(board, kJia, numbers, LuckRange::kNatalOnly, {settings.usys, settings.sys}), c.expected)
        << c.name;
  }
}

TEST(StemPriority, PlacesInTheChart) {
  // Day master 戊. Hidden stems: 子 壬癸癸, 寅 戊丙甲, 辰 乙癸戊, 申 己戊庚, 午 丙己丁, 未 丁乙己.
  const BoardPillars pillars = {.year = "甲子",
                                .month = "丙寅",
                                .day = "戊辰",
                                .hour = "庚申",
                                .major_luck = "壬午",
                                .running_year = "癸未",
                                .running_month = "乙卯"};
  struct Case {
    const char* name;
    const char* stem;
    LuckRange range;
    std::vector<int> removed_stems = {};  // columns whose working stem is removed
    bool YCB0 = false;
    int expected = 0;
  };
  using enum LuckRange;
  const Case kCases[] = {
      {"the day master", "戊", kMonthLuck, {}, false, 99},
      {"the day master allowed: the day pillar", "戊", kMonthLuck, {}, true, 2},
      {"month stem", "丙", kMonthLuck, {}, false, 1},
      {"hour stem", "庚", kMonthLuck, {}, false, 1},
      {"year stem", "甲", kMonthLuck, {}, false, 2},
      {"major luck stem", "壬", kMonthLuck, {}, false, 34},
      {"running year stem", "癸", kMonthLuck, {}, false, 35},
      {"running month stem", "乙", kMonthLuck, {}, false, 36},
      {"luck stems count from 年運まで on", "壬", kMajorLuck, {}, false, 79},  // then 余気 of 子
      {"a removed luck stem", "壬", kMonthLuck, {5}, false, 79},
      {"a removed year stem: the month command", "甲", kMonthLuck, {9}, false, 40},
      {"本気 in the running year", "己", kMonthLuck, {}, false, 54},
      {"本気 in the major luck", "丁", kMonthLuck, {}, false, 55},
      {"本気 before 中気 and 余気", "癸", kNatalOnly, {}, false, 59},
      {"中気", "丙", kNatalOnly, {8}, false, 68},
      {"余気", "乙", kNatalOnly, {}, false, 77},
      {"nowhere", "辛", kMonthLuck, {}, false, 9},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = ShippedSettings();
    settings.usys.SetFlag("YCB0", c.YCB0);
    ChartBoard board = BoardFromPillars(pillars, settings);
    for (const int column : c.removed_stems) board(BoardColumn{column}, board::kWorkStem).ZSet = Mark::kRemoved;
    EXPECT_EQ(StemPriority(*StemIndexOf(c.stem), kWu, c.range, board, {settings.usys, settings.sys}), c.expected)
        << c.name;
  }
}

TEST(ClimateGod, CellOfDayStemAndMonthBranch) {
  ProgramSettings settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  EXPECT_EQ(ClimateGod(kBing, 0, rules), settings.usys.Cell("TSG", 1, 3));  // 丙 in a 子 month
  EXPECT_EQ(ClimateGod(kBing, 0, rules), "壬戊己");
  settings.usys.SetCell("TSG", 1, 3, "甲");
  EXPECT_EQ(ClimateGod(kBing, 0, rules), "甲");
  EXPECT_EQ(ClimateGod(kNoStem, 0, rules), "");

  // From the board: the working day stem and the working month branch.
  const ChartBoard board = BoardFromPillars({.year = "甲子", .month = "丙子", .day = "丙午"}, settings);
  const UsefulGods gods = ComputeUsefulGods(board, ElementNumbers{}, Judgement{}, LuckRange::kNatalOnly, rules);
  EXPECT_EQ(gods.day_master, "丙");
  EXPECT_EQ(gods.climate_god, "甲");
}

TEST(FavourableElements, DrainOrSupportByPatternAndStrength) {
  // Day master 甲: rows 主木 洩火 分土 剋金 生水. Result: 弱めたい/忌神/強めたい/喜神.
  struct Case {
    const char* name;
    std::array<double, 5> strengths;
    BalanceClass balance_class;
    double difference;
    const char* expected;
  };
  const Case kCases[] = {
      {"outer, strong: weaken the drain", {10, 1, 5, 5, 3}, kOuterPattern, 2, "火土金/金/木水/木"},
      {"inner, strong: weaken the support", {10, 1, 5, 5, 3}, kInnerPattern, 0, "木水/木/火土金/金"},
      {"inner, weak", {10, 1, 5, 5, 3}, kInnerPattern, -0.01, "火土金/金/木水/木"},
      {"outer, weak", {10, 1, 5, 5, 3}, kOuterPattern, -2, "木水/木/火土金/金"},
      {"忌神: the largest drain", {10, 6, 5, 5, 3}, kOuterPattern, 2, "火土金/火/木水/木"},
      {"喜神: 生 only when above 主", {3, 1, 5, 5, 3.01}, kOuterPattern, 2, "火土金/金/木水/水"},
  };
  for (const Case& c : kCases) {
    const ElementNumbers numbers = NumbersOf(kJia, c.strengths, {});
    const FavourableElements e = FavourableElementsOf(numbers.table, c.balance_class, c.difference);
    EXPECT_EQ(e.to_weaken + "/" + e.unfavourable + "/" + e.to_strengthen + "/" + e.favourable, c.expected) << c.name;
  }
}

}  // namespace
}  // namespace kirvo
