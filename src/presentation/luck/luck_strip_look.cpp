#include "presentation/luck/luck_strip_look.h"

#include "calendar/sexagenary.h"
#include "settings/sys_colours.h"

namespace kirvo {

int StripRowHeight(const SysSettings& sys, int row) {
  if (!StripRowShown(sys, row)) return 0;
  return row < kStripHeadingRows ? kStripHeadingRowHeight : kStripRowHeight;
}

CellStyle StripLabelStyle(const SysSettings& sys) {
  CellStyle style;
  style.label = true;
  style.background = ColourOf(sys.CP, PanelColour::kFixedGradientStart);
  style.background_bottom = ColourOf(sys.CP, PanelColour::kFixedGradientEnd);
  style.text = ColourOf(sys.CP, PanelColour::kFixedText);
  return style;
}

CellStyle StripCellStyle(const LuckStrip& strip, int column, int row, const SysSettings& sys) {
  if (row < kStripHeadingRows) return StripLabelStyle(sys);
  CellStyle style;
  if (strip.highlighted == column) {
    style.background = style.background_bottom = ColourOf(sys.CP, PanelColour::kSelection);
    style.text = ContrastTextColour(style.background);
    return style;
  }
  if (row == kStripStemRow || row == kStripBranchRow) {
    const Element element = ElementGroupOf(strip.Cell(column, row), TenGodNamingRow(sys));
    if (element != kNoElement) style.background = ElementColour(sys.CP, element);
  }
  return style;
}

}  // namespace kirvo
