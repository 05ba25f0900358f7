#include "engine/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kirvo {

std::string DecimalText(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 9);
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;  // std::round takes halves away from zero
  if (rounded == 0.0) rounded = 0.0;                   // no "-0.00"
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
  if (length < 0 || length >= static_cast<int>(sizeof text)) return {};
  return text;
}

}  // namespace kirvo
