#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/sexagenary.h"
#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/ten_gods.h"

namespace kirvo {

// A number counted for a cell, after the cell's mark (`ZSet`): none, ○, ◇ and ◎ keep it, □ doubles
// it, △ halves it (truncated toward zero); × (removed) and any other mark make it 0.
int AdjustedByMark(int value, Mark mark);

// One row of the five-element table: the element standing in one relation to the day master, and
// what the chart holds of it. The sums add up the rule settings' base numbers (`SSG`, each 0..20,
// and `SSG2`), so with non-negative base numbers, as shipped, they are never negative.
struct ElementNumberRow {
  ElementRelation relation = 0;  // 0 主, 1 洩, 2 分, 3 剋, 4 生
  std::string relation_name;     // its display name (system settings `KyuSG`)
  Element element = 0;           // 0..4, 木火土金水
  int stems = 0;                 // 干: working stems
  int branches = 0;              // 支: working branches (or their season elements)
  int hidden_stems = 0;          // 蔵: working hidden stems
  int month_command = 0;         // 令: the month's commanding stem in its season
  int roots = 0;                 // 通: roots of the element's stems
  std::int64_t total = 0;        // 計
  double coefficient = 0;        // 係数, 0..1, from the coefficient table
  double strength = 0;           // 力量 = 計 × 係数; shown with two decimals
  double share = 0;              // 構成: 計 in percent of the five totals, 0..100; shown with one decimal
};

// The five-element table (五行表).
struct ElementNumberTable {
  std::array<ElementNumberRow, 5> rows;     // rows[n] carries relation n: 主 洩 分 剋 生
  Element day_master_element = kNoElement;  // of the natal day stem, cell (7, 1)
  Element strongest = kNoElement;           // the element of the first row with the largest 計

  const ElementNumberRow& Row(ElementRelation relation) const { return rows[relation]; }
};

// The stem numbers (干数値), indexed by `Stem` 0..9.
struct StemNumbers {
  std::array<int, 10> totals{};       // 干 + 蔵 + 令 + 通 of the stem
  std::array<double, 10> weighted{};  // total × the 係数 of the stem's relation; shown with one decimal
};

struct ElementNumbers {
  ElementNumberTable table;
  StemNumbers stems;
};

// What the analysed board holds of each element and each stem, counted over the columns taking part
// (6 − `range` to 9; the hour column only when the hour is known), with the base numbers `SSG` and
// `SSG2` and the options `RCB`, `SuCB`, `JyCB` and `SzCB` as they stand. The board is read as the
// pipeline leaves it: working rows 12..18 with their marks.
ElementNumbers ComputeElementNumbers(const ChartBoard& board, const TMeiData& record, LuckRange range, bool hour_known,
                                     const ChartRules& rules);

// A weighted stem number as shown ("#0.0", kStemValueDecimals places); the useful god compares
// stems by this text.
inline constexpr int kStemValueDecimals = 1;
std::string StemValueText(double weighted);

// The season elements of a branch: up to three elements whose season the branch belongs to, in the
// order the hidden-stem rows show them (子 水; 丑 水 金 土; 寅 木 火; ...); kNoElement where a
// branch has fewer.
std::array<Element, 3> SeasonElementsOf(Branch branch);

}  // namespace kirvo
