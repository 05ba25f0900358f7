#include "settings/zsg_distribution.h"

#include "platform/integer_text.h"

namespace kirvo {

DepthDistribution DepthDistributionOf(const TextTable& zsg) {
  DepthDistribution distribution;
  for (int branch = 0; branch < 12; ++branch) {
    DistributionRow& row = distribution[branch];
    for (int pair = 0; pair < 4; ++pair) {
      row.stems[pair] = zsg.Cell(2 * pair + 1, branch + 1);
      const auto days = ParseInteger(zsg.Cell(2 * pair + 2, branch + 1));
      row.days[pair] = days ? static_cast<double>(*days) : 0.0;
    }
  }
  return distribution;
}

}  // namespace kirvo
