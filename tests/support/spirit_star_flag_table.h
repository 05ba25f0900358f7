#pragma once

#include "presentation/shared/editable_table.h"
#include "settings/usys_settings.h"

namespace kirvo {

// The spirit-star display flags `SiSG` of the rule settings as an editable table, the way the rule
// settings dialog will plug its tables into a grid: the labels can't be changed, a flag must be 0
// or 1, and a flag cell is white for "1", yellow for "0" and red for anything else.
class SpiritStarFlagTable : public EditableTable {
 public:
  static constexpr Rgb kShownColour = 0xFFFFFF, kHiddenColour = 0xFFFF00, kWrongColour = 0xFF0000;

  explicit SpiritStarFlagTable(USysSettings& settings) : settings_(settings) {}

  std::size_t columns() const override;
  std::size_t rows() const override;
  std::string Cell(std::size_t column, std::size_t row) const override;
  bool CanEdit(std::size_t column, std::size_t row) const override;
  std::optional<std::string> Refusal(std::size_t column, std::size_t row, std::string_view text) const override;
  void SetCell(std::size_t column, std::size_t row, std::string_view text) override;
  CellColours ColoursOf(std::size_t column, std::size_t row) const override;

 private:
  USysSettings& settings_;
};

}  // namespace kirvo
