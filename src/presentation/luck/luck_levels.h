#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/board_column.h"
#include "engine/chart_record.h"

namespace kirvo {

// The level pairs of a running-luck table (`KCB`): the table lists the periods of one level and
// compares each with the level above it.
enum class LuckLevel : int {
  kMajor = 0,  // decades of major luck, against the chart alone
  kYear = 1,
  kMonth = 2,
  kDay = 3,
  kHour = 4,  // double-hours
};
inline constexpr int kLuckLevelCount = 5;

struct LuckLevelRow {
  LuckLevel level;
  std::string_view caption;  // the selector's item
  LuckRange base;            // the range of the level above
  LuckRange listed;          // the range taking the listed level in
  BoardColumn listed_column; // the board column of the listed luck pillar
  std::string_view base_label;    // row 3: the caption's fourth character + "：吉数"
  std::string_view listed_label;  // row 4: its first character + "：吉数"
};

// One period of a level is one step of StepMoment with the level's number as its unit: 120 and 12
// calendar months, one calendar month, one day, a twelfth of a day.
// clang-format off
inline constexpr std::array<LuckLevelRow, kLuckLevelCount> kLuckLevels = {{
    {LuckLevel::kMajor, "大運＋命式", LuckRange::kNatalOnly, LuckRange::kMajorLuck, board::kMajorLuck,    "命：吉数", "大：吉数"},
    {LuckLevel::kYear,  "年運＋大運", LuckRange::kMajorLuck, LuckRange::kYearLuck,  board::kRunningYear,  "大：吉数", "年：吉数"},
    {LuckLevel::kMonth, "月運＋年運", LuckRange::kYearLuck,  LuckRange::kMonthLuck, board::kRunningMonth, "年：吉数", "月：吉数"},
    {LuckLevel::kDay,   "日運＋月運", LuckRange::kMonthLuck, LuckRange::kDayLuck,   board::kRunningDay,   "月：吉数", "日：吉数"},
    {LuckLevel::kHour,  "時運＋日運", LuckRange::kDayLuck,   LuckRange::kHourLuck,  board::kRunningHour,  "日：吉数", "時：吉数"},
}};
// clang-format on

constexpr int LuckLevelNumber(LuckLevel level) { return static_cast<int>(level); }
constexpr const LuckLevelRow& LuckLevelRowOf(LuckLevel level) { return kLuckLevels[LuckLevelNumber(level)]; }
// The level of a selector item or stored number; nothing outside 0..4.
constexpr std::optional<LuckLevel> LuckLevelOf(int number) {
  if (number < 0 || number >= kLuckLevelCount) return std::nullopt;
  return static_cast<LuckLevel>(number);
}

// The rows of a running-luck table (`KSG`); column 0 holds their labels.
namespace luck_row {
inline constexpr int kYearMonth = 0, kDayHour = 1, kAge = 2;
inline constexpr int kBaseFavour = 3, kListedFavour = 4, kTotal = 5;
inline constexpr int kBalance = 6, kInnerOuter = 7, kStrength = 8, kUsefulGod = 9, kAdverse = 10, kFavourable = 11;
inline constexpr int kHeavenStar = 12, kEarthStar = 13, kStageOfDayMaster = 14, kStageOfStem = 15;
inline constexpr int kStem = 16, kBranch = 17, kSpecial = 18;
inline constexpr int kMoment = 19;  // the period's moment "YYYY/MM/DD HH:NN"; never shown
inline constexpr int kCount = 20;
// Rows 6..18 carry the items of `KouChg` as their labels, in the same order.
inline constexpr int kFirstChoosable = kBalance;
}  // namespace luck_row

}  // namespace kirvo
