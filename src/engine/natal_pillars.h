#pragma once

#include <array>
#include <optional>

#include "calendar/sexagenary.h"
#include "engine/chart_board.h"

namespace kirvo {

// The four natal pillars in the order year, month, day, hour; also the column order of `SiSG`.
enum NatalPillar : int { kYearPillar = 0, kMonthPillar = 1, kDayPillar = 2, kHourPillar = 3 };
inline constexpr int kNatalPillarCount = 4;

// The natal stems and branches as the board first shows them (rows 1 and 2, before any relation
// changes them). A pillar is absent when its texts are no stem and branch names, which is how the
// hour pillar of an unknown birth hour stands: it matches no rule and counts in no tally.
struct NatalPillars {
  std::array<std::optional<Kanshi>, kNatalPillarCount> pillars;

  const std::optional<Kanshi>& operator[](NatalPillar pillar) const { return pillars[pillar]; }
};

// Rows 1 and 2 of the natal columns 9, 8, 7, 6; the hour column is left out when the hour is not
// known.
NatalPillars NatalPillarsOf(const ChartBoard& board, bool hour_known);

}  // namespace kirvo
