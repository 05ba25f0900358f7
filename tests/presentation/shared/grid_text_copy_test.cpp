#include "presentation/shared/grid_text_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirvo {
namespace {

TextTable Grid(const std::vector<std::vector<std::string>>& rows) {
  TextTable grid(rows.empty() ? 0 : rows.front().size(), rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) grid.SetRow(row, rows[row]);
  return grid;
}

TEST(GridTextCopy, DrawsBoxesAroundCellsPaddedToTheCellWidth) {
  const TextTable grid = Grid({{"甲", "12.50"}, {"ｶ月", "-3"}});
  const std::vector<int> widths = {22, 40};
  EXPECT_EQ(GridTextCopy(grid, widths, kGridCopyCellWidth),
            "┌───┬───┐\n"
            "│甲    │ 12.50│\n"
            "├───┼───┤\n"
            "│ｶ月   │    -3│\n"
            "└───┴───┘\n");
}

TEST(GridTextCopy, NumbersArePaddedOnTheLeftOtherTextsOnTheRightCountingShiftJisBytes) {
  struct Case {
    std::string text;
    int cell_width;
    std::string cell;
  };
  const Case cases[] = {
      {"123", 3, "   123"},
      {"-0.5", 3, "  -0.5"},
      {"12a", 3, "12a   "},
      {"主", 3, "主    "},
      {"１２", 3, "１２  "},  // full-width digits are text
      {"ｶ月", 3, "ｶ月   "},   // half-width katakana count one byte
      {"春月:木", 5, "春月:木   "},
      {"春月:木[旺]", 5, "春月:木[旺]"},  // 11 bytes
      {"", 3, "      "},
      {"ABCDEFGH", 3, "ABCDEFGH"},  // too long: kept whole
      {"内外格判定", 5, "内外格判定"},
  };
  for (const Case& c : cases) {
    const std::string copy = GridTextCopy(Grid({{c.text}}), std::vector<int>{22}, c.cell_width);
    const std::size_t start = copy.find('\n') + 1;
    EXPECT_EQ(copy.substr(start, copy.find('\n', start) - start), "│" + c.cell + "│") << c.text;
  }
}

TEST(GridTextCopy, HiddenColumnsAreLeftOutAndAHiddenLastColumnLeavesTheRulesOpen) {
  const TextTable grid = Grid({{"a", "b", "c"}});
  struct Case {
    std::vector<int> widths;
    std::string expected;
  };
  const Case cases[] = {
      {{22, 22, 1},
       "┌─┬─┬\n"
       "│a │b │\n"
       "└─┴─┴\n"},
      {{0, 22, 22},
       "┌─┬─┐\n"
       "│b │c │\n"
       "└─┴─┘\n"},
      {{22, 2},  // no width given for the last column: it takes part
       "┌─┬─┬─┐\n"
       "│a │b │c │\n"
       "└─┴─┴─┘\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(GridTextCopy(grid, c.widths, 1), c.expected);
}

TEST(GridTextCopy, InnerRulesOfAGridWithAHiddenLastColumnEndOpenToo) {
  const TextTable grid = Grid({{"", "計"}, {"甲", "1"}, {"乙", "2"}});
  EXPECT_EQ(GridTextCopy(grid, std::vector<int>{22, 22}, 1),
            "┌─┬─┐\n"
            "│  │計│\n"
            "├─┼─┤\n"
            "│甲│ 1│\n"
            "├─┼─┤\n"
            "│乙│ 2│\n"
            "└─┴─┘\n");
  const TextTable wide = Grid({{"甲", "1", "x"}, {"乙", "2", "y"}});
  EXPECT_EQ(GridTextCopy(wide, std::vector<int>{22, 22, 1}, 1),
            "┌─┬─┬\n"
            "│甲│ 1│\n"
            "├─┼─┼\n"
            "│乙│ 2│\n"
            "└─┴─┴\n");
}

}  // namespace
}  // namespace kirvo
