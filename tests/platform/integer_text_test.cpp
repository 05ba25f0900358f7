#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/integer_text.h"

namespace kirvo {
namespace {

// The padded texts stand in for printf in every chart's texts, so they must agree with it exactly,
// signs and numbers wider than the field included.
TEST(PaddedIntegers, AgreeWithPrintf) {
  for (const int value : {0, 5, -5, 12, -12, 123, 2024, -2024, 99999, -2147483647 - 1}) {
    for (const int width : {0, 1, 2, 3, 4}) {
      char expected[32];
      std::snprintf(expected, sizeof expected, "%*d", width, value);
      EXPECT_EQ(SpacePadded(value, static_cast<std::size_t>(width)), expected) << value << " " << width;
      std::snprintf(expected, sizeof expected, "%0*d", width, value);
      EXPECT_EQ(ZeroPadded(value, static_cast<std::size_t>(width)), expected) << value << " " << width;
    }
  }
}

}  // namespace
}  // namespace kirvo
