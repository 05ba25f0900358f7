#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/chart_board.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/panel/ten_god_graph.h"

namespace kirvo {

struct SysSettings;

// The hint of a pillar cell (columns 1..9) with text. A relation cell lists the pillars its
// relations reach: "<< 日柱's name：row label >>" and a line per pillar number. A stem cell names
// the stem's ten-god seen from the day master. A 地星 cell (row 8) shows the stars of its column's
// hidden stems, as the ten-god graph collected them (its `earth_stars`, by column), when given.
// Other cells have none.
using EarthStarHints = std::array<EarthStars, ChartBoard::kColumns>;
std::optional<std::string> BoardCellHint(const ChartBoard& board, BoardPosition cell, const SysSettings& sys,
                                         const EarthStarHints* earth_star_hints = nullptr);

// The name of pillar number 1..9: 命式年柱 … 行運時柱.
std::string_view PillarName(int pillar_number);

}  // namespace kirvo
