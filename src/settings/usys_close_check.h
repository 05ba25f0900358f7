#pragma once

#include <optional>
#include <string_view>

#include "settings/close_check_failure.h"
#include "settings/usys_settings.h"

namespace kirvo {

// The check before the rule settings dialog may close, in this order, stopping at the first
// failure: the `ZSG` day counts (columns 2 and 8 of rows 1..12, then the second 中気 of 申) -1..999;
// `SSG` columns 1..9, rows 1..9 (row 6 only column 8) 0..20; `NGE` 1..99; `MSG` cells 1, 3, 5
// -100..100 and in ascending order; `SiSG` 0..1; then every cell of the spirit-star tables `SKSG`,
// `SSSG` and the climate table `TSG`, column by column.
std::optional<CloseCheckFailure> CheckRuleSettings(const USysSettings& settings);

// A spirit-star table cell: true when its row label is "三奇貴人", "天乙貴人", the name of slot 33
// or empty, or the cell is empty; otherwise the cell must be a run of stem and branch names.
bool IsValidSpiritStarCell(std::string_view row_label, std::string_view cell, std::string_view slot33_name);

}  // namespace kirvo
