#include "presentation/frame/window_arrangement.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

using Points = std::vector<WindowPoint>;

TEST(TilePositions, FillsRowsLeftToRight) {
  // 1000 px wide: three 300 px windows fit a row, the fourth starts the next row.
  EXPECT_EQ(TilePositions(1000, {{300, 200}, {300, 200}, {300, 200}, {300, 200}}),
            (Points{{0, 0}, {300, 0}, {600, 0}, {0, 200}}));
}

TEST(TilePositions, AWindowThatWouldReachTheRightEdgeWraps) {
  // x = 500 has reached 1000 − 500, so the second half-width window starts a new row.
  EXPECT_EQ(TilePositions(1000, {{500, 100}, {500, 100}}), (Points{{0, 0}, {0, 100}}));
  EXPECT_EQ(TilePositions(1000, {{499, 100}, {500, 100}}), (Points{{0, 0}, {499, 0}}));
}

TEST(TilePositions, RowsStepByTheHeightOfTheWrappingWindow) {
  EXPECT_EQ(TilePositions(800, {{400, 300}, {300, 100}, {300, 150}, {600, 50}}),
            (Points{{0, 0}, {400, 0}, {0, 150}, {0, 200}}));
}

TEST(TilePositions, AWindowWiderThanTheMainWindowStepsDownFirst) {
  EXPECT_EQ(TilePositions(500, {{600, 100}, {600, 120}}), (Points{{0, 100}, {0, 220}}));
  EXPECT_TRUE(TilePositions(500, {}).empty());
}

}  // namespace
}  // namespace kirvo
