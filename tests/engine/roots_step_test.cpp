#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/analysis_steps.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// Hidden stems of the shipped table used below: 子 壬癸癸, 寅 戊丙甲, 卯 甲乙乙, 辰 乙癸戊, 午 丙己丁,
// 申 己戊庚.
const BoardPillars kNatalA = Natal("甲子", "丙寅", "戊辰", "庚申");
// 甲 over 辰 (土) with 寅 and 卯 (木) beside it; 辰 hides a 乙 余気.
const BoardPillars kNatalB = Natal("甲辰", "丁卯", "戊寅", "庚辰");
BoardPillars WithHourInResidual(BoardPillars pillars) {
  pillars.hour.depth = 0;
  return pillars;
}
BoardPillars WithLuck(BoardPillars pillars) {
  pillars.major_luck = "乙卯";
  pillars.running_year = "丙午";
  pillars.running_month = "壬子";
  pillars.running_day = "甲寅";
  pillars.running_hour = "庚申";
  return pillars;
}

constexpr std::array<const char*, 10> kColumnNames = {"",     "行時", "行日", "行月", "行年",
                                                      "大運", "時",   "日",   "月",   "年"};

// Row 12 of every column with a text or a mark, year first: "年:4321○ 月:3○"; ○ for mark 1, × for 2.
std::string RootsRow(const ChartBoard& board) {
  std::string row;
  for (BoardColumn column = board::kYear; column >= board::kRunningHour; --column) {
    const ChartCell& cell = board(column, board::kRoots);
    if (cell.Text.empty() && cell.ZSet == Mark::kNone) continue;
    if (!row.empty()) row += " ";
    row += std::string(kColumnNames[column.index]) + ":" + cell.Text;
    if (cell.ZSet == Mark::kInForce) row += "○";
    if (cell.ZSet == Mark::kRemoved) row += "×";
  }
  return row;
}

struct Rules {
  int TRG = 0;
  bool RCB = false;
  bool KSCB = false;
};

ProgramSettings SettingsWith(const Rules& rules) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetChoice("TRG", rules.TRG);
  settings.usys.SetFlag("RCB", rules.RCB);
  settings.usys.SetFlag("KSCB", rules.KSCB);
  return settings;
}

struct Case {
  const char* name;
  BoardPillars pillars;
  Rules rules;
  std::vector<std::pair<int, int>> removed = {};  // cells (column, row) marked 2 before the step
  LuckRange range = LuckRange::kNatalOnly;
  const char* expected = "";
};

TEST(RootsStep, RootsByElementOfBranchOrHiddenStems) {
  using enum LuckRange;
  const Case kCases[] = {
      {"hidden stems, own pillar included", kNatalA, {}, {}, kNatalOnly, "年:32○ 月:2○ 日:432○ 時:4○"},
      {"hidden stems in force only", kNatalA, {.RCB = true}, {}, kNatalOnly, "年:2○ 日:3○ 時:4○"},
      {"辰 roots 甲 through its 乙 余気", kNatalB, {}, {}, kNatalOnly, "年:4321○ 月:3○ 日:431○"},
      {"branches: 寅 and 卯 root 甲, 辰 does not", kNatalB, {.TRG = 1}, {}, kNatalOnly, "年:32○ 日:41○"},
      {"余気 not in force roots nothing", kNatalB, {.RCB = true}, {}, kNatalOnly, "年:32○ 日:41○"},
      {"余気 in force roots", WithHourInResidual(kNatalB), {.RCB = true}, {}, kNatalOnly, "年:432○ 日:1○"},
      {"removed branch", kNatalB, {.TRG = 1}, {{8, board::kWorkBranch}}, kNatalOnly, "年:3○ 日:41○"},
      {"removed hidden stems; the next one still roots",
       kNatalB,
       {},
       {{7, board::kWorkHidden3}, {6, board::kWorkHidden1}},
       kNatalOnly,
       "年:21○ 月:3○ 日:431○"},
      {"a removed stem keeps its mark", kNatalB, {}, {{9, board::kRoots}}, kNatalOnly, "年:4321× 月:3○ 日:431○"},
      {"no-change mode clears the mark first",
       kNatalB,
       {.KSCB = true},
       {{9, board::kRoots}},
       kNatalOnly,
       "年:4321○ 月:3○ 日:431○"},
      {"a column without a pillar roots nothing", kNatalA, {}, {}, kMajorLuck, "年:32○ 月:2○ 日:432○ 時:4○"},
      {"major luck takes part", WithLuck(kNatalB), {}, {}, kMajorLuck, "年:54321○ 月:3○ 日:431○ 大運:54321○"},
      {"running year takes part",
       WithLuck(kNatalB),
       {},
       {},
       kYearLuck,
       "年:54321○ 月:63○ 日:6431○ 大運:54321○ 行年:63○"},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = SettingsWith(c.rules);
    ChartBoard board = BoardFromPillars(c.pillars, settings);
    for (const auto& [column, row] : c.removed) board(BoardColumn{column}, row).ZSet = Mark::kRemoved;
    RootsStep(board, c.range, true, {settings.usys, settings.sys});
    EXPECT_EQ(RootsRow(board), c.expected) << c.name;
  }
}

TEST(RootsStep, UnknownHourNeitherRootsNorIsRooted) {
  for (const int TRG : {0, 1}) {
    ProgramSettings settings = SettingsWith({.TRG = TRG});
    // The hour pillar's texts are left on the board, so only the rule keeps them out; its 戊 would
    // root in 辰 and 寅, and its 申 would root 庚 or 戊 elsewhere.
    BoardPillars pillars = Natal("甲子", "丙寅", "戊辰", "戊申");
    pillars.hour_known = false;
    ChartBoard board = BoardFromPillars(pillars, settings, false);
    RootsStep(board, LuckRange::kNatalOnly, false, {settings.usys, settings.sys});
    EXPECT_EQ(RootsRow(board), TRG == 0 ? "年:32○ 月:2○ 日:32○" : "年:2○ 日:3○") << "TRG " << TRG;
  }
}

TEST(RootsStep, NarrowerRangeLeavesNoRootsInTheLuckColumns) {
  const ProgramSettings& settings = ShippedSettings();
  ChartBoard board = BoardFromPillars(WithLuck(kNatalB), settings);
  RootsStep(board, LuckRange::kHourLuck, true, {settings.usys, settings.sys});
  EXPECT_EQ(board(board::kRunningHour, board::kRoots).Text, "9");  // 庚 in its own 申 only
  const ChartBoard widest = board;

  RootsStep(board, LuckRange::kNatalOnly, true, {settings.usys, settings.sys});
  EXPECT_EQ(board(board::kRunningHour, board::kRoots).Text, "");
  EXPECT_EQ(board(board::kMajorLuck, board::kRoots).Text, "");
  EXPECT_EQ(board(board::kYear, board::kRoots).Text, "4321");

  // Widening again gives the widest board back and leaves the scratch column alone.
  RootsStep(board, LuckRange::kHourLuck, true, {settings.usys, settings.sys});
  EXPECT_EQ(board, widest);
}

}  // namespace
}  // namespace kirvo
