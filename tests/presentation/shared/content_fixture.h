#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/chart_pipeline.h"
#include "presentation/panel/chart_content.h"
#include "settings/program_settings.h"
#include "support/person_input.h"

namespace kirvo::testing {

// Explanations for tests: "説明" + file + line number, and a record of every lookup.
class RecordingExplanations final : public ExplanationSource {
 public:
  Status AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) override {
    lookups.emplace_back(std::string(file.name), line_number);
    text += "説明" + std::string(file.name) + ":" + std::to_string(line_number);
    return {};
  }
  std::vector<std::pair<std::string, int>> lookups;
};

// A chart computed as a chart window computes it: record, full pipeline.
using ComputedChart = Chart;

inline ComputedChart ComputeChart(const BirthInput& input, const char* chart_moment, LuckRange range,
                                  const ProgramSettings& settings) {
  ComputedChart chart;
  chart.hour_known = HourKnown(input);
  chart.range = range;
  chart.record = NewChartRecord(input, *DateTime::ParseDateTimeText(chart_moment));
  RunFullPipeline(chart, ChartRules{settings.usys, settings.sys});
  return chart;
}

// A man born 1984-02-10 12:00 (甲子 丙寅 甲戌 庚午), seen on 1995-03-15 09:30 in his first major
// luck 丁卯, range 大運まで: the chart whose content the tests check by hand.
inline ComputedChart HandCheckedChart(const ProgramSettings& settings) {
  return ComputeChart(Person("試験太郎", "1984/02/10 12:00"), "1995/03/15 09:30", LuckRange::kMajorLuck, settings);
}

inline ChartContent RefreshedContent(const ComputedChart& chart, const ProgramSettings& settings,
                                     ExplanationSource& explanations, const ContentBranding& branding = {}) {
  const ChartRules rules{settings.usys, settings.sys};
  ChartContent content = NewChartContent(rules, branding);
  RefreshChartContent(content, "< 大運まで >", chart, rules, branding, explanations);
  return content;
}

}  // namespace kirvo::testing
