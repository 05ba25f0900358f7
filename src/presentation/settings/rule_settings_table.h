#pragma once

#include <string>
#include <string_view>

#include "presentation/shared/editable_table.h"
#include "settings/usys_settings.h"

namespace kirvo {

// One table of the rule settings as the rule settings dialog's grid edits it: which cells may be
// changed is the settings' own rule; the fixed rows (the spirit stars that are computed rather than
// looked up, the day stem of the ten-god weights) are drawn blue, the labels grey, and a display
// flag white for "1", yellow for "0" and red for anything else. Values are checked as a whole when
// the dialog closes; a cell only refuses a ",", which would split it in the settings file.
class RuleSettingsTable final : public EditableTable {
 public:
  static constexpr Rgb kLabelColour = 0xE8E8E8;
  static constexpr Rgb kFixedColour = 0x0000FF;
  static constexpr Rgb kShownColour = 0xFFFFFF, kHiddenColour = 0xFFFF00, kWrongColour = 0xFF0000;

  // `settings` outlives the table; `key` is one of the rule settings' tables.
  RuleSettingsTable(USysSettings& settings, std::string_view key) : settings_(settings), key_(key) {}

  const std::string& key() const { return key_; }

  std::size_t columns() const override { return settings_.Table(key_).columns(); }
  std::size_t rows() const override { return settings_.Table(key_).rows(); }
  std::string Cell(std::size_t column, std::size_t row) const override { return settings_.Cell(key_, column, row); }
  bool CanEdit(std::size_t column, std::size_t row) const override {
    return settings_.CanEditCell(key_, column, row);
  }
  std::optional<std::string> Refusal(std::size_t column, std::size_t row, std::string_view text) const override;
  void SetCell(std::size_t column, std::size_t row, std::string_view text) override {
    settings_.SetCell(key_, column, row, text);
  }
  CellColours ColoursOf(std::size_t column, std::size_t row) const override;

 private:
  bool IsLabel(std::size_t column, std::size_t row) const;

  USysSettings& settings_;
  std::string key_;
};

}  // namespace kirvo
