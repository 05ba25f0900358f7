#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/chart_board.h"
#include "engine/chart_record.h"

namespace kirvo {

// The three relations a stem may keep, in the order the removal rules rank them.
enum StemRelationIndex : int {
  kCombinedWith = 0,       // 干合, row 20
  kOvercomesAnother = 1,   // this stem overcomes another, row 22
  kOvercomeByAnother = 2,  // another stem overcomes this one, row 23
};

// What one column's stem keeps of its resolved relations: each relation's result (the row's
// `Code`: 0 none, 1 holds, 2 fails) and its counterpart, the pillar number of the combination
// partner, of the stem overcome and of the overcomer (0 none).
struct StemRelationRecord {
  std::array<std::int32_t, 3> result{};
  std::array<int, 3> counterpart{};

  // How many of the three relations hold.
  int Holding() const;
  // The last relation (0..2) that holds; -1 when none does.
  int LastHolding() const;
  void Drop(int relation) {
    result[relation] = 0;
    counterpart[relation] = 0;
  }
};

// Records by column 0..9; columns not taking part keep empty records.
using StemRelationRecords = std::array<StemRelationRecord, 10>;

// The records of the taking-part columns: results from rows 20, 22 and 23, counterparts from the
// list entries (a combination entry makes its two pillars each other's partner; an overcoming
// entry names the first pillar's target and the second pillar's overcomer).
StemRelationRecords RecordStemRelations(const ChartBoard& board, const RelationList& list, LuckRange range);

// A relation that held but is cancelled by a later rule keeps its entry with "001" appended.
void CancelRelation(std::string& entry);

// Overcoming chains (A overcomes B, B overcomes C ...): starting from every stem that overcomes
// without being overcome, follow the targets while the stem reached is both overcoming and
// overcome. A chain of three or more stems cancels itself — every stem in it loses both
// overcoming relations and the links' entries are cancelled — since each overcoming is countered
// by the next.
void CancelOvercomingChains(StemRelationRecords& records, RelationList& list, LuckRange range);

// A stem in exactly two combination entries is courted from both sides (争合): it and every pillar
// in its row-20 text lose the combination, and the entries between them are cancelled.
void CancelDoubleCombinations(StemRelationRecords& records, RelationList& list, const ChartBoard& board,
                              LuckRange range);

}  // namespace kirvo
