#include "presentation/chart/chart_text_copy.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "calendar/date_time.h"
#include "engine/decimal_text.h"
#include "engine/seasonal_state.h"
#include "platform/shift_jis.h"
#include "platform/utf8.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// clang-format off
constexpr std::array<std::string_view, ChartBoard::kColumns> kColumnTitles = {
    "", "行時", "行日", "行月", "行年", "大運", "時柱", "日柱", "月柱", "年柱", ""};
constexpr std::array<std::string_view, ChartBoard::kRows> kRowLabels = {
    "", "干.", "支.", "", "余気.", "中気.", "本気.", "天星", "地星", "逢12運", "居12運", "干図", "通根",
    "干", "支", "No.", "余気", "中気", "本気", "支図",
    "○干合", "干化", "△加剋", "▽受剋", "○支合", "支化", "▽冲　", "△局　", "◇三合", "□方合",
    "刑", "害", "破", "特殊", "", "", "", "", "", "", ""};
// The marks (Mark) as drawn over a cell.
constexpr std::array<std::string_view, 7> kMarkCharacters = {"　", "○", "×", "◇", "□", "△", "◎"};
// clang-format on

constexpr int kTitleRowHeight = 20;
constexpr int kPlainRowHeight = 16;
constexpr int kCollapsedRowHeight = 1;
constexpr int kFirstSelectableRow = 7, kLastSelectableRow = 33;
constexpr int kShownAbove = 5;  // a row higher than this is copied
constexpr int kPieceBytes = 4;  // one cell of the box: two full-width characters
constexpr std::string_view kDiagramPiece = "　　";

int NumberOr(std::string_view text, int fallback) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

bool IsOriginalRow(int row) { return row == 1 || row == 2 || (row >= 4 && row <= 6); }
bool CarriesMark(int row) { return (row >= 1 && row <= 6) || (row >= 13 && row <= 18); }

std::string_view MarkCharacter(Mark mark) {
  const auto index = static_cast<std::size_t>(mark);
  return index < kMarkCharacters.size() ? kMarkCharacters[index] : kMarkCharacters[0];
}

std::string FirstCharacters(std::string_view text, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count && end < text.size(); ++i) end += DecodeUtf8Char(text, end).length;
  return std::string(text.substr(0, end));
}

std::string PaddedToPiece(std::string piece) {
  const int width = ShiftJisWidth(piece);
  if (width < kPieceBytes) piece.append(static_cast<std::size_t>(kPieceBytes - width), ' ');
  return piece;
}

// What the window shows in a cell: the titles of row 0 and the pillar numbers of row 15 are its own.
std::string DisplayedText(const ChartBoard& board, BoardColumn column, int row) {
  if (row == board::kDepthRow) return std::string(kColumnTitles[column.index]);
  if (row == board::kPillarNumberRow) return std::to_string(board::PillarNumber(column));
  return board(column, row).Text;
}

std::string Piece(const ChartBoard& board, BoardColumn column, int row) {
  if (row == board::kStemDiagram || row == board::kBranchDiagram) return std::string(kDiagramPiece);
  const std::string_view mark = MarkCharacter(board(column, row).ZSet);
  if (row == board::kRoots) return PaddedToPiece(" " + std::string(mark));
  std::string piece = FirstCharacters(DisplayedText(board, column, row), 2);
  if (CarriesMark(row)) piece += mark;
  return PaddedToPiece(std::move(piece));
}

std::string Label(int row) {
  if (row == board::kStemDiagram || row == board::kBranchDiagram) return std::string(kDiagramPiece);
  std::string label(kRowLabels[row]);
  if (CarriesMark(row)) label += "　";
  return label;
}

std::string Rule(std::string_view left, std::string_view middle, std::string_view right, LuckRange range) {
  std::string line(left);
  line += "──";
  for (int i = 0; i < LuckRangeNumber(range) + 3; ++i) {
    line += middle;
    line += "──";
  }
  line += right;
  return line;
}

// "yyyy/m/d h:m": no leading zeros.
std::string PlainDateTime(DateTime moment) {
  const DateFields f = moment.Fields();
  return std::to_string(f.year) + "/" + std::to_string(f.month) + "/" + std::to_string(f.day) + " " +
         std::to_string(f.hour) + ":" + std::to_string(f.minute);
}

std::string SeasonText(const TMeiData& record) {
  std::string text(kSeasonNames[record.SeasonIndex]);
  text += "[";
  if (record.CommandingStem < kNoStem) {
    text += kSeasonalStateNames[SeasonalStateOf(record.SeasonIndex, ElementOfStem(record.CommandingStem))];
  }
  return text + "]";
}

}  // namespace

std::string_view ChartColumnTitle(int column) { return kColumnTitles[column]; }
std::string_view ChartRowLabel(int row) { return kRowLabels[row]; }

ChartRowLayout ChartRowLayoutOf(const SysSettings& sys, bool show_original) {
  ChartRowLayout layout;
  layout.shown_rows = sys.MeiChg;
  layout.stem_branch_height = NumberOr(sys.Kh, layout.stem_branch_height);
  layout.hidden_stem_height = NumberOr(sys.Zh, layout.hidden_stem_height);
  layout.pillar_width = NumberOr(sys.Tw, layout.pillar_width);
  layout.show_original = show_original;
  return layout;
}

int ChartRowHeight(int row, const ChartRowLayout& layout, std::size_t stem_relations, std::size_t branch_relations) {
  if (row == board::kDepthRow) return kTitleRowHeight;
  if (row < kFirstSelectableRow) {
    return IsOriginalRow(row) && layout.show_original ? kPlainRowHeight : kCollapsedRowHeight;
  }
  if (row > kLastSelectableRow) return 0;
  if (!IsChecked(layout.shown_rows, static_cast<std::size_t>(row - kFirstSelectableRow))) return kCollapsedRowHeight;
  if (row == board::kWorkStem || row == board::kWorkBranch) return layout.stem_branch_height;
  if (row >= board::kWorkHidden1 && row <= board::kWorkHidden3) return layout.hidden_stem_height;
  if (row == board::kStemDiagram || row == board::kBranchDiagram) {
    const std::size_t entries = row == board::kStemDiagram ? stem_relations : branch_relations;
    return std::max(kPlainRowHeight, static_cast<int>((layout.pillar_width / 4) * entries + 2));
  }
  return kPlainRowHeight;
}

std::vector<std::string> ChartTextCopy(const Chart& chart, const ChartRowLayout& layout) {
  const auto& [board, record, stem_relations, branch_relations, range, hour_known, season_elements] = chart;
  std::vector<std::string> lines;
  lines.push_back("氏名：" + record.PersonName + "　" + std::string(SexName(record.Sex)));
  lines.push_back("生年月日：" + record.BirthText);
  lines.push_back("立運：" + std::to_string(record.StartAgeYears) + "年" + std::to_string(record.StartAgeMonths) +
                  "月" + "　" + SeasonText(record) + "　" +
                  std::string(kLuckDirectionNames[record.LuckDirection == 0 ? 0 : 1]) + "行運　黄経：" +
                  DecimalText(record.SunLongitude, 2));
  lines.push_back("造命日付：" + PlainDateTime(record.ChartDateTime));
  lines.push_back("年齢：" + record.AgeText);
  lines.push_back("[" + std::string(LuckRangeCaption(range)) + "]");
  lines.push_back(Rule("┌", "┬", "┐", range));
  for (int row = 0; row < ChartBoard::kRows; ++row) {
    if (ChartRowHeight(row, layout, stem_relations.size(), branch_relations.size()) <= kShownAbove) continue;
    if (row >= 1) lines.push_back(Rule("├", "┼", "┤", range));
    std::string line = "│";
    for (BoardColumn column = FirstColumnTakingPart(range); column <= board::kYear; ++column) {
      line += Piece(board, column, row) + "│";
    }
    lines.push_back(line + Label(row));
  }
  lines.push_back(Rule("└", "┴", "┘", range));
  return lines;
}

}  // namespace kirvo
