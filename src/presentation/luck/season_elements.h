#pragma once

#include <array>
#include <string_view>

#include "calendar/sexagenary.h"
#include "engine/element_numbers.h"
#include "engine/chart.h"
#include "settings/sys_settings.h"

namespace kirvo {

// The board the combined window draws with `SzCB` on: rows 16..18 of the four natal columns show
// the season elements of the column's working branch (row 14) instead of its hidden stems, each in
// its element colour with the mark of the hidden-stem cell it replaces (a mark below ◎ on a cell
// with text); the row labels of rows 16..18 are empty. An unknown hour leaves its column's cells
// empty.
Chart WithSeasonElements(const Chart& chart, const SysSettings& sys);

}  // namespace kirvo
