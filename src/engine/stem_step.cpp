#include <string>
#include <vector>

#include "engine/analysis_steps.h"
#include "engine/relation_resolution.h"
#include "engine/stem_pairs.h"
#include "engine/stem_relation_records.h"
#include "engine/stem_removal.h"
#include "engine/stem_strength.h"
#include "engine/stem_tables.h"
#include "engine/stem_transformation.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr int kFirstInteractionRow = board::kStemCombine;  // 20
inline constexpr int kLastMarkRow = board::kSpecial;              // 33
inline constexpr Rgb kInteractionTopColor = 0xFEFFFF;

// Everything the step writes starts afresh: the interaction and mark rows, the strength texts of
// row 19, and the working stems, which start again from the first copy of row 1.
void ClearStemResults(ChartBoard& board, RelationList& list) {
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    for (int row = kFirstInteractionRow; row <= kLastMarkRow; ++row) {
      ChartCell& cell = board(column, row);
      cell.Text.clear();
      cell.Code = 0;
      cell.ZSet = Mark::kNone;
      cell.TopColor = kInteractionTopColor;
    }
    board(column, board::kBranchDiagram).Text.clear();
    board(column, board::kWorkStem).Text = board(column, board::kStem).Text;
  }
  list.clear();
}

// 進混退 of every taking-part stem: text in row 19, class in row 20's `Code` (read by the
// overcoming test, then replaced by the combination's resolution). A column without a pillar (the
// hour column when the hour is unknown) gets none.
void WriteStrengths(ChartBoard& board, LuckRange range, bool hour_known) {
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    if (!TakesPart(column, range) || (column == board::kHour && !hour_known)) continue;
    const StemStrength strength = StemStrengthOf(board, column);
    board(column, board::kBranchDiagram).Text = std::string(strength.text);
    board(column, board::kStemCombine).Code = strength.code;
  }
}

// Overcoming is directed: each overcoming stem resolves its choice of target against the
// target's overcomers (row 23), and each overcome stem its choice of overcomer against that
// overcomer's targets (row 22). Each overcoming that holds on the overcome side is listed,
// overcomer first.
void ResolveOvercoming(ChartBoard& board, RelationList& list) {
  ResolveRowCells(board, board::kOvercomes, board::kOvercomeBy, RelationKind::kOvercoming);
  for (const ResolvedCell& cell :
       ResolveRowCells(board, board::kOvercomeBy, board::kOvercomes, RelationKind::kOvercoming)) {
    if (cell.result == kRelationHolds)
      list.push_back(RelationEntry(cell.partner, cell.self, RelationKind::kOvercoming));
  }
}

bool IsCancelled(const std::string& entry) { return entry.size() > 4 && entry.ends_with("001"); }

}  // namespace

void StemStep(ChartBoard& board, const TMeiData& record, LuckRange range, RelationList& stem_relations, bool hour_known,
              const ChartRules& rules) {
  const bool overcoming = rules.read.stems_overcome;
  const bool day_master_apart = rules.read.day_master_apart;
  const bool neighbours_merged = rules.read.neighbours_only;

  ClearStemResults(board, stem_relations);
  WriteStrengths(board, range, hour_known);

  const PairFilter filter(RelationFamily::kStems, range, hour_known, rules.read);
  const TransformationContext transformation{rules.read.transformation, SeasonElementOf(record.SeasonIndex),
                                             hour_known};
  FindStemRelations(board, filter, overcoming, transformation);

  ResolveRow(board, board::kStemCombine, stem_relations, RelationKind::kCombination, neighbours_merged);
  ResolveOvercoming(board, stem_relations);

  StemRelationRecords records = RecordStemRelations(board, stem_relations, range);
  if (overcoming) CancelOvercomingChains(records, stem_relations, range);
  if (!neighbours_merged) CancelDoubleCombinations(records, stem_relations, board, range);
  RemoveAndTransformStems(board, records, range, day_master_apart);

  if (rules.sys.DCB) std::erase_if(stem_relations, IsCancelled);
}

}  // namespace kirvo
