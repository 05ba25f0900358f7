#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// A table row stored as one text: every cell followed by ",". Reading takes the text before each
// "," as the next cell; once no "," is left, that cell and all later cells are empty, so text
// after the last comma is dropped. Always returns `cell_count` cells.
std::vector<std::string> SplitRowCells(std::string_view stored, std::size_t cell_count);

// The stored form of a row: each cell followed by ",".
std::string JoinRowCells(const std::vector<std::string>& cells);

}  // namespace kirvo
