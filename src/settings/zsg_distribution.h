#pragma once

#include "calendar/depth_distribution.h"
#include "settings/text_table.h"

namespace kirvo {

// The depth distribution read from the hidden-stem distribution table `ZSG` (9 columns × 13 rows;
// row b + 1 for branch b; column pairs (1,2) 余気, (3,4) 中気, (5,6) second 中気, (7,8) 本気). A day
// cell that is "・" or not an integer counts 0 days.
DepthDistribution DepthDistributionOf(const TextTable& zsg);

}  // namespace kirvo
