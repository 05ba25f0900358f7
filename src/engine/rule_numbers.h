#pragma once

#include <cstddef>

#include "settings/usys_keys.h"

namespace kirvo {

class USysSettings;

// The numbers the five-element analysis reads from the rule settings. The settings dialog checks
// most of them; a text edited by hand into something else must still give a usable number.

// A table cell as an integer; a cell that is no integer counts 0, and an integer beyond
// ±kRuleIntegerLimit counts as that limit so that sums of many cells cannot overflow.
inline constexpr int kRuleIntegerLimit = 1'000'000;
int RuleTableInteger(const USysSettings& usys, USysTable table, std::size_t column, std::size_t row);

// A number setting (`NGE`, `AVE`, `StdE`) as a decimal number; a text that is no number counts as
// the setting's default.
double RuleNumber(const USysSettings& usys, USysNumber key);

}  // namespace kirvo
