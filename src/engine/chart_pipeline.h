#pragma once

#include "engine/chart.h"

namespace kirvo {

// The chart pipelines. A caller fills PersonName, Sex, BirthText, BirthDateTime and ChartDateTime
// of the chart's record first (NewChartRecord), and the chart's range and hour_known; the fill step
// sets every other field. Every step clears
// what it writes, so running a pipeline again on the same board gives the same board. The steps
// read the rule and system settings as they stand at the call.

// Fill step: the natal pillars (columns 9..6) and the running-luck pillars of the chart moment
// (columns 4..1) with their hidden stems and depth, the season, direction and start of luck, the
// age, the major-luck pillar (column 5), the working rows, the commanding stem and the stars; then,
// with the hour unknown, column 6 is blanked.
void RunFillStep(ChartBoard& board, TMeiData& record, bool hour_known, const ChartRules& rules);

// Full pipeline: fill; stem interactions; branch interactions; roots; the saved copy of rows
// 12..18 in rows 34..40 (and, with `KSCB`, the working rows restored to the first-computed ones);
// punishments, harms, breaks and special marks.
void RunFullPipeline(Chart& chart, const ChartRules& rules);

// Light pipeline for tables of many charts: fill; the two interaction steps unless `KSCB` is set;
// roots.
void RunLightPipeline(Chart& chart, const ChartRules& rules);

}  // namespace kirvo
