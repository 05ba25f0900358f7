#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/ten_gods.h"

namespace kirvo {

// The ten-god graph (変通星): how strongly the chart's pillars hold each ten-god star, weighed by
// the rule settings' 変通星の数値 (`HSG`), and the stars summed by group.

inline constexpr std::size_t kTenGodGroups = 5;  // 比劫 食傷 財星 官星 印星: star pairs 0-1, 2-3 … 8-9

// One integer per star, 比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印 印綬.
using TenGodTally = std::array<int, 10>;

// The stars of a column's three hidden stems.
using EarthStars = std::array<TenGod, 3>;
constexpr std::array<EarthStars, ChartBoard::kColumns> NoEarthStars() {
  std::array<EarthStars, ChartBoard::kColumns> none{};
  for (EarthStars& stars : none) stars = {kNoTenGod, kNoTenGod, kNoTenGod};
  return none;
}

struct TenGodGraph {
  TenGodTally tally{};
  std::array<int, kTenGodGroups> values{};  // a group's two stars together
  std::array<int, kTenGodGroups> parts{};   // the group's first star
  // By board column, the stars of its hidden stems 余気 中気 本気 as the tally met them, for the
  // hint of the column's 地星 cell (EarthStarHint); kNoTenGod where a column has none, as every
  // column not taking part.
  std::array<EarthStars, ChartBoard::kColumns> earth_stars = NoEarthStars();
};

// The hint of a 地星 cell, written when the pointer rests on it: a line per star, "余:", "中:" or
// "本:" + the star's name; empty without stars.
std::string EarthStarHint(const EarthStars& stars, const TenGodNames& names);

// The graph of a computed board over the columns the range takes in (6 − range to 9; an unknown
// hour leaves column 6 empty, so it adds nothing). Each column adds the weight of its 天星 (row 7)
// and, except the day pillar, of its 地星 (row 8), and the weight of each hidden stem (rows 16..18)
// for that stem's star seen from the day master (7, 13); each weight after the mark of its cell
// (□ doubles, △ halves, × removes). A cell naming no star adds nothing.
TenGodGraph TenGodGraphOf(const ChartBoard& board, LuckRange range, const ChartRules& rules);

// The hint of the graph, asked for when the graph is shown, one line per group: its name + ":" +
// its share of the total in percent, one decimal, zero-padded to four characters, + "% [" + the
// value right-aligned in two places + "]". With a total of 0 (every weight 0) no share can be
// taken; every group shows "00.0%", as a group of 0 does in any chart.
std::string TenGodGraphHint(const std::array<int, kTenGodGroups>& values,
                            const std::array<std::string, kTenGodGroups>& group_names);

}  // namespace kirvo
