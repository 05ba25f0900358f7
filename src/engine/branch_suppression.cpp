#include <algorithm>
#include <string>
#include <vector>

#include "engine/branch_relations.h"

namespace kirvo {

namespace {

int StrengthOf(const std::string& entry) {
  return entry.size() > kEntryStrength ? ValueOfDigit(entry[kEntryStrength]) : 0;
}

}  // namespace

// A pillar holds its strongest relation: walking the pillars from 9 down to 1, every relation on a
// pillar that is weaker than the strongest relation on it still in force is suppressed. When every
// relation on the pillar is already suppressed, the strongest of them sets the bar.
void MarkSuppressed(RelationList& list) {
  std::vector<bool> suppressed(list.size(), false);
  for (int pillar = 9; pillar >= 1; --pillar) {
    int bar_in_force = -1;
    int bar_of_all = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (!Names(list[i], pillar)) continue;
      bar_of_all = std::max(bar_of_all, StrengthOf(list[i]));
      if (!suppressed[i]) bar_in_force = std::max(bar_in_force, StrengthOf(list[i]));
    }
    const int bar = bar_in_force >= 0 ? bar_in_force : bar_of_all;
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (Names(list[i], pillar) && StrengthOf(list[i]) < bar) suppressed[i] = true;
    }
  }
  for (std::size_t i = 0; i < list.size(); ++i) list[i] += suppressed[i] ? kSuppressedDigit : '0';
}

void SortByKind(RelationList& list) {
  std::sort(list.begin(), list.end(), [](const std::string& x, const std::string& y) {
    return x[kEntryKind] != y[kEntryKind] ? x[kEntryKind] < y[kEntryKind] : x < y;
  });
}

}  // namespace kirvo
