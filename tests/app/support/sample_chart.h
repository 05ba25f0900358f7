#pragma once

#include <string>

#include "engine/chart_record.h"
#include "presentation/panel/chart_content.h"

namespace kirvo::samples {

// A birth with the chart moment and luck range a chart window shows it at.
struct SampleBirth {
  BirthInput input;
  std::string chart_moment;  // "YYYY/MM/DD hh:nn"
  LuckRange range = LuckRange::kNatalOnly;
};

// A man born 1984-02-10 12:00 (甲子 丙寅 甲戌 庚午), seen on 1995-03-15 09:30, range 大運まで.
SampleBirth HandCheckedBirth();

// The side panel's content for `birth` as a chart window builds it: the chart record, the full
// pipeline, then a new panel content refreshed from the board.
ChartContent SampleChartContent(const SampleBirth& birth, const ChartRules& rules, const ContentBranding& branding,
                                ExplanationSource& explanations);

}  // namespace kirvo::samples
