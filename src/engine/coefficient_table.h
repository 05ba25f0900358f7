#pragma once

#include <array>
#include <cstdint>

namespace kirvo {

// The weights of the five relations to the day master (主 洩 分 剋 生, in that order), chosen by
// which of the other four elements the chart lacks. A missing element changes what the present
// ones mean for the day master, so each pattern of absences has its own row.
using RelationWeights = std::array<double, 5>;

// The key of the totals f0..f4 (主 洩 分 剋 生): 1000·[f4 = 0] + 100·[f1 = 0] + 10·[f2 = 0] + [f3 = 0].
int CoefficientKey(const std::array<std::int64_t, 5>& totals);

// The row of the coefficient table for that key, searched in the table's order; the first row
// (every element present) when no row has the key.
const RelationWeights& CoefficientsFor(const std::array<std::int64_t, 5>& totals);

}  // namespace kirvo
