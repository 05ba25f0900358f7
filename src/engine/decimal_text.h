#pragma once

#include <string>

namespace kirvo {

// A number as a fixed-point text: `decimals` digits (0..9) after the point and at least one
// before it, as "#0.00" shows it for 2. Halves round away from zero (2.25 → "2.3"), and a value
// that rounds to zero never shows a minus sign.
std::string DecimalText(double value, int decimals);

}  // namespace kirvo
