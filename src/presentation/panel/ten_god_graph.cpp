#include "presentation/panel/ten_god_graph.h"

#include <cstdio>
#include <string_view>

#include "calendar/sexagenary.h"
#include "engine/element_numbers.h"
#include "engine/ten_gods.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// Rows of `HSG`: column c weighs board column c.
inline constexpr std::size_t kStemWeightRow = 1, kBranchWeightRow = 2, kFirstHiddenWeightRow = 3;

// The hidden stems 余気 中気 本気 as the 地星 hint names them.
inline constexpr std::array<std::string_view, 3> kHiddenStemPlaces = {"余", "中", "本"};

inline constexpr int kPercentWidth = 4;  // "05.0": the share is zero-padded to four characters

class Tally {
 public:
  Tally(const ChartBoard& board, const ChartRules& rules) : board_(board), rules_(rules) {}

  void AddStarCell(BoardColumn column, int row, std::size_t weight_row) {
    const ChartCell& cell = board_(column, row);
    Add(TenGodIndexOf(cell.Text, rules_.sys.names.ten_gods), column, weight_row, cell.ZSet);
  }

  // The column's hidden stems, each as its star seen from the day master; returns the stars.
  EarthStars AddHiddenStems(BoardColumn column, Stem day_master) {
    EarthStars stars = {kNoTenGod, kNoTenGod, kNoTenGod};
    for (std::size_t k = 0; k < stars.size(); ++k) {
      const ChartCell& cell = board_(column, board::kWorkHidden1 + static_cast<int>(k));
      if (cell.Text.empty()) continue;
      stars[k] = TenGodOf(day_master, StemIndexOf(cell.Text).value_or(kNoStem));
      Add(stars[k], column, kFirstHiddenWeightRow + k, cell.ZSet);
    }
    return stars;
  }

  const TenGodTally& stars() const { return tally_; }

 private:
  void Add(TenGod star, BoardColumn column, std::size_t weight_row, Mark mark) {
    if (star == kNoTenGod) return;
    const int weight = rules_.read.ten_god_weights[static_cast<std::size_t>(column.index)][weight_row];
    tally_[static_cast<std::size_t>(star)] += AdjustedByMark(weight, mark);
  }

  const ChartBoard& board_;
  const ChartRules& rules_;
  TenGodTally tally_{};
};

}  // namespace

TenGodGraph TenGodGraphOf(const ChartBoard& board, LuckRange range, const ChartRules& rules) {
  TenGodGraph graph;
  const Stem day_master = StemIndexOf(board(board::kDay, board::kWorkStem).Text).value_or(kNoStem);
  Tally tally(board, rules);
  for (BoardColumn column = FirstColumnTakingPart(range); column <= board::kYear; ++column) {
    tally.AddStarCell(column, board::kHeavenStar, kStemWeightRow);
    // The day pillar's 地星 is the day master's own root, not a star it meets.
    if (column != board::kDay) tally.AddStarCell(column, board::kEarthStar, kBranchWeightRow);
    graph.earth_stars[static_cast<std::size_t>(column.index)] = tally.AddHiddenStems(column, day_master);
  }
  graph.tally = tally.stars();
  for (std::size_t group = 0; group < kTenGodGroups; ++group) {
    graph.parts[group] = graph.tally[2 * group];
    graph.values[group] = graph.tally[2 * group] + graph.tally[2 * group + 1];
  }
  return graph;
}

std::string EarthStarHint(const EarthStars& stars, const TenGodNames& names) {
  std::string lines;
  for (std::size_t k = 0; k < stars.size(); ++k) {
    if (stars[k] == kNoTenGod) continue;
    if (!lines.empty()) lines += '\n';
    lines += std::string(kHiddenStemPlaces[k]) + ":" + std::string(TenGodName(stars[k], names));
  }
  return lines;
}

std::string TenGodGraphHint(const std::array<int, kTenGodGroups>& values,
                            const std::array<std::string, kTenGodGroups>& group_names) {
  long long total = 0;
  for (const int value : values) total += value;
  std::string hint;
  for (std::size_t group = 0; group < kTenGodGroups; ++group) {
    const double share = total == 0 ? 0.0 : values[group] * 100.0 / static_cast<double>(total);
    char percent[32];
    std::snprintf(percent, sizeof percent, "%2.1f", share);
    std::string padded = percent;
    if (padded.size() < kPercentWidth) padded.insert(0, kPercentWidth - padded.size(), '0');
    char value[16];
    std::snprintf(value, sizeof value, "%2d", values[group]);
    if (group > 0) hint += '\n';
    hint += group_names[group] + ":" + padded + "% [" + value + "]";
  }
  return hint;
}

}  // namespace kirvo
