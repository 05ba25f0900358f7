#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "platform/small_list.h"

namespace kirvo {

// How the stem and the branch interactions decide which relations hold. A relation cell (rows 20
// to 29) lists the pillar numbers of its candidate partners as decimal digits, in the order found;
// after resolution its `Code` tells the result and its `ZSet` is Mark::kRemoved (×) when the relation fails.

// The kind of a relation: the fourth character of a relation list entry.
enum class RelationKind : int {
  kCombination = 0,   // 干合, 支合
  kOvercoming = 1,    // 剋 (stems)
  kClash = 2,         // 冲
  kHalfGroup = 3,     // 局
  kThreeHarmony = 5,  // 三合
  kDirectional = 6,   // 方合
};

// Result of resolving one relation cell (its `Code`).
inline constexpr std::int32_t kRelationNone = 0;
inline constexpr std::int32_t kRelationHolds = 1;
inline constexpr std::int32_t kRelationFails = 2;

// The columns taking part for a luck range: 6 − its number to 9.
inline bool TakesPart(BoardColumn column, LuckRange range) {
  return column >= FirstColumnTakingPart(range) && column <= board::kYear;
}

// Which step asks: each drops its own extra pairs.
enum class RelationFamily { kStems, kBranches };

// Whether an ordered pair of distinct taking-part columns may relate. A pair is dropped when:
// `KKSCB` is set and either column is a running-luck column (below 6); the hour is unknown and
// either column is the hour column 6; `TCB` is set and the pair is year-day or month-hour; for
// stems, `NCB` is set and either column is the day column 7; for branches, `SiaCB` is set and the
// pair is year-day, year-hour or month-hour. The order of the two columns never matters.
class PairFilter {
 public:
  PairFilter(RelationFamily family, LuckRange range, bool hour_known, const RuleValues& read);
  bool Passes(BoardColumn first_column, BoardColumn second_column) const;

 private:
  LuckRange range_;
  bool hour_known_;
  bool no_running_luck_;         // KKSCB
  bool no_year_day_month_hour_;  // TCB
  bool no_day_master_;           // NCB, stems only
  bool no_distant_branches_;     // SiaCB, branches only
};

// The pillar numbers of a relation text, one decimal digit each, in text order.
std::vector<int> PillarNumbersOf(std::string_view text);

// Which of the candidates (at least one) pillar `self` relates to: the nearest pillar number; when
// the two nearest stand at the same distance, the larger of them.
int ChoosePartner(int self, std::string_view candidates);

// Whether the relation of `self` with its chosen `partner` holds, given `partner_text`, the
// partner's own candidate list in the same row: 0 when that list is empty, 1 (holds) or 2 (fails).
// The partner's candidates are ordered by distance from the partner, then by number; x and y are
// the first two. The relation holds when `self` is the partner's own choice (x at a distance
// unlike y's, or y when both are equally near). For every kind but overcoming it also holds when
// `self` is x at distance 1, or y with x next to y, or y with x at distance 1; for a half group
// whenever `self` is y. A third or later candidate never holds.
std::int32_t ResolveRelation(int partner, int self, std::string_view partner_text, RelationKind kind);

// One relation cell after resolution: its column, its own pillar number, the partner it chose and
// the result.
struct ResolvedCell {
  BoardColumn column{0};
  int self = 0;
  int partner = 0;
  std::int32_t result = kRelationNone;
};

// Resolves every non-empty cell of `row` in columns 0..9 against the partner's cell in
// `counterpart_row` (the same row for symmetric relations; 23 for 22 and back for overcoming). All
// cells of the row first get `Code` 0 and no mark; each resolved cell gets the result as `Code`
// and Mark::kRemoved when it fails. Returned in column order.
using ResolvedCells = SmallList<ResolvedCell, 10>;  // one for each of the columns 0..9
ResolvedCells ResolveRowCells(ChartBoard& board, int row, int counterpart_row, RelationKind kind);

// Row resolution of a symmetric relation row: resolves the row against itself and, for every
// relation that holds and is not yet listed from the other side, appends the entry
// RelationEntry(partner, self, kind). With `neighbours_only` (`SaCB`, 隣柱３つまで) the list is then merged
// with MergeNeighbourRelations.
void ResolveRow(ChartBoard& board, int row, RelationList& list, RelationKind kind, bool neighbours_only);

// A relation list entry of two pillars: first pillar, second pillar, "0" (no third pillar) and the
// kind digit, e.g. "2300".
std::string RelationEntry(int first_pillar, int second_pillar, RelationKind kind);

// The parts of a list entry of at least four characters; pillars are 0 where the entry has none.
struct RelationEntryParts {
  int first = 0;
  int second = 0;
  int third = 0;
  int kind = -1;
  bool Names(int pillar) const { return pillar != 0 && (pillar == first || pillar == second || pillar == third); }
};
RelationEntryParts PartsOf(std::string_view entry);

// `SaCB` merging: scanning from the first entry, every later entry of the same kind that names one
// of the first two pillars of the current entry is merged into it — the current entry's third
// character becomes the other entry's remaining pillar — and the other entry is deleted. A merged
// entry is a relation of three neighbouring pillars.
void MergeNeighbourRelations(RelationList& list);

}  // namespace kirvo
