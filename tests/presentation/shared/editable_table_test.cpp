#include "presentation/shared/editable_table.h"

#include <gtest/gtest.h>

#include "support/spirit_star_flag_table.h"

namespace kirvo {
namespace {

using Result = CellEdit::Result;

TEST(EditCellTest, StoresOnlyTextsTheTableTakesInCellsItLetsChange) {
  USysSettings settings;
  SpiritStarFlagTable table(settings);
  const std::string label = table.Cell(0, 1);
  const struct {
    std::size_t column, row;
    const char* text;
    CellEdit edit;
    std::string stored;  // the cell afterwards
  } cases[] = {
      {2, 3, "0", {Result::kStored, ""}, "0"},
      {2, 3, "1", {Result::kStored, ""}, "1"},
      {2, 3, "2", {Result::kRefused, "「2」は設定可能最大値より大きな値です"}, "1"},
      {2, 3, "", {Result::kRefused, "「」は整数ではありません"}, "1"},
      {0, 1, "1", {Result::kNotEditable, ""}, label},  // the row label
      {table.columns(), 1, "1", {Result::kNotEditable, ""}, ""},
      {1, table.rows(), "1", {Result::kNotEditable, ""}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EditCell(table, c.column, c.row, c.text), c.edit) << c.column << "," << c.row << " " << c.text;
    EXPECT_EQ(table.Cell(c.column, c.row), c.stored) << c.column << "," << c.row << " " << c.text;
  }
}

TEST(EditCellTest, ATableWithoutAnEditCheckTakesEveryText) {
  class Plain : public EditableTable {
   public:
    std::size_t columns() const override { return 2; }
    std::size_t rows() const override { return 1; }
    std::string Cell(std::size_t column, std::size_t) const override { return cells[column]; }
    bool CanEdit(std::size_t column, std::size_t) const override { return column == 1; }
    void SetCell(std::size_t column, std::size_t, std::string_view text) override { cells[column] = text; }
    std::string cells[2] = {"見出し", ""};
  } table;
  EXPECT_EQ(EditCell(table, 1, 0, "何でも"), CellEdit{});
  EXPECT_EQ(table.cells[1], "何でも");
  EXPECT_EQ(table.ColoursOf(1, 0), CellColours{});
}

}  // namespace
}  // namespace kirvo
