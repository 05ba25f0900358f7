#include "engine/decimal_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace kirvo {
namespace {

constexpr std::array<double, 10> kScales = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::array<unsigned long long, 10> kWholeScales = {1,      10,      100,      1000,      10000,
                                                             100000, 1000000, 10000000, 100000000, 1000000000};
// Below this many units a double still holds every whole number exactly.
constexpr double kLargestWholeUnits = 1e15;

// `magnitude` units of 10^−decimals, written out with at least one digit before the point. The
// digits are written from the last one backwards straight into place.
void AssignUnits(std::string& out, bool negative, unsigned long long magnitude, int decimals) {
  char text[32];  // sign, 20 digits, point and leading zeros
  char* first = text + sizeof text;
  const bool zero = magnitude == 0;
  int count = 0;
  do {
    if (count == decimals && decimals > 0) *--first = '.';
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    ++count;
  } while (magnitude != 0 || count <= decimals);
  if (negative && !zero) *--first = '-';
  out.assign(first, text + sizeof text);
}

// Values too large for whole units (and non-finite ones) go through printf.
std::string PrintedText(double units, int decimals) {
  double rounded = units / kScales[decimals];
  if (rounded == 0.0) rounded = 0.0;  // no "-0.00"
  char text[400];
  const int length = std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
  if (length < 0 || length >= static_cast<int>(sizeof text)) return {};
  return text;
}

unsigned long long Magnitude(long long units) {
  return units < 0 ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
}

}  // namespace

// Every cell of the number tables is formatted for every chart, so the rounded value is written
// out digit by digit.
void AssignDecimalText(std::string& out, double value, int decimals) {
  decimals = std::clamp(decimals, 0, 9);
  const double units = std::round(value * kScales[decimals]);  // halves away from zero
  if (!(std::fabs(units) < kLargestWholeUnits)) {
    out = PrintedText(units, decimals);
    return;
  }
  const auto whole_units = static_cast<long long>(units);
  AssignUnits(out, whole_units < 0, Magnitude(whole_units), decimals);
}

std::string DecimalText(double value, int decimals) {
  std::string text;
  AssignDecimalText(text, value, decimals);
  return text;
}

std::string DecimalText(double value, int decimals, int exact_decimals) {
  decimals = std::clamp(decimals, 0, 9);
  exact_decimals = std::clamp(exact_decimals, decimals, 9);
  const double exact_units = std::round(value * kScales[exact_decimals]);
  if (!(std::fabs(exact_units) < kLargestWholeUnits)) return DecimalText(value, decimals);
  const auto whole_exact_units = static_cast<long long>(exact_units);
  const unsigned long long step = kWholeScales[exact_decimals - decimals];
  const unsigned long long exact = Magnitude(whole_exact_units);
  const unsigned long long rounded = exact / step + (exact % step * 2 >= step ? 1 : 0);  // halves away from zero
  std::string text;
  AssignUnits(text, whole_exact_units < 0, rounded, decimals);
  return text;
}

}  // namespace kirvo
