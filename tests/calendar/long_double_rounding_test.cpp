#include "calendar/long_double_rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kirvo {
namespace {

// The values where rounding by hand goes wrong: halves (ties go to even), values one step either
// side of a whole number, negatives, and the largest magnitudes the helpers promise (x87 format).
TEST(LongDoubleRounding, AgreesWithTheStandardFunctionsAtTheEdges) {
  const long double kLargest = 0x1p62L - 1;
  for (const long double x : {0.0L, 0.5L, 1.5L, 2.5L, -0.5L, -1.5L, -2.5L, 0.49999999999999999L, 2.7L, -2.7L,
                              359.99999999999999L, 2451544.5L, -2451544.5L, kLargest, -kLargest, kLargest - 0.5L}) {
    for (const long double near : {std::nextafter(x, -1e30L), x, std::nextafter(x, 1e30L)}) {
      EXPECT_EQ(NearestWhole(near), std::nearbyint(near)) << static_cast<double>(near);
      EXPECT_EQ(TruncatedWhole(near), std::trunc(near)) << static_cast<double>(near);
    }
  }
}

TEST(LongDoubleRounding, AgreesWithTheStandardFunctionsOnRandomValues) {
  std::mt19937_64 random(11);  // magnitudes below 2^62, the helpers' promise
  for (int i = 0; i < 200000; ++i) {
    const auto mantissa = static_cast<long double>(random() >> 2) * (random() % 2 == 0 ? 1 : -1);
    const long double x = std::ldexp(mantissa, -static_cast<int>(random() % 66));
    ASSERT_EQ(NearestWhole(x), std::nearbyint(x)) << static_cast<double>(x);
    ASSERT_EQ(TruncatedWhole(x), std::trunc(x)) << static_cast<double>(x);
  }
}

}  // namespace
}  // namespace kirvo
