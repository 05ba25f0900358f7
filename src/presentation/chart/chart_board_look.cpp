#include "presentation/chart/chart_board_look.h"

#include <algorithm>

#include "calendar/sexagenary.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr Rgb kGrey = 0x808080;    // 128, 128, 128: the unknown hour, the "No." row
constexpr Rgb kSilver = 0xC0C0C0;  // the outline of the 大運 column
constexpr Rgb kBlue = 0x0000FF;    // the top band of the 通根 row
constexpr int kSmallestChartPoints = 11;

bool IsWorkingRow(int row) {
  return row == board::kWorkStem || row == board::kWorkBranch ||
         (row >= board::kWorkHidden1 && row <= board::kWorkHidden3);
}
bool IsOriginalRow(int row) { return row >= board::kStem && row <= board::kHidden3 && row != 3; }
bool IsRelationRow(int row) { return row >= board::kStemCombine && row <= board::kSpecial; }
bool IsPillarColumn(BoardColumn column) { return column >= board::kRunningHour && column <= board::kYear; }

Rgb Reverse(Rgb colour) { return kMaxRgb ^ colour; }

// The middle of a gradient, where a centred text stands.
Rgb Midway(Rgb top, Rgb end) {
  Rgb mid = 0;
  for (int shift : {0, 8, 16}) {
    const Rgb a = (top >> shift) & 0xFF;
    const Rgb b = (end >> shift) & 0xFF;
    mid |= ((a + b) / 2) << shift;
  }
  return mid;
}

// Hover changes the stems, branches, hidden stems, roots and diagrams of the pillars; the unknown
// hour's column stays as it is.
bool ChangesOnHover(const Chart& chart, BoardPosition cell) {
  if (!IsPillarColumn(cell.column)) return false;
  if (cell.column == board::kHour && !chart.hour_known) return false;
  return (cell.row >= board::kStemDiagram && cell.row <= board::kWorkBranch) ||
         (cell.row >= board::kWorkHidden1 && cell.row <= board::kBranchDiagram);
}

Rgb ElementColourOfText(std::string_view text, const SysSettings& sys, Rgb none) {
  const Element element = ElementGroupOf(text, sys.names.ten_god_row);
  return element < kNoElement ? ElementColour(sys.CP, element) : none;
}

}  // namespace

std::string BoardCellText(const Chart& chart, BoardPosition cell) {
  const ChartBoard& board = chart.board;
  if (cell.column == board::kHeaders) {
    const bool season_row = cell.row >= board::kWorkHidden1 && cell.row <= board::kWorkHidden3;
    return chart.season_elements && season_row ? std::string() : std::string(ChartRowLabel(cell.row));
  }
  if (cell.row == board::kDepthRow) return std::string(ChartColumnTitle(cell.column.index));
  if (cell.row == board::kPillarNumberRow) return std::to_string(board::PillarNumber(cell.column));
  return board(cell.column, cell.row).Text;
}

BoardCellLook LookOfBoardCell(const Chart& chart, BoardPosition cell, int width, int height, const SysSettings& sys) {
  const ChartCell& source = chart.board(cell.column, cell.row);
  BoardCellLook look;
  const bool unknown_hour = cell.column == board::kHour && !chart.hour_known;
  if (cell.row == board::kDepthRow || cell.column == board::kHeaders) {
    look.top = ColourOf(sys.CP, PanelColour::kFixedGradientStart);
    look.end = ColourOf(sys.CP, PanelColour::kFixedGradientEnd);
    look.text = ColourOf(sys.CP, PanelColour::kFixedText);
  } else if (IsWorkingRow(cell.row)) {
    if (unknown_hour) {
      look.top = look.end = kGrey;
    } else if (sys.CCB) {
      look.top = kBlack;
      look.end = kGrey;
    } else {
      look.top = ElementColourOfText(source.Text, sys, ColourOf(sys.CP, PanelColour::kLine1));
      look.end = kBlack;
    }
    look.text = ContrastTextColour(Midway(look.top, look.end));
    look.chart_font = true;
    look.font_points = std::max(kSmallestChartPoints, std::min(height, width) / 2);
  } else if (IsOriginalRow(cell.row)) {
    look.top = unknown_hour ? kGrey : source.TopColor;
    look.end = unknown_hour ? kGrey : kBlack;
    look.text = ContrastTextColour(Midway(look.top, look.end));
  } else if (cell.row == board::kPillarNumberRow) {
    look.top = kGrey;
    look.end = kBlack;
    look.text = kWhite;
  } else if (cell.row == board::kRoots) {
    look.top = kBlue;
    look.end = kWhite;
  } else if (IsRelationRow(cell.row)) {
    look.end = source.Text.empty() ? kBlack : kWhite;
    if (!sys.CCB && !source.Text.empty()) look.top = ElementColourOfText(source.Text, sys, kWhite);
  }
  look.outline = cell.column == board::kMajorLuck ? kSilver : kBlack;
  look.hover_end = Reverse(look.end);
  look.hover_text = IsWorkingRow(cell.row) ? kWhite : ContrastTextColour(Midway(look.top, look.hover_end));
  look.changes_on_hover = ChangesOnHover(chart, cell);
  look.bands = std::max(1, sys.GCB ? (height - 2) / 5 : (height - 2) / 2);
  return look;
}

BoardCellLook PrintLookOfBoardCell(BoardCellLook screen, BoardPosition cell, bool colour) {
  const bool label = cell.row == board::kDepthRow || cell.column == board::kHeaders;
  screen.changes_on_hover = false;
  if (colour && !label) return screen;
  screen.top = screen.end = kWhite;
  screen.text = kBlack;
  screen.outline = kBlack;
  screen.bands = 1;
  return screen;
}

Rgb BoardDiagramBackground(const SysSettings& sys, bool on_paper) {
  return on_paper ? kWhite : ColourOf(sys.CP, PanelColour::kFixedPart);
}

}  // namespace kirvo
