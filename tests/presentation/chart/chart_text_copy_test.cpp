#include "presentation/chart/chart_text_copy.h"

#include <gtest/gtest.h>

#include "engine/seasonal_state.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

TEST(SeasonalState, CountsFromTheSeasonsElement) {
  struct Case {
    int season;
    Element element;
    std::string_view state;
  };
  // clang-format off
  constexpr Case kCases[] = {
      {0, 0, "旺"}, {0, 4, "相"}, {0, 1, "休"}, {0, 3, "囚"}, {0, 2, "死"},  // spring 木
      {2, 3, "旺"}, {4, 2, "旺"}, {4, 1, "相"},                            // autumn 金, 土用 土
  };
  // clang-format on
  for (const Case& c : kCases) {
    EXPECT_EQ(kSeasonalStateNames[SeasonalStateOf(c.season, c.element)], c.state) << c.season << " " << c.element;
  }
}

TEST(ChartRowHeight, FollowsTheShownRowsTheOriginalDisplayAndTheRelationCount) {
  SysSettings sys;
  sys.MeiChg = ~(1u << (board::kHarm - 7));  // every row but 害
  const ChartRowLayout plain = ChartRowLayoutOf(sys, false);
  const ChartRowLayout original = ChartRowLayoutOf(sys, true);
  struct Case {
    const ChartRowLayout* layout;
    int row;
    std::size_t relations;
    int height;
  };
  // clang-format off
  const Case kCases[] = {
      {&plain,    0,  0, 20},
      {&plain,    1,  0, 1},             // first-computed rows only on demand
      {&original, 1,  0, 16},
      {&original, 3,  0, 1},
      {&plain,    7,  0, 16},
      {&plain,    13, 0, 36},
      {&plain,    17, 0, 20},
      {&plain,    11, 0, 16},
      {&plain,    19, 3, 8 * 3 + 2},     // a diagram grows by w / 4 per entry
      {&plain,    board::kHarm, 0, 1},   // unchecked
      {&plain,    34, 0, 0},
  };
  // clang-format on
  for (const Case& c : kCases) {
    EXPECT_EQ(ChartRowHeight(c.row, *c.layout, c.relations, c.relations), c.height) << c.row;
  }
}

}  // namespace
}  // namespace kirvo
