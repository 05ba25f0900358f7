#include "platform/rgb_colour.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(ContrastTextColour, WhiteOnDarkBlackOnLight) {
  EXPECT_EQ(ContrastTextColour(0x000000), kWhite);
  EXPECT_EQ(ContrastTextColour(0xFFFFFF), kBlack);
  EXPECT_EQ(ContrastTextColour(0x808080), kWhite);  // brightness exactly 50
  EXPECT_EQ(ContrastTextColour(0x828282), kWhite);  // 50.78 truncates to 50
  EXPECT_EQ(ContrastTextColour(0x848484), kBlack);  // 51.56
  EXPECT_EQ(ContrastTextColour(0x0000FF), kWhite);  // pure blue is dark: 11
  EXPECT_EQ(ContrastTextColour(0xFFFF00), kBlack);  // yellow: 88
}

}  // namespace
}  // namespace kirvo
