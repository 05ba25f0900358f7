#include "engine/stem_relation_records.h"

#include <algorithm>
#include <vector>

#include "engine/relation_resolution.h"

namespace kirvo {

namespace {

inline constexpr std::string_view kCancelledSuffix = "001";
inline constexpr std::size_t kPlainEntrySize = 4;  // two pillars, "0", kind

bool IsPillar(int pillar) { return pillar >= 1 && pillar <= 9; }
BoardColumn ColumnOf(int pillar) { return board::ColumnOfPillar(pillar); }

bool IsEntryOf(std::string_view entry, int first, int second, RelationKind kind) {
  const RelationEntryParts parts = PartsOf(entry);
  return parts.kind == static_cast<int>(kind) && parts.first == first && parts.second == second;
}

void CancelEntries(RelationList& list, int first, int second, RelationKind kind) {
  for (std::string& entry : list) {
    if (IsEntryOf(entry, first, second, kind)) CancelRelation(entry);
  }
}

}  // namespace

int StemRelationRecord::Holding() const {
  return static_cast<int>(std::count(result.begin(), result.end(), kRelationHolds));
}

int StemRelationRecord::LastHolding() const {
  for (int relation = 2; relation >= 0; --relation) {
    if (result[relation] == kRelationHolds) return relation;
  }
  return -1;
}

StemRelationRecords RecordStemRelations(const ChartBoard& board, const RelationList& list, LuckRange range) {
  StemRelationRecords records{};
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    if (!TakesPart(column, range)) continue;
    records[column.index].result = {board(column, board::kStemCombine).Code, board(column, board::kOvercomes).Code,
                                    board(column, board::kOvercomeBy).Code};
  }
  const auto note = [&](int pillar, int relation, int counterpart) {
    if (IsPillar(pillar) && TakesPart(ColumnOf(pillar), range))
      records[ColumnOf(pillar).index].counterpart[relation] = counterpart;
  };
  for (const std::string& entry : list) {
    const RelationEntryParts parts = PartsOf(entry);
    if (parts.kind == static_cast<int>(RelationKind::kCombination)) {
      note(parts.first, kCombinedWith, parts.second);
      note(parts.second, kCombinedWith, parts.first);
    } else if (parts.kind == static_cast<int>(RelationKind::kOvercoming)) {
      note(parts.first, kOvercomesAnother, parts.second);
      note(parts.second, kOvercomeByAnother, parts.first);
    }
  }
  return records;
}

void CancelRelation(std::string& entry) {
  if (entry.size() == kPlainEntrySize) entry += kCancelledSuffix;
}

void CancelOvercomingChains(StemRelationRecords& records, RelationList& list, LuckRange range) {
  const auto overcoming_and_overcome = [&records](BoardColumn column) {
    return records[column.index].result[kOvercomesAnother] == kRelationHolds &&
           records[column.index].result[kOvercomeByAnother] == kRelationHolds;
  };
  for (BoardColumn start{0}; start <= board::kYear; ++start) {
    if (!TakesPart(start, range)) continue;
    const StemRelationRecord& head = records[start.index];
    if (head.result[kOvercomesAnother] != kRelationHolds || head.result[kOvercomeByAnother] == kRelationHolds) continue;
    std::vector<BoardColumn> chain = {start};
    for (BoardColumn column = start;;) {
      const int target = records[column.index].counterpart[kOvercomesAnother];
      if (!IsPillar(target) || std::find(chain.begin(), chain.end(), ColumnOf(target)) != chain.end()) break;
      column = ColumnOf(target);
      chain.push_back(column);
      if (!overcoming_and_overcome(column)) break;
    }
    if (chain.size() < 3) continue;
    for (std::size_t link = 0; link + 1 < chain.size(); ++link) {
      CancelEntries(list, board::PillarNumber(chain[link]), board::PillarNumber(chain[link + 1]),
                    RelationKind::kOvercoming);
    }
    for (BoardColumn column : chain) {
      records[column.index].Drop(kOvercomesAnother);
      records[column.index].Drop(kOvercomeByAnother);
    }
  }
}

void CancelDoubleCombinations(StemRelationRecords& records, RelationList& list, const ChartBoard& board,
                              LuckRange range) {
  std::array<int, 11> entries_naming{};  // by pillar number 0..10
  for (const std::string& entry : list) {
    const RelationEntryParts parts = PartsOf(entry);
    if (parts.kind != static_cast<int>(RelationKind::kCombination)) continue;
    for (int pillar = 1; pillar <= 9; ++pillar) {
      if (parts.Names(pillar)) ++entries_naming[pillar];
    }
  }
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    const int self = board::PillarNumber(column);
    if (!TakesPart(column, range) || entries_naming[self] != 2) continue;
    records[column.index].Drop(kCombinedWith);
    for (int pillar : PillarNumbersOf(board(column, board::kStemCombine).Text)) {
      if (!IsPillar(pillar)) continue;
      records[ColumnOf(pillar).index].Drop(kCombinedWith);
      CancelEntries(list, self, pillar, RelationKind::kCombination);
      CancelEntries(list, pillar, self, RelationKind::kCombination);
    }
  }
}

}  // namespace kirvo
