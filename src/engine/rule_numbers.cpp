#include "engine/rule_numbers.h"

#include <algorithm>
#include <optional>

#include "calendar/integer_validation.h"
#include "settings/sys_settings.h"
#include "settings/usys_keys.h"
#include "settings/usys_settings.h"

namespace kirvo {

int RuleTableInteger(const USysSettings& usys, std::string_view table, std::size_t column, std::size_t row) {
  const std::optional<long long> value = ParseInteger(usys.Cell(table, column, row));
  if (!value) return 0;
  return static_cast<int>(std::clamp<long long>(*value, -kRuleIntegerLimit, kRuleIntegerLimit));
}

double RuleNumber(const USysSettings& usys, std::string_view key) {
  if (const std::optional<double> value = ParseDecimalText(usys.Number(key))) return *value;
  for (const NumberKey& number : kUSysNumbers) {
    if (number.key == key) return ParseDecimalText(number.default_text).value_or(0.0);
  }
  return 0.0;
}

}  // namespace kirvo
