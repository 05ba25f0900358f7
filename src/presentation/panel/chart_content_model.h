#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rgb_colour.h"
#include "engine/chart_record.h"
#include "engine/element_analysis.h"
#include "engine/patterns.h"
#include "engine/spirit_stars.h"
#include "presentation/chart/near_term_notice.h"
#include "presentation/panel/ten_god_graph.h"
#include "settings/sys_pattern_names.h"
#include "settings/text_table.h"

namespace kirvo {

// The content of the chart side panel `MeiWin` ("命式内容") as plain data: texts in grids with
// the style of every cell, so that a window only has to draw them. Grids are addressed (column,
// row), both from 0.

enum class CellAlignment { kLeft, kCentre, kRight };

// How a window draws one cell. The background runs from `background` at the top to
// `background_bottom` at the bottom: a label cell is a gradient of the fixed-part colours
// (`CP12` to `CP13`, in 3 steps with `GCB`) with a grey line along its bottom edge; a plain cell
// has one colour.
struct CellStyle {
  bool drawn = true;   // false: the cell is left blank, text and background alike
  bool label = false;  // the shared label-cell drawing
  Rgb background = kWhite;
  Rgb background_bottom = kWhite;
  Rgb text = kBlack;
  CellAlignment alignment = CellAlignment::kCentre;
  int font_points = 0;  // 0: the grid's font (the system font `SysFont`)
  bool operator==(const CellStyle&) const = default;
};

// Column width of a grid column without a width of its own, in layout units.
inline constexpr int kDefaultColumnWidth = 22;

// One grid of the panel: its texts, one style per cell and the column widths (layout units; 0
// hides a column; an empty list gives every column the default width).
struct ContentGrid {
  TextTable text;
  std::vector<CellStyle> styles;  // row · columns + column
  std::vector<int> column_widths;
  bool selectable = true;  // whether a click may select a cell

  ContentGrid() = default;
  ContentGrid(std::size_t columns, std::size_t rows) : text(columns, rows), styles(columns * rows) {}

  std::size_t columns() const { return text.columns(); }
  std::size_t rows() const { return text.rows(); }
  const std::string& Cell(std::size_t column, std::size_t row) const { return text.Cell(column, row); }
  // A cell outside the grid, or one not styled yet, reads as the plain style.
  const CellStyle& Style(std::size_t column, std::size_t row) const {
    static const CellStyle kPlain;
    const std::size_t index = row * columns() + column;
    return column < columns() && index < styles.size() ? styles[index] : kPlain;
  }
  // For the styling code: a cell inside the grid, with `styles` sized to it.
  CellStyle& StyleAt(std::size_t column, std::size_t row) { return styles[row * columns() + column]; }
  bool operator==(const ContentGrid&) const = default;
};

// The nine texts of the summary block, named as the panel names its labels.
struct SummaryBlock {
  std::string Name;     // the person's name
  std::string SexL;     // 男 or 女
  std::string JuGa;     // 順行運 or 逆行運
  std::string DT;       // birth date and time
  std::string TukiL;    // season and the commanding stem's seasonal state, "春月:木[旺]"
  std::string KoukeiL;  // the caption "黄経:"
  std::string RituNL;   // start of luck
  std::string Old;      // age, "34歳 5ｶ月"
  std::string AngL;     // sun longitude, "#0.00"
  bool operator==(const SummaryBlock&) const = default;
};

// The hover hints of three summary texts (`DT` has none). They take term searches, so the panel
// asks for them when the pointer rests on a text rather than with every refresh.
struct SummaryHints {
  std::string RituNL;   // "節入:" + the month's 節 + "　深浅:" + the depth days of the year unit
  std::string KoukeiL;  // "朔日：" + the month's 節
  std::string AngL;     // "翌朔日：" + the next 節
  bool operator==(const SummaryHints&) const = default;
};

// The three pattern selectors `KCB0`, `KCB1`, `KCB2`: drop-down lists of the pattern names in
// pattern order, entry 0 empty, each showing one entry.
inline constexpr int kPatternSelectorCount = 3;
struct PatternSelectors {
  PatternNames entries;                            // the list all three offer
  std::array<int, kPatternSelectorCount> shown{};  // entry shown by each; 0 the empty entry
  bool operator==(const PatternSelectors&) const = default;
};

// The five sections that can be hidden, in panel order; the names of the context menu entries
// under "表示・非表示".
enum class ContentSection { kContentTable = 0, kGraphs = 1, kElementTable = 2, kStemNumbers = 3, kExplanations = 4 };
inline constexpr std::array<std::string_view, 5> kContentSectionNames = {"内容表", "グラフ", "五行表", "干数値表",
                                                                         "説明文欄"};

// The three grids a text copy can be taken from, with their cell widths in full-width characters.
enum class CopyableGrid { kContentTable, kElementTable, kStemNumbers };

// What the panel shows for one chart.
struct ChartContent {
  std::string header;  // the window's range and the chart moment
  SummaryBlock summary;
  std::optional<NearTermNotice> near_term;  // the birth lies near a month-opening term
  TMeiData record;    // the chart record the summary shows; its hints come from it
  ContentGrid SNB;    // 内容表, 6 × 9
  ContentGrid SG2;    // 五行表, 12 × 6
  ContentGrid KanSG;  // 干数値表, 11 × 3
  ContentGrid SinSG;  // 神殺, 4 × (1 + the longest pillar list, at most 19)
  PatternSelectors selectors;
  std::string KakuMemo;  // the texts of the selected patterns
  std::string SMemo;     // the texts of the spirit stars, pillar by pillar

  // What the grids and the graphs were filled from.
  ElementAnalysis analysis;
  PatternResult patterns;
  SpiritStars spirit_stars;  // none when the pattern step computed none
  TenGodGraph ten_god_graph;  // the ten-god stars of the board over the range; the 地星 hints

  std::array<bool, 5> sections_shown{};  // by ContentSection
  bool copy_offered = false;             // "表をTextでコピー(&C)" in the context menu
  CopyableGrid copy_target = CopyableGrid::kContentTable;
};

}  // namespace kirvo
