#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board_column.h"
#include "platform/rgb_colour.h"

namespace kirvo {

// The mark a cell shows (`ZSet`), with what it means where it appears.
enum class Mark : std::int32_t {
  kNone = 0,
  kInForce = 1,             // ○ rows 4..6: the hidden stem the depth puts in force; row 12: the stem has a root
  kRemoved = 2,             // × removed (去): a stem, branch or hidden stem; on a relation cell, the relation fails
  kTransformed = 3,         // ◇ transformed (化): the cell shows the stem it became
  kRemovedByDayMaster = 4,  // □ a stem removed by a relation with the day master: its number counts twice
  kHalved = 5,              // △ its number counts half
  kMonthCommand = 6,        // ◎ the month's commanding hidden stem
};

// One cell of the chart board. A window shows it as a button; the analysis steps read and write
// these fields only.
struct ChartCell {
  std::string Text;
  std::int32_t Code = 0;                  // a stem, branch or class index, by row
  Rgb TopColor = 0;                       // colour of the cell's top band
  kirvo::Mark ZSet = kirvo::Mark::kNone;  // the mark shown (named in full: `Mark` below is the corner circle)
  bool Mark = false;                      // small circle in the corner (branch interactions)
  bool ChangeColor = false;               // the cell changes colour when pressed
  bool operator==(const ChartCell&) const = default;
};

// The whole chart laid out as 11 columns × 41 rows; cell (c, r) is number 41·c + r.
// Columns: 0 scratch, 1 行時, 2 行日, 3 行月, 4 行年, 5 大運, 6 時柱, 7 日柱, 8 月柱, 9 年柱, 10 row
// headers. The pillar number of column c, used in every relation text, is 10 − c.
class ChartBoard {
 public:
  static constexpr int kColumns = 11;
  static constexpr int kRows = 41;

  ChartCell& operator()(BoardColumn column, int row) { return cells_[column.index * kRows + row]; }
  const ChartCell& operator()(BoardColumn column, int row) const { return cells_[column.index * kRows + row]; }
  ChartCell& Cell(int number) { return cells_[number]; }
  const ChartCell& Cell(int number) const { return cells_[number]; }
  bool operator==(const ChartBoard&) const = default;

 private:
  std::array<ChartCell, kColumns * kRows> cells_{};
};

// Board columns and rows by name.
namespace board {
inline constexpr BoardColumn kScratch{0};
inline constexpr BoardColumn kRunningHour{1}, kRunningDay{2}, kRunningMonth{3}, kRunningYear{4}, kMajorLuck{5};
inline constexpr BoardColumn kHour{6}, kDay{7}, kMonth{8}, kYear{9}, kHeaders{10};
constexpr int PillarNumber(BoardColumn column) { return 10 - column.index; }
constexpr BoardColumn ColumnOfPillar(int pillar) { return BoardColumn{10 - pillar}; }

inline constexpr int kDepthRow = 0;  // Code = the pillar's depth class
inline constexpr int kStem = 1, kBranch = 2;
inline constexpr int kHidden1 = 4, kHidden2 = 5, kHidden3 = 6;  // 余気 中気 本気
inline constexpr int kHeavenStar = 7, kEarthStar = 8, kStageOfDayMaster = 9, kStageOfStem = 10;
inline constexpr int kStemDiagram = 11, kRoots = 12;
inline constexpr int kWorkStem = 13, kWorkBranch = 14, kPillarNumberRow = 15;
inline constexpr int kWorkHidden1 = 16, kWorkHidden2 = 17, kWorkHidden3 = 18, kBranchDiagram = 19;
// Interaction rows: 20 ○干合, 21 干化, 22 △加剋, 23 ▽受剋, 24 ○支合, 25 支化, 26 ▽冲, 27 △局, 28 ◇三合, 29 □方合.
inline constexpr int kStemCombine = 20, kStemTransform = 21, kOvercomes = 22, kOvercomeBy = 23;
inline constexpr int kBranchCombine = 24, kBranchTransform = 25, kClash = 26, kGroup = 27, kThreeHarmony = 28,
                     kDirectional = 29;
inline constexpr int kPunishment = 30, kHarm = 31, kBreak = 32, kSpecial = 33;
inline constexpr int kSavedFirst = 34;  // rows 34..40 keep a copy of rows 12..18
}  // namespace board

// The two relation lists the interaction steps fill and the windows draw as diagrams: short digit
// texts, one entry per relation.
using RelationList = std::vector<std::string>;

}  // namespace kirvo
