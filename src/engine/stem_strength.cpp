#include "engine/stem_strength.h"

#include <algorithm>

#include "calendar/sexagenary.h"
#include "engine/element_support.h"

namespace kirvo {

namespace {

// Strength classes, for the day column and for every other column.
struct StrengthClassRow {
  std::string_view text;
  std::int32_t code;
  std::int32_t day_code;  // 混 of the day column: see DayMixedCode
};
inline constexpr StrengthClassRow kAdvancing = {"進", 4, 5};
inline constexpr StrengthClassRow kMixed = {"混", 3, 3};
inline constexpr StrengthClassRow kRetreating = {"退", 2, 1};
inline constexpr std::int32_t kDayMixedSupported = 4;

Element ElementOfStemText(std::string_view text) { return ElementOfStem(StemIndexOf(text).value_or(kNoStem)); }

bool HiddenStemSupports(const ChartBoard& board, BoardColumn column, int hidden_row, Element stem_element) {
  return ElementSupports(ElementOfStemText(board(column, hidden_row).Text), stem_element);
}

}  // namespace

StemStrength StemStrengthOf(const ChartBoard& board, BoardColumn column) {
  const Stem stem = board(column, board::kStem).Code;
  const Element stem_element = stem >= 0 && stem < 10 ? ElementOfStem(stem) : kNoElement;
  int failing = 0;
  for (int row = board::kHidden1; row <= board::kHidden3; ++row) {
    if (!HiddenStemSupports(board, column, row, stem_element)) ++failing;
  }
  const StrengthClassRow& strength = failing == 0 ? kAdvancing : failing == 3 ? kRetreating : kMixed;
  if (column != board::kDay) return {strength.text, strength.code};
  if (&strength != &kMixed) return {strength.text, strength.day_code};
  // A mixed day stem is stronger when the hidden stem the month's depth puts in force supports it.
  const int month_depth = std::clamp(board(board::kMonth, board::kDepthRow).Code, 0, 2);
  const bool supported = HiddenStemSupports(board, board::kDay, board::kHidden1 + month_depth, stem_element);
  return {strength.text, supported ? kDayMixedSupported : strength.day_code};
}

}  // namespace kirvo
