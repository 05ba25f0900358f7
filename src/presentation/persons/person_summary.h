#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "calendar/date_time.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "presentation/persons/person_list.h"

namespace kirvo {

// 命式データ生成: the summary of a person's chart at the chart moment `moment` with the running luck
// of `range`, in the computed cells of the person's row (person_column). The chart is made by the light pipeline, then the
// five-element analysis, the content table and the pattern step run for it. A person whose birth
// cells make no moment the program computes with keeps empty cells. At an age outside 0..110 years
// the content-table columns stay empty (unless the range is 命式のみ) and the running-luck columns
// stay empty. `scratch` is reused between persons. Cells 4..46 are emptied first. False
// when the birth cells make no moment the program computes with (nothing filled).
bool FillPersonSummary(PersonRow& row, DateTime moment, LuckRange range, const ChartRules& rules, Chart& scratch);

// Every row, after emptying the computed cells of all. A long list is shared out among the
// processor's cores, each working on rows of its own; the settings are only read. `progress` (may be
// empty) is called on the calling thread with round(rows done / rows × 100) as it grows and may
// answer false to stop (rows not reached stay empty). Returns the rows whose birth cells make no
// moment the program computes with, in list order.
std::vector<std::size_t> GeneratePersonSummaries(PersonList& list, DateTime moment, LuckRange range,
                                                 const ChartRules& rules,
                                                 const std::function<bool(int percent)>& progress = {});

// The summary columns in the order the list shows them (4..36).
inline constexpr std::size_t kSummaryColumnCount = person_column::kLastComputed - person_column::kFirstComputed + 1;

}  // namespace kirvo
