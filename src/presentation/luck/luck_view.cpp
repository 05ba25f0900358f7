#include "presentation/luck/luck_view.h"

#include <array>
#include <string_view>

#include "calendar/sexagenary.h"
#include "platform/utf8.h"
#include "settings/sys_colours.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// Period rows shaded by the element of their text.
constexpr std::array<int, 5> kElementRows = {luck_row::kUsefulGod, luck_row::kAdverse, luck_row::kFavourable,
                                             luck_row::kStem, luck_row::kBranch};

bool IsElementRow(int row) {
  for (const int element_row : kElementRows) {
    if (element_row == row) return true;
  }
  return false;
}

std::string_view FirstCharacter(std::string_view text) {
  if (text.empty()) return text;
  const Utf8Char first = DecodeUtf8Char(text, 0);
  return text.substr(0, first.valid ? first.length : 1);
}

CellStyle LabelStyle(const PanelColours& colours) {
  CellStyle style;
  style.label = true;
  style.background = ColourOf(colours, PanelColour::kFixedGradientStart);
  style.background_bottom = ColourOf(colours, PanelColour::kFixedGradientEnd);
  style.text = ColourOf(colours, PanelColour::kFixedText);
  return style;
}

}  // namespace

bool LuckRowShown(const SysSettings& sys, int row) {
  if (row < 0 || row >= luck_row::kMoment) return false;
  if (row < luck_row::kFirstChoosable) return true;
  return IsChecked(sys.KouChg, static_cast<std::size_t>(row - luck_row::kFirstChoosable));
}

ContentGrid LuckTableGrid(const LuckTable& table, const SysSettings& sys, int selected) {
  ContentGrid grid;
  grid.text = table.KSG;
  grid.selectable = false;
  grid.styles.assign(grid.columns() * grid.rows(), CellStyle{});
  const CellStyle label = LabelStyle(sys.CP);
  const Rgb selection = ColourOf(sys.CP, PanelColour::kSelection);
  const TenGodNames& names = TenGodNamingRow(sys);
  for (std::size_t column = 0; column < grid.columns(); ++column) {
    const int c = static_cast<int>(column);
    grid.column_widths.push_back(column == 0                    ? kLuckLabelColumnWidth
                                 : LuckColumnHidden(table, c) ? 0
                                                              : kLuckPeriodColumnWidth);
    for (std::size_t row = 0; row < grid.rows(); ++row) {
      const int r = static_cast<int>(row);
      CellStyle& style = grid.StyleAt(column, row);
      if (column == 0 || r <= luck_row::kAge) {
        style = label;
      } else if (c == selected) {
        style.background = style.background_bottom = selection;
        style.text = ContrastTextColour(selection);
      } else if (IsElementRow(r)) {
        const Element element = ElementGroupOf(FirstCharacter(grid.Cell(column, row)), names);
        if (element != kNoElement) style.background = ElementColour(sys.CP, element);
      }
      if (column > 0 && r >= luck_row::kAge && r <= luck_row::kBalance) style.alignment = CellAlignment::kRight;
    }
  }
  return grid;
}

}  // namespace kirvo
