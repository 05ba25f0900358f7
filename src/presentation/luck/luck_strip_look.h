#pragma once

#include "presentation/luck/luck_strip.h"
#include "presentation/panel/chart_content_model.h"
#include "settings/sys_settings.h"

namespace kirvo {

// How the combined window draws a strip. Heights and widths are layout units (pixels at 96 dpi).
inline constexpr int kStripHeadingRowHeight = 14;
inline constexpr int kStripRowHeight = 20;
inline constexpr int kStripLabelWidth = 50;
inline constexpr int kStripColumnWidth = 36;  // two characters and a margin
// A silver (12632256, 0xC0C0C0) line runs under every cell and down the label grid's left edge.
inline constexpr Rgb kStripLineColour = 0xC0C0C0;

// A row's height: the heading rows 14, the others 20, a row `MKouChg` hides 0.
int StripRowHeight(const SysSettings& sys, int row);

// The style of a strip cell: the heading rows as label cells; the stem and branch rows a gradient
// from the element colour of their text down to white, in black; the highlighted column's rows 3..9
// in the selection colour `CP11` with its contrast text; everything else white; texts centred.
CellStyle StripCellStyle(const LuckStrip& strip, int column, int row, const SysSettings& sys);
// The style of a label cell of the label grid.
CellStyle StripLabelStyle(const SysSettings& sys);

}  // namespace kirvo
