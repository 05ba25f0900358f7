#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/analysis_steps.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// Day pillar 甲子 (void branches 戌亥) with a luck pillar in every running column.
BoardPillars WithLuck(const char* major, const char* year, const char* month, const char* day, const char* hour) {
  BoardPillars pillars = Natal("乙亥", "丙寅", "甲子", "丁卯");
  pillars.major_luck = major;
  pillars.running_year = year;
  pillars.running_month = month;
  pillars.running_day = day;
  pillars.running_hour = hour;
  return pillars;
}

BoardPillars HourUnknown(BoardPillars pillars) {
  pillars.hour_known = false;
  return pillars;
}

constexpr std::array<const char*, 10> kColumnNames = {"",     "行時", "行日", "行月", "行年",
                                                      "大運", "時",   "日",   "月",   "年"};

// The texts of one row, year first: "年:2 月:1".
std::string RowOf(const ChartBoard& board, int row) {
  std::string text;
  for (BoardColumn column = board::kYear; column >= board::kScratch; --column) {
    const std::string& cell = board(column, row).Text;
    if (cell.empty()) continue;
    if (!text.empty()) text += " ";
    text += std::string(column == board::kScratch ? "scratch" : kColumnNames[column.index]) + ":" + cell;
  }
  return text;
}

ChartBoard RunMarksStep(const BoardPillars& pillars, LuckRange range, bool four_special_pillars) {
  ProgramSettings settings = ShippedSettings();
  settings.sys.SsnCB = four_special_pillars;
  ChartBoard board = BoardFromPillars(pillars, settings);
  for (int row = board::kPunishment; row <= board::kSpecial; ++row) {
    board(board::kScratch, row).Text = "stale";
    board(board::kHour, row).Text = "stale";
  }
  MarksStep(board, TMeiData{}, range, pillars.hour_known, {settings.usys, settings.sys});
  return board;
}

struct MarksCase {
  const char* name;
  BoardPillars pillars;
  LuckRange range;
  bool four_special_pillars;  // `SsnCB`
  // Rows 30 to 33; nullptr leaves a row unchecked.
  const char* punishments;
  const char* harms;
  const char* breaks;
  const char* special;
};

using enum LuckRange;

// clang-format off
const MarksCase kCases[] = {
    {"戌 and 丑 punish each other (恩); 寅 with 戌 does not; 寅亥 break", Natal("甲戌", "丁丑", "戊寅", "癸亥"), kNatalOnly, false,
     "年:恩 月:恩", "", "日:4 時:3", ""},
    {"子酉 break listed once on each side; 辰辰 punish themselves; 子 void of 丙辰",
     Natal("癸酉", "甲子", "丙辰", "壬辰"), kNatalOnly, false, "日:自 時:自", "", "年:2 月:1", "月:真"},
    {"寅巳申 punish by force; 巳寅 and 申亥 harm, 寅亥 and 巳申 break", Natal("丙寅", "癸巳", "庚申", "丁亥"), kNatalOnly, false,
     "年:勢 月:勢 日:勢", "年:2 月:1 日:4 時:3", "年:4 月:3 日:2 時:1", ""},
    {"子卯 punish by courtesy", Natal("己卯", "丙寅", "戊辰", "甲子"), kNatalOnly, false, "年:礼 時:礼", "年:3 日:1", "", ""},
    {"an unknown hour takes part in nothing, its 子 punishes no 卯", HourUnknown(Natal("己卯", "丙寅", "戊辰", "甲子")),
     kNatalOnly, false, "", "年:3 日:1", "", ""},
    {"luck pillars against the day pillar 甲子", WithLuck("甲子", "甲午", "庚午", "己丑", "壬戌"), kHourLuck, false, nullptr,
     nullptr, nullptr, "年:半 大運:反 行年:天 行月:伏 行日:晦 行時:真"},
    {"luck pillars outside the range get no mark", WithLuck("甲子", "甲午", "庚午", "己丑", "壬戌"), kNatalOnly, false, nullptr,
     nullptr, nullptr, "年:半"},
    {"the four special pillars of 甲子; a void branch replaces the mark", WithLuck("己未", "甲子", "乙丑", "己巳", "癸亥"),
     kHourLuck, true, nullptr, nullptr, nullptr, "年:半 大運:■ 行年:反 行月:□ 行日:○ 行時:半"},
};
// clang-format on

TEST(MarksStep, WritesPunishmentsHarmsBreaksAndSpecialMarks) {
  for (const MarksCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const ChartBoard board = RunMarksStep(c.pillars, c.range, c.four_special_pillars);
    const std::array<const char*, 4> expected = {c.punishments, c.harms, c.breaks, c.special};
    for (int k = 0; k < 4; ++k) {
      if (expected[k] == nullptr) continue;
      EXPECT_EQ(RowOf(board, board::kPunishment + k), expected[k]) << "row " << 30 + k;
    }
  }
}

TEST(MarksStep, RunningAgainGivesTheSameBoard) {
  const BoardPillars pillars = WithLuck("己未", "甲子", "乙丑", "己巳", "癸亥");
  ProgramSettings settings = ShippedSettings();
  settings.sys.SsnCB = true;
  ChartBoard board = BoardFromPillars(pillars, settings);
  MarksStep(board, TMeiData{}, LuckRange::kHourLuck, true, {settings.usys, settings.sys});
  const ChartBoard once = board;
  MarksStep(board, TMeiData{}, LuckRange::kHourLuck, true, {settings.usys, settings.sys});
  EXPECT_EQ(board, once);
}

}  // namespace
}  // namespace kirvo
