#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/branch_relations.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;
inline constexpr std::int32_t kHolds = 1;  // Code of a cell whose group survives

int HighestPillar(std::string_view entry) { return ValueOfDigit(entry[0]); }
int LowestPillar(std::string_view entry) { return ValueOfDigit(entry[2]); }
int Span(std::string_view entry) { return HighestPillar(entry) - LowestPillar(entry); }

// Walking from the strongest end of the entries of one kind, sorted by (group, strength, text), each
// entry meets the one before it; of two overlapping groups of one element the weaker goes, and of two
// equally strong ones the wider. Returns the entries that go.
std::vector<std::string> LosingGroups(std::vector<std::string> entries) {
  std::sort(entries.begin(), entries.end(), [](const std::string& x, const std::string& y) {
    return std::tie(x[kEntryElement], x[kEntryStrength], x) < std::tie(y[kEntryElement], y[kEntryStrength], y);
  });
  std::vector<std::string> losing;
  if (entries.empty()) return losing;
  std::size_t a = entries.size() - 1;
  for (std::size_t b = a; b-- > 0;) {
    const std::string& later = entries[a];
    const std::string& earlier = entries[b];
    const bool overlap =
        earlier[kEntryElement] == later[kEntryElement] && HighestPillar(earlier) >= LowestPillar(later);
    if (!overlap) {
      a = b;
    } else if (earlier[kEntryStrength] != later[kEntryStrength] || Span(earlier) >= Span(later)) {
      losing.push_back(earlier);
    } else {
      losing.push_back(later);
      a = b;
    }
  }
  return losing;
}

}  // namespace

std::string NormalisedGroupText(std::string_view text, int own_pillar) {
  std::string digits(text);
  std::sort(digits.begin(), digits.end(), std::greater<>());
  digits.erase(std::unique(digits.begin(), digits.end()), digits.end());
  std::erase(digits, DigitOf(own_pillar));
  return digits;
}

void SelectGroups(ChartBoard& board, RelationList& groups) {
  constexpr std::array<std::pair<char, int>, 2> kGroupRows = {{
      {kThreeHarmonyKind, board::kThreeHarmony},
      {kDirectionalKind, board::kDirectional},
  }};
  for (const auto& [kind, row] : kGroupRows) {
    std::vector<std::string> of_kind;
    std::copy_if(groups.begin(), groups.end(), std::back_inserter(of_kind),
                 [of = kind](const std::string& entry) { return entry[kEntryKind] == of; });
    for (const std::string& loser : LosingGroups(of_kind)) std::erase(groups, loser);

    for (const std::string& entry : groups) {
      if (entry[kEntryKind] != kind) continue;
      for (const int pillar : PillarsOf(entry)) board(board::ColumnOfPillar(pillar), row).Code = kHolds;
    }
    for (BoardColumn column{0}; column <= kLastColumn; ++column) {
      ChartCell& cell = board(column, row);
      if (cell.Code != kHolds) cell.ZSet = cell.Text.empty() ? Mark::kNone : Mark::kRemoved;
    }
  }
}

}  // namespace kirvo
