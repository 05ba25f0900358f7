#include "support/spirit_star_flag_table.h"

#include "platform/integer_text.h"

namespace kirvo {
namespace {

constexpr std::string_view kTable = "SiSG";

}  // namespace

std::size_t SpiritStarFlagTable::columns() const { return settings_.Table(kTable).columns(); }
std::size_t SpiritStarFlagTable::rows() const { return settings_.Table(kTable).rows(); }

std::string SpiritStarFlagTable::Cell(std::size_t column, std::size_t row) const {
  return settings_.Cell(kTable, column, row);
}

bool SpiritStarFlagTable::CanEdit(std::size_t column, std::size_t row) const {
  return settings_.CanEditCell(kTable, column, row);
}

std::optional<std::string> SpiritStarFlagTable::Refusal(std::size_t, std::size_t, std::string_view text) const {
  return IntegerTextProblem(text, 1, 0);
}

void SpiritStarFlagTable::SetCell(std::size_t column, std::size_t row, std::string_view text) {
  settings_.SetCell(kTable, column, row, text);
}

CellColours SpiritStarFlagTable::ColoursOf(std::size_t column, std::size_t row) const {
  if (!CanEdit(column, row)) return {};
  const std::string& flag = settings_.Cell(kTable, column, row);
  return {flag == "1" ? kShownColour : flag == "0" ? kHiddenColour : kWrongColour, std::nullopt};
}

}  // namespace kirvo
