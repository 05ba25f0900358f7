#pragma once

#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "engine/stem_relation_records.h"

namespace kirvo {

// Applies the relations that still hold to the working stems of the taking-part columns. First
// every column's rows 12 and 13 lose their mark. A stem with exactly one relation is removed
// together with its counterpart when the counterpart has one relation too; otherwise a stem goes
// when both sides last hold a combination or when it is overcome by a stem that does not itself
// stand overcome, and a combined stem whose partner is last overcome loses only its root mark. A
// stem removed by a combination it may transform in (row 21 has a stem) becomes that stem instead.
// Unless `day_master_apart` (`NCB`), a stem removed through a relation with the day pillar is
// marked to count twice. A stem whose only relation names no counterpart ends the pass.
void RemoveAndTransformStems(ChartBoard& board, const StemRelationRecords& records, LuckRange range,
                             bool day_master_apart);

}  // namespace kirvo
