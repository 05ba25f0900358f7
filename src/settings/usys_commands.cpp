#include <limits>
#include <string>

#include "platform/integer_text.h"
#include "settings/usys_settings.h"

namespace kirvo {

// The cells "×２" and "÷２" act on: `SSG` columns 1..9, rows 1..9, and the odd columns of `SSG2`.
template <class Change>
void USysSettings::ChangeNumberCells(Change change) {
  const auto change_cell = [&](TextTable& table, std::size_t column, std::size_t row) {
    const std::optional<long long> value = ParseInteger(table.Cell(column, row));
    if (!value) return;  // empty, or no number to change
    if (const std::optional<long long> changed = change(*value)) table.SetCell(column, row, std::to_string(*changed));
  };
  TextTable& base = *MutableTable("SSG");
  for (std::size_t column = 1; column <= 9; ++column) {
    for (std::size_t row = 1; row <= 9; ++row) change_cell(base, column, row);
  }
  TextTable& month_command = *MutableTable("SSG2");
  for (std::size_t column = 1; column <= 9; column += 2) change_cell(month_command, column, 0);
}

void USysSettings::DoubleNumbers() {
  constexpr long long kLargestDoubled = std::numeric_limits<long long>::max() / 2;
  ChangeNumberCells([](long long value) -> std::optional<long long> {
    if (value > kLargestDoubled || value < -kLargestDoubled) return std::nullopt;
    return value * 2;
  });
}

void USysSettings::HalveNumbers() {
  // Integer division truncates toward zero: 7 -> 3, -7 -> -3.
  ChangeNumberCells([](long long value) -> std::optional<long long> { return value / 2; });
}

void USysSettings::ShowDefaultSpiritStars() {
  TextTable& shown = *MutableTable("SiSG");
  for (std::size_t row = 1; row < kSpiritStarSlots.size(); ++row) {
    for (std::size_t pillar = 0; pillar < 4; ++pillar) {
      shown.SetCell(pillar + 1, row, std::to_string(kSpiritStarSlots[row].shown[pillar]));
    }
  }
}

void USysSettings::HideAllSpiritStars() {
  TextTable& shown = *MutableTable("SiSG");
  for (std::size_t row = 1; row < kSpiritStarSlots.size(); ++row) {
    for (std::size_t column = 1; column <= 4; ++column) shown.SetCell(column, row, "0");
  }
}

}  // namespace kirvo
