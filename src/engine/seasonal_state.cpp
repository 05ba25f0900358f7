#include "engine/seasonal_state.h"

#include <array>

#include "engine/stem_tables.h"

namespace kirvo {
namespace {

// State by d, as indices of 旺 相 休 囚 死.
constexpr std::array<int, 5> kStateByDistance = {0 /*旺*/, 1 /*相*/, 3 /*囚*/, 4 /*死*/, 2 /*休*/};

}  // namespace

int SeasonalStateOf(int season_index, Element element) {
  const int d = (SeasonElementOf(season_index) - element + 5) % 5;
  return kStateByDistance[d];
}

}  // namespace kirvo
