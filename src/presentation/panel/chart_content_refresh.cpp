#include "engine/element_analysis.h"
#include "engine/patterns.h"
#include "presentation/panel/chart_content.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

void StyleAll(ChartContent& content, const ChartRules& rules, const ContentBranding& branding) {
  StyleContentTable(content.SNB, rules.sys, branding);
  StyleElementTable(content.SG2, rules.sys, rules.read.forward_backward);
  StyleStemNumberTable(content.KanSG, rules.sys);
  StyleSpiritStarTable(content.SinSG, rules.sys);
}

}  // namespace

ContentBranding ContentBrandingOf(const std::optional<Branding>& branding, const SysSettings& sys) {
  ContentBranding hides;
  hides.hide_numbers = sys.MCBL || (branding && branding->hide_content_numbers);
  hides.hide_inner_outer = branding && branding->hide_content_inner_outer;
  return hides;
}

ChartContent NewChartContent(const ChartRules& rules, const ContentBranding& branding) {
  const SysSettings& sys = rules.sys;
  ChartContent content;
  content.SNB = NewContentTable();
  content.SG2 = NewElementTable();
  content.KanSG = NewStemNumberTable();
  content.SinSG = ContentGrid(kSpiritStarTableColumns, 1);
  content.SinSG.text = SpiritStarTable(SpiritStars{}, sys.names.spirit_stars);
  content.selectors.entries = sys.names.patterns;
  ApplyContentBranding(content.SNB.text, branding);
  for (std::size_t section = 0; section < content.sections_shown.size(); ++section) {
    content.sections_shown[section] = IsChecked(sys.MCG, section);
  }
  StyleAll(content, rules, branding);
  return content;
}

void RefreshChartContent(ChartContent& content, std::string_view prefix, const Chart& chart, const ChartRules& rules,
                         const ContentBranding& branding, ExplanationSource& explanations) {
  const auto& [board, record, stem_relations, branch_relations, range, hour_known, season_elements] = chart;
  ShowChartSummary(content, prefix, record, hour_known, rules);

  // The month's title cell keeps the month's depth class as its code: the analysis below reads
  // it, and the commanding stem travels in the record.
  content.analysis = AnalyseElements(board, record, range, hour_known, rules);
  FillContentTable(content.SNB.text, content.analysis, board);
  FillElementTable(content.SG2.text, content.analysis.numbers.table);
  FillStemNumberTable(content.KanSG.text, content.analysis.numbers.stems);
  content.ten_god_graph = TenGodGraphOf(board, range, rules);

  content.patterns = PatternStep(board, PatternInputsOfContentTable(content.SNB.text), hour_known, record, rules);
  RefreshExplanations(content, content.patterns, rules.sys, explanations);

  // The branding empties its cells only now, so that the pattern step still read 内外格.
  ApplyContentBranding(content.SNB.text, branding);
  StyleAll(content, rules, branding);
}

}  // namespace kirvo
