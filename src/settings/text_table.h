#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kirvo {

// A settings table: a grid of text cells addressed (column, row), both from 0, as the settings
// dialogs show them. Row 0 and column 0 usually hold labels.
class TextTable {
 public:
  TextTable() = default;
  TextTable(std::size_t columns, std::size_t rows) : columns_(columns), rows_(rows), cells_(columns * rows) {}

  std::size_t columns() const { return columns_; }
  std::size_t rows() const { return rows_; }

  // Cells outside the grid read as empty text and ignore writes.
  const std::string& Cell(std::size_t column, std::size_t row) const {
    static const std::string kEmpty;
    return Contains(column, row) ? cells_[row * columns_ + column] : kEmpty;
  }
  void SetCell(std::size_t column, std::size_t row, std::string_view text);  // keeps the cell's buffer
  // A text made for the cell is moved in, which costs less than copying it.
  template <class Text>
    requires std::same_as<Text, std::string>
  void SetCell(std::size_t column, std::size_t row, Text&& text) {
    if (Contains(column, row)) MoveIntoCell(row * columns_ + column, std::move(text));
  }

  // Lets `write` fill a cell's text in place; nothing happens outside the grid.
  template <class Write>
  void WriteCell(std::size_t column, std::size_t row, Write&& write) {
    if (Contains(column, row)) write(cells_[row * columns_ + column]);
  }

  // Empties every cell and gives the grid a new shape; the cells keep their buffers.
  void Reshape(std::size_t columns, std::size_t rows) {
    columns_ = columns;
    rows_ = rows;
    cells_.resize(columns * rows);
    for (std::string& cell : cells_) cell.clear();
  }

  std::vector<std::string> Row(std::size_t row) const {
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < columns_; ++c) cells.push_back(Cell(c, row));
    return cells;
  }
  void SetRow(std::size_t row, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < columns_; ++c) SetCell(c, row, c < cells.size() ? cells[c] : std::string());
  }

  bool operator==(const TextTable&) const = default;

 private:
  bool Contains(std::size_t column, std::size_t row) const { return column < columns_ && row < rows_; }
  void MoveIntoCell(std::size_t index, std::string&& text);
  std::size_t columns_ = 0;
  std::size_t rows_ = 0;
  std::vector<std::string> cells_;
};

}  // namespace kirvo
