#include "support/sample_chart.h"

#include <cstdio>
#include <cstdlib>

#include "engine/chart_pipeline.h"
#include "presentation/chart/chart_text_copy.h"

namespace kirvo::samples {

SampleBirth HandCheckedBirth() {
  return {{"試験太郎", *BirthOfText("1984/02/10 12:00"), Sex::kMale}, "1995/03/15 09:30", LuckRange::kMajorLuck};
}

ChartContent SampleChartContent(const SampleBirth& birth, const ChartRules& rules, const ContentBranding& branding,
                                ExplanationSource& explanations) {
  BirthInput input = birth.input;
  // An unknown hour is entered as 12:00 and the chart drops its hour pillar.
  const bool hour_known = HourKnown(input);
  input.birth = input.birth.TakenAtNoon();
  const std::optional<DateTime> moment = DateTime::ParseDateTimeText(birth.chart_moment);
  if (!moment) {
    std::fprintf(stderr, "sample chart: unreadable chart moment\n");
    std::abort();
  }
  Chart chart;
  chart.record = NewChartRecord(input, *moment);
  chart.range = birth.range;
  chart.hour_known = hour_known;
  RunFullPipeline(chart, rules);
  ChartContent content = NewChartContent(rules, branding);
  const std::string prefix = "< " + std::string(LuckRangeCaption(birth.range)) + " >";
  RefreshChartContent(content, prefix, chart, rules, branding, explanations);
  return content;
}

}  // namespace kirvo::samples
