#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kirvo {

// Why a settings dialog may not close: the setting that takes the focus and what the user is told.
// Every refusal beeps; a few refuse without a message (the field just takes the focus).
struct CloseCheckFailure {
  struct Cell {
    std::size_t column;
    std::size_t row;
    bool operator==(const Cell&) const = default;
  };
  std::string key;           // the field, or the table of a cell ("NGE", "SSG", "NDate")
  std::optional<Cell> cell;  // the cell of a table
  std::string message;       // empty when refused without a message
  bool operator==(const CloseCheckFailure&) const = default;
};

}  // namespace kirvo
