#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "calendar/date_time.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "presentation/person_list.h"

namespace kirvo {

// 命式データ生成: the summary of a person's chart at the chart moment `moment` with the running luck
// of `range`, in cells 4..36 of the person's row. The chart is made by the light pipeline, then the
// five-element analysis, the content table and the pattern step run for it. A person whose birth
// cells make no moment the program computes with keeps empty cells. At an age outside 0..110 years
// the content-table columns stay empty (unless the range is 命式のみ) and the running-luck columns
// 27..30 stay empty. `scratch` is reused between persons. Cells 4..46 are emptied first. False
// when the birth cells make no moment the program computes with (nothing filled).
bool FillPersonSummary(PersonRow& row, DateTime moment, LuckRange range, const ChartRules& rules, Chart& scratch);

// Every row in turn, after emptying the computed cells of all; `progress` (may be empty) hears the
// percentage round(row number / rows × 100) after each row and may answer false to stop.
void GeneratePersonSummaries(PersonList& list, DateTime moment, LuckRange range, const ChartRules& rules,
                             const std::function<bool(int percent)>& progress = {});

// The summary columns in the order the list shows them (4..36).
inline constexpr std::size_t kSummaryColumnCount = person_column::kLastComputed - person_column::kFirstComputed + 1;

}  // namespace kirvo
