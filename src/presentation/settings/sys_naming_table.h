#pragma once

#include <string>

#include "presentation/shared/editable_table.h"
#include "settings/text_table.h"

namespace kirvo {

// A naming table of the system settings (`HenSG`, `HGSG`, `KyuSG`) in its grid: row 0 holds the
// defaults and column 0 the row labels, neither editable; row 1 holds the names in use, each at
// most 4 Shift-JIS bytes (two full-width characters), without ",".
class SysNamingTable final : public EditableTable {
 public:
  static constexpr int kMaxNameWidth = 4;
  static constexpr Rgb kLabelColour = 0xE8E8E8;

  // `table` outlives this.
  explicit SysNamingTable(TextTable& table) : table_(table) {}

  std::size_t columns() const override { return table_.columns(); }
  std::size_t rows() const override { return table_.rows(); }
  std::string Cell(std::size_t column, std::size_t row) const override { return table_.Cell(column, row); }
  bool CanEdit(std::size_t column, std::size_t row) const override { return row == 1 && column > 0; }
  std::optional<std::string> Refusal(std::size_t column, std::size_t row, std::string_view text) const override;
  void SetCell(std::size_t column, std::size_t row, std::string_view text) override {
    table_.SetCell(column, row, text);
  }
  CellColours ColoursOf(std::size_t column, std::size_t row) const override;

 private:
  TextTable& table_;
};

}  // namespace kirvo
