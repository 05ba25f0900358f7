#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart.h"

namespace kirvo {

struct SysSettings;

// Column titles of row 0 and row labels of column 10, as the chart window shows them.
std::string_view ChartColumnTitle(int column);
std::string_view ChartRowLabel(int row);


// How a chart window lays out its rows: which rows of 7..33 the system settings show (`MeiChg`),
// the row heights `Kh` and `Zh`, the pillar width `Tw`, and the 元干支蔵干 display.
struct ChartRowLayout {
  std::uint32_t shown_rows = 0;  // bit k: board row k + 7
  int stem_branch_height = 36;   // rows 13, 14
  int hidden_stem_height = 20;   // rows 16..18
  int pillar_width = 34;
  bool show_original = false;  // rows 1, 2, 4..6
};
ChartRowLayout ChartRowLayoutOf(const SysSettings& sys, bool show_original);

// Height of a board row in layout units; the diagram rows grow with their relation lists.
int ChartRowHeight(int row, const ChartRowLayout& layout, std::size_t stem_relations, std::size_t branch_relations);

// The lines "命式をTextでｺﾋﾟｰ" puts on the clipboard: the person, birth, start of luck, season and
// longitude, chart moment, age and range, then the board as a box of the shown rows (height above
// 5 units) and the columns taking part, each cell cut to two characters and its mark.
std::vector<std::string> ChartTextCopy(const Chart& chart, const ChartRowLayout& layout);

}  // namespace kirvo
