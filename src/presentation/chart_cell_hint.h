#pragma once

#include <optional>
#include <string>

#include "engine/chart_board.h"
#include "presentation/chart_board_geometry.h"

namespace kirvo {

struct SysSettings;

// The hint of a pillar cell (columns 1..9) with text. A relation cell lists the pillars its
// relations reach: "<< 日柱's name：row label >>" and a line per pillar number. A stem cell names
// the stem's ten-god seen from the day master. Other cells have none.
std::optional<std::string> BoardCellHint(const ChartBoard& board, BoardPosition cell, const SysSettings& sys);

// The name of pillar number 1..9: 命式年柱 … 行運時柱.
std::string_view PillarName(int pillar_number);

}  // namespace kirvo
