#pragma once

#include <array>
#include <string>

namespace kirvo {

// One branch's row of the hidden-stem distribution: four (stem name, days) pairs in the order
// 余気, 中気, second 中気, 本気. A pair marked "・" has no stem and counts 0 days. Only the ratios
// of the days matter: each segment owns its share of a depth period.
struct DistributionRow {
  std::array<std::string, 4> stems;
  std::array<double, 4> days{};
};

// Rows for the branches 子..亥.
using DepthDistribution = std::array<DistributionRow, 12>;

}  // namespace kirvo
