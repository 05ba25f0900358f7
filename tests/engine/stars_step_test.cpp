#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/analysis_steps.h"
#include "engine/ten_gods.h"
#include "settings/program_settings.h"
#include "settings/sys_names_in_use.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// Day master 戊 with every column filled; the depth classes pick 余気, 中気 or 本気, and the hour's
// 中気 shows 申's second 中気 壬 (its text differs from its code 戊).
BoardPillars Pillars() {
  BoardPillars pillars;
  pillars.year = "甲子";
  pillars.month = {"丙寅", 0};
  pillars.day = {"戊辰", 0};
  pillars.hour = {"庚申", 1, "壬"};
  pillars.major_luck = "丁卯";
  pillars.running_year = "癸巳";
  pillars.running_month = "壬午";
  pillars.running_day = "己亥";
  pillars.running_hour = {"辛未", 1};
  return pillars;
}

struct StarsOfColumn {
  BoardColumn column;
  const char* heaven;  // row 7
  const char* earth;   // row 8
  const char* day_master_stage;  // row 9
  const char* own_stage;         // row 10
};

std::string Texts(const ChartBoard& board, BoardColumn column) {
  std::string texts;
  for (int row = board::kHeavenStar; row <= board::kStageOfStem; ++row) texts += board(column, row).Text + "|";
  return texts;
}

TEST(StarsStep, ReadsEveryPillarAgainstTheDayMaster) {
  constexpr StarsOfColumn kExpected[] = {
      {board::kYear, "偏官", "正財", " 胎 ", "沐浴"},          // 子 本気 癸
      {board::kMonth, "偏印", "比肩", "長生", "長生"},         // 寅 余気 戊
      {board::kDay, "", "正官", "冠帯", ""},                   // 辰 余気 乙; no stars of its own stem
      {board::kHour, "食神", "偏財", " 病 ", "建禄"},          // 申 中気 shown as 壬
      {board::kMajorLuck, "印綬", "正官", "沐浴", " 病 "},     // 卯 本気 乙
      {board::kRunningYear, "正財", "偏印", "建禄", " 胎 "},   // 巳 本気 丙
      {board::kRunningMonth, "偏財", "印綬", "帝旺", " 胎 "},  // 午 本気 丁
      {board::kRunningDay, "劫財", "偏財", " 絶 ", " 胎 "},    // 亥 本気 壬
      {board::kRunningHour, "傷官", "正官", " 衰 ", " 衰 "},   // 未 中気 乙
  };
  const ProgramSettings& settings = ShippedSettings();
  ChartBoard board = BoardFromPillars(Pillars(), settings);
  board(board::kScratch, board::kHeavenStar).Text = "scratch";
  board(board::kDay, board::kHeavenStar).Text = "old";
  board(board::kDay, board::kStageOfStem).Text = "old";
  StarsStep(board, {settings.usys, settings.sys});

  for (const StarsOfColumn& e : kExpected) {
    EXPECT_EQ(Texts(board, e.column),
              std::string(e.heaven) + "|" + e.earth + "|" + e.day_master_stage + "|" + e.own_stage + "|")
        << "column " << e.column.index;
  }
  EXPECT_EQ(board(board::kScratch, board::kHeavenStar).Text, "scratch");

  const ChartBoard once = board;
  StarsStep(board, {settings.usys, settings.sys});
  EXPECT_EQ(board, once);
}

TEST(StarsStep, EarthStarStaysEmptyWhenNoStemIsInForce) {
  const ProgramSettings& settings = ShippedSettings();
  ChartBoard board = BoardFromPillars(Pillars(), settings);
  board(board::kYear, board::kEarthStar).Text = "old";
  board(board::kYear, board::kWorkHidden3).Text = "";  // the table named no stem there
  StarsStep(board, {settings.usys, settings.sys});
  EXPECT_EQ(board(board::kYear, board::kEarthStar).Text, "");
  EXPECT_EQ(board(board::kYear, board::kHeavenStar).Text, "偏官");
}

// Day master 甲 with 壬 (偏印) as year stem and as 本気 of the month's 亥.
TEST(StarsStep, ShowsTheTenGodNamesOfTheSystemSettings) {
  struct Case {
    bool names_for_patterns_only;  // KNCB
    const char* shown;
  };
  for (const Case c : {Case{false, "梟神"}, Case{true, "偏印"}}) {
    ProgramSettings settings = ShippedSettings();
    settings.sys.HenSG.SetCell(9, 1, "梟神");
    settings.sys.KNCB = c.names_for_patterns_only;
    settings.sys.names = BuildNamesInUse(settings.sys.HenSG, settings.sys.HGSG, settings.sys.KyuSG,
                                         settings.sys.KNCB, settings.sys.names.gaiji1);
    BoardPillars pillars;
    pillars.year = "壬子";
    pillars.month = "乙亥";
    pillars.day = "甲子";
    pillars.hour = "甲子";
    ChartBoard board = BoardFromPillars(pillars, settings);
    StarsStep(board, {settings.usys, settings.sys});
    EXPECT_EQ(board(board::kYear, board::kHeavenStar).Text, c.shown);
    EXPECT_EQ(board(board::kMonth, board::kEarthStar).Text, c.shown);
    EXPECT_EQ(TenGodIndexOf(board(board::kYear, board::kHeavenStar).Text, settings.sys.names.ten_gods), 8);
  }
}

}  // namespace
}  // namespace kirvo
