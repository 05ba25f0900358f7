#include "presentation/panel/chart_content.h"
#include "presentation/shared/grid_text_copy.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr std::size_t kClimateGodColumn = 5, kClimateGodRow = 2;

const ContentGrid& GridOf(const ChartContent& content, CopyableGrid grid) {
  switch (grid) {
    case CopyableGrid::kContentTable:
      return content.SNB;
    case CopyableGrid::kElementTable:
      return content.SG2;
    case CopyableGrid::kStemNumbers:
      break;
  }
  return content.KanSG;
}

}  // namespace

std::optional<std::string> ContentTableHint(const ChartContent& content, std::size_t column, std::size_t row) {
  if (column != kClimateGodColumn || row != kClimateGodRow) return std::nullopt;
  return content.SNB.Cell(column, row);
}

void PressOnGrid(ChartContent& content, CopyableGrid grid, bool right_button) {
  content.copy_target = grid;
  if (right_button) content.copy_offered = true;
}

void RightPressOnTenGodGraph(ChartContent& content) { content.copy_offered = false; }

std::string GridTextOf(const ChartContent& content, CopyableGrid grid) {
  const ContentGrid& source = GridOf(content, grid);
  const int cell_width = grid == CopyableGrid::kContentTable ? kContentTableCopyCellWidth : kGridCopyCellWidth;
  return GridTextCopy(source.text, source.column_widths, cell_width);
}

std::optional<std::string> MemoWordOfClick(const ChartContent& content, CopyableGrid grid, std::size_t column,
                                           std::size_t row, const SysSettings& sys) {
  if (!sys.MOnSW) return std::nullopt;
  return GridOf(content, grid).Cell(column, row);
}

void ToggleSection(ChartContent& content, ContentSection section) {
  bool& shown = content.sections_shown[static_cast<std::size_t>(section)];
  shown = !shown;
}

}  // namespace kirvo
