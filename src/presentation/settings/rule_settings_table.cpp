#include "presentation/settings/rule_settings_table.h"

namespace kirvo {

std::optional<std::string> RuleSettingsTable::Refusal(std::size_t, std::size_t, std::string_view text) const {
  // A row is stored as its cells each followed by ",": a comma inside a cell would move every later
  // cell of the row when the file is read again.
  if (text.find(',') != std::string_view::npos) return std::string();
  return std::nullopt;
}

bool RuleSettingsTable::IsLabel(std::size_t column, std::size_t row) const {
  // The one-row tables keep their labels in the even columns.
  if (key_ == "SSG2" || key_ == "MSG") return column % 2 == 0;
  return row == 0 || column == 0;
}

CellColours RuleSettingsTable::ColoursOf(std::size_t column, std::size_t row) const {
  if (IsLabel(column, row)) return {kLabelColour, std::nullopt};
  if (key_ == "SiSG") {
    const std::string& flag = settings_.Cell(key_, column, row);
    return {flag == "1" ? kShownColour : flag == "0" ? kHiddenColour : kWrongColour, std::nullopt};
  }
  // The cells the user may not change because the program decides them.
  if ((key_ == "HSG" || key_ == "SKSG" || key_ == "SSSG") && !CanEdit(column, row)) {
    return {kFixedColour, ContrastTextColour(kFixedColour)};
  }
  return {};
}

}  // namespace kirvo
