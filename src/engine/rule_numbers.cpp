#include "engine/rule_numbers.h"

#include <algorithm>
#include <optional>

#include "platform/integer_text.h"
#include "settings/sys_settings.h"
#include "settings/usys_keys.h"
#include "settings/usys_settings.h"

namespace kirvo {

int RuleTableInteger(const USysSettings& usys, USysTable table, std::size_t column, std::size_t row) {
  const std::optional<long long> value = ParseInteger(usys.Cell(table, column, row));
  if (!value) return 0;
  return static_cast<int>(std::clamp<long long>(*value, -kRuleIntegerLimit, kRuleIntegerLimit));
}

double RuleNumber(const USysSettings& usys, USysNumber key) {
  if (const std::optional<double> value = ParseDecimalText(usys.Number(key))) return *value;
  return ParseDecimalText(kUSysNumbers[static_cast<std::size_t>(key)].default_text).value_or(0.0);
}

}  // namespace kirvo
