#include "support/board_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "engine/board_fill.h"

namespace kirvo {
namespace {

constexpr std::size_t kNameBytes = 3;  // one stem or branch name in UTF-8

std::optional<Kanshi> KanshiOfText(const std::string& text) {
  if (text.size() != 2 * kNameBytes) return std::nullopt;
  const std::optional<Stem> stem = StemIndexOf(std::string_view(text).substr(0, kNameBytes));
  const std::optional<Branch> branch = BranchIndexOf(std::string_view(text).substr(kNameBytes));
  if (!stem || !branch) return std::nullopt;
  return Kanshi{*stem, *branch};
}

}  // namespace

ChartBoard BoardFromPillars(const BoardPillars& pillars, const ProgramSettings& settings, bool blank_unknown_hour) {
  const std::array<std::pair<BoardColumn, const PillarText*>, 9> columns = {{
      {board::kYear, &pillars.year},
      {board::kMonth, &pillars.month},
      {board::kDay, &pillars.day},
      {board::kHour, &pillars.hour},
      {board::kMajorLuck, &pillars.major_luck},
      {board::kRunningYear, &pillars.running_year},
      {board::kRunningMonth, &pillars.running_month},
      {board::kRunningDay, &pillars.running_day},
      {board::kRunningHour, &pillars.running_hour},
  }};
  ChartBoard board;
  ResetBoardCodes(board);
  for (const auto& [column, pillar] : columns) {
    if (pillar->kanshi.empty()) continue;
    const std::optional<Kanshi> kanshi = KanshiOfText(pillar->kanshi);
    if (!kanshi) {
      ADD_FAILURE() << "not a pillar: \"" << pillar->kanshi << "\" in column " << column.index;
      continue;
    }
    if (pillar->depth < 0 || pillar->depth > 2) {
      ADD_FAILURE() << "depth class out of 0..2 in column " << column.index;
      continue;
    }
    const auto depth = static_cast<DepthClass>(pillar->depth);
    WritePillar(board, column, *kanshi, settings.usys.HiddenStems());
    board(column, board::kDepthRow).Code = pillar->depth;
    ShowMiddleDepthStem(board, column, depth, pillar->depth_stem);
  }
  MarkDepthAndCopyWorkingRows(board, settings.sys);
  if (!pillars.hour_known && blank_unknown_hour) BlankHourColumn(board);
  return board;
}

BoardPillars Natal(PillarText year, PillarText month, PillarText day, PillarText hour) {
  BoardPillars pillars;
  pillars.year = std::move(year);
  pillars.month = std::move(month);
  pillars.day = std::move(day);
  pillars.hour = std::move(hour);
  return pillars;
}

}  // namespace kirvo
