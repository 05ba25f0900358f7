#include "engine/natal_pillars.h"

#include <string_view>

namespace kirvo {

namespace {

constexpr std::array<BoardColumn, kNatalPillarCount> kNatalColumns = {board::kYear, board::kMonth, board::kDay,
                                                                      board::kHour};

}  // namespace

NatalPillars NatalPillarsOf(const ChartBoard& board, bool hour_known) {
  NatalPillars natal;
  for (int pillar = kYearPillar; pillar < kNatalPillarCount; ++pillar) {
    if (pillar == kHourPillar && !hour_known) continue;
    const BoardColumn column = kNatalColumns[pillar];
    const std::optional<Stem> stem = StemIndexOf(board(column, board::kStem).Text);
    const std::optional<Branch> branch = BranchIndexOf(board(column, board::kBranch).Text);
    if (stem && branch) natal.pillars[pillar] = Kanshi{*stem, *branch};
  }
  return natal;
}

}  // namespace kirvo
