#include "engine/decimal_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace kirvo {

// Every cell of the number tables is formatted for every chart, so the rounded value is written
// out digit by digit; only values too large for whole units (and non-finite ones) go through printf.
std::string DecimalText(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 9);
  static constexpr std::array<double, 10> kScales = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  const double units = std::round(value * kScales[decimals]);  // halves away from zero
  if (!(std::fabs(units) < 1e15)) {
    double rounded = units / kScales[decimals];
    if (rounded == 0.0) rounded = 0.0;  // no "-0.00"
    char text[400];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    if (length < 0 || length >= static_cast<int>(sizeof text)) return {};
    return text;
  }
  const auto whole_units = static_cast<long long>(units);
  unsigned long long magnitude = whole_units < 0 ? 0ULL - static_cast<unsigned long long>(whole_units)
                                                 : static_cast<unsigned long long>(whole_units);
  char digits[24];  // least significant first; at least one digit before the point
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0 || count <= decimals);
  std::string text;
  if (whole_units < 0) text += '-';
  for (int i = count - 1; i >= 0; --i) {
    text += digits[i];
    if (i == decimals && decimals > 0) text += '.';
  }
  return text;
}

}  // namespace kirvo
