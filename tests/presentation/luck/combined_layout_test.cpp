#include "presentation/luck/combined_layout.h"

#include <gtest/gtest.h>

#include "presentation/shared/content_fixture.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

ContentGrid NumberedGrid(std::size_t columns, std::size_t rows) {
  ContentGrid grid(columns, rows);
  for (std::size_t row = 0; row < rows; ++row) {
    for (std::size_t column = 0; column < columns; ++column) {
      grid.text.SetCell(column, row, std::to_string(column) + ":" + std::to_string(row));
    }
  }
  return grid;
}

TEST(CombinedLayout, TheContentTableDropsTheNumbersAndTheRowsTheWindowDoesNotShow) {
  const ContentGrid snb = NumberedGrid(6, 9);
  SysSettings sys;
  const ContentGrid plain = CombinedContentTable(snb, sys);
  ASSERT_EQ(plain.rows(), 5u);  // rows 0..4
  EXPECT_EQ(plain.Cell(2, 4), "2:4");
  EXPECT_EQ(plain.column_widths, (std::vector<int>{0, 0, 22, 22, 22, 22}));
  sys.SsnCB = true;  // the four special spirit marks stay
  const ContentGrid marked = CombinedContentTable(snb, sys);
  ASSERT_EQ(marked.rows(), 7u);
  EXPECT_EQ(marked.Cell(3, 6), "3:6");

  const ContentGrid sg2 = CombinedElementTable(NumberedGrid(12, 6));
  EXPECT_EQ(sg2.column_widths, (std::vector<int>{0, 18, 22, 0, 0, 22, 22, 22, 22, 22, 22, 0}));
  EXPECT_EQ(sg2.text, NumberedGrid(12, 6).text);
}

TEST(CombinedLayout, TheTextCopyTakesTheSummarysStartOfLuckAndHasNoRangeLine) {
  ProgramSettings settings;
  const Chart chart = testing::ComputeChart(testing::Person("試験太郎", "1984/02/10 12:00"), "2024/07/20 12:00",
                                            LuckRange::kNatalOnly, settings);
  const ChartRowLayout layout = CombinedRowLayoutOf(settings.sys, false);
  const std::vector<std::string> chart_lines = ChartTextCopy(chart, layout);
  const std::vector<std::string> lines = CombinedTextCopy(chart, layout, "立運：7年11月（節入 2/5）");
  ASSERT_EQ(lines.size(), chart_lines.size() - 1);
  EXPECT_EQ(chart_lines[5], "[命式のみ]");
  EXPECT_TRUE(lines[2].starts_with("立運：7年11月（節入 2/5）　")) << lines[2];
  EXPECT_EQ(lines[2].substr(lines[2].find("　")), chart_lines[2].substr(chart_lines[2].find("　")));
  EXPECT_EQ(lines[5], chart_lines[6]);  // the box follows the age line directly
  EXPECT_EQ(lines.back(), chart_lines.back());
  EXPECT_EQ(layout.pillar_width, 34);
  EXPECT_EQ(layout.hidden_stem_height, 30);  // Zh1, not the chart window's Zh
}

}  // namespace
}  // namespace kirvo
