#pragma once

#include <string>

namespace kirvo {

// A number as a fixed-point text: `decimals` digits (0..9) after the point and at least one
// before it, as "#0.00" shows it for 2. Halves round away from zero (2.25 → "2.3"), and a value
// that rounds to zero never shows a minus sign.
std::string DecimalText(double value, int decimals);
// The same written into `out`, whose buffer is kept (the number tables write into their cells).
void AssignDecimalText(std::string& out, double value, int decimals);

// The same for a value that stands for a decimal of `exact_decimals` places (a number from a
// table given to those places, held in binary): it is taken at those places first, so that a tie
// of the decimal rounds away from zero although the binary value lies just below it
// (100 × (0.5 + 0.26115) → "76.12").
std::string DecimalText(double value, int decimals, int exact_decimals);

}  // namespace kirvo
