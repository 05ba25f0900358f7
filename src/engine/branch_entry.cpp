#include <string_view>
#include <vector>

#include "engine/branch_relations.h"

namespace kirvo {

EntryPillars PillarsOf(std::string_view entry) {
  EntryPillars pillars;
  for (std::size_t i = 0; i < 3 && i < entry.size(); ++i) {
    const int pillar = ValueOfDigit(entry[i]);
    if (pillar >= 1 && pillar <= 9) pillars.push_back(pillar);
  }
  return pillars;
}

bool Names(std::string_view entry, int pillar) {
  for (std::size_t i = 0; i < 3 && i < entry.size(); ++i) {
    if (ValueOfDigit(entry[i]) == pillar && pillar >= 1 && pillar <= 9) return true;
  }
  return false;
}

bool IsSuppressed(std::string_view entry) {
  return entry.size() > kEntrySuppressed && entry[kEntrySuppressed] == kSuppressedDigit;
}

}  // namespace kirvo
