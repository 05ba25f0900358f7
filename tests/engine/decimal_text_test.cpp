#include "engine/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace kirvo {
namespace {

TEST(DecimalText, RoundsHalvesAwayFromZeroWithoutANegativeZero) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {2.25, 1, "2.3"},      {-2.25, 1, "-2.3"}, {0.004, 2, "0.00"}, {-0.004, 2, "0.00"},
      {-0.4, 2, "-0.40"},    {12.5, 0, "13"},    {0, 2, "0.00"},     {1e20, 2, "100000000000000000000.00"},
      {99.999, 2, "100.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value, c.decimals), c.text) << c.value;
}

// A value standing for a decimal of more places rounds from that decimal: a tie goes away from
// zero even when the binary value lies just below or above it.
TEST(DecimalText, RoundsATieOfTheDecimalTheValueStandsFor) {
  const struct {
    double value;
    int exact_decimals;
    const char* text;
  } cases[] = {
      {100 * (0.5 + 0.26115), 3, "76.12"},  // 76.11499999… in binary
      {-100 * (0.5 + 0.26115), 3, "-76.12"},
      {100 * (0.5 - 0.26115), 3, "23.89"},  // 23.885
      {73.125, 3, "73.13"},                 // exact in binary as well
      {76.1149, 4, "76.11"},                // no tie
      {0.004, 3, "0.00"},
      {-0.004, 3, "0.00"},
      {76.115, 2, "76.11"},  // taken at two places it is the binary value
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value, 2, c.exact_decimals), c.text) << c.value;
}

// The digit-by-digit writing must say what printf says of the rounded value.
TEST(DecimalText, AgreesWithPrintfOfTheRoundedValue) {
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> value(-1e6, 1e6);
  for (int i = 0; i < 200000; ++i) {
    const double v = i % 2 == 0 ? value(random) : std::round(value(random)) / 100;
    for (int decimals : {0, 1, 2, 5}) {
      const double scale = std::pow(10.0, decimals);
      double rounded = std::round(v * scale) / scale;
      if (rounded == 0.0) rounded = 0.0;
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.*f", decimals, rounded);
      ASSERT_EQ(DecimalText(v, decimals), expected) << v << " " << decimals;
    }
  }
}

}  // namespace
}  // namespace kirvo
