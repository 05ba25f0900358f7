#pragma once

namespace kirvo {

// A column of the chart board (0..10). Its own type, so that a column and a row can never change
// places in a cell access: only an explicit BoardColumn{n} turns a number into a column.
struct BoardColumn {
  constexpr explicit BoardColumn(int number) : index(number) {}

  int index;

  constexpr BoardColumn& operator++() {
    ++index;
    return *this;
  }
  constexpr BoardColumn& operator--() {
    --index;
    return *this;
  }
  friend constexpr bool operator==(BoardColumn, BoardColumn) = default;
  friend constexpr auto operator<=>(BoardColumn, BoardColumn) = default;
};

}  // namespace kirvo
