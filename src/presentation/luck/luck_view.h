#pragma once

#include "presentation/luck/luck_table.h"
#include "presentation/panel/chart_content_model.h"

namespace kirvo {

struct SysSettings;

// Whether the luck window shows row `row` of its table: rows 0..5 always, rows 6..18 when their
// item of `KouChg` is checked, row 19 (the moments) never.
bool LuckRowShown(const SysSettings& sys, int row);

// Column widths of the luck window's table, in pixels at 96 dpi: the labels 45, a period 50, a
// period without data 0 (hidden).
inline constexpr int kLuckLabelColumnWidth = 45;
inline constexpr int kLuckPeriodColumnWidth = 50;

// The table as the luck window draws it: texts, widths and the style of every cell. Rows 0..2 and
// the labels in the label style; the selected column in the selection colour `CP11`; in the
// period columns 用神, 忌神, 喜神, 天干 and 地支 shaded from the colour of their first character's
// element down to white with black text; the rest white. Rows 2..6 of the periods are
// right-aligned, everything else centred. The user selects no cell; `selected` (0 for none) is the
// column the program selected.
ContentGrid LuckTableGrid(const LuckTable& table, const SysSettings& sys, int selected);

}  // namespace kirvo
