#include <algorithm>
#include <string>

#include "presentation/panel/chart_content.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

int SelectorsInUse(bool one_pattern_only) { return one_pattern_only ? 1 : kPatternSelectorCount; }

}  // namespace

void SelectFoundPatterns(PatternSelectors& selectors, const PatternFlags& flags, const PatternNames& names,
                         bool one_pattern_only) {
  selectors.entries = names;
  selectors.shown = {};
  int next = 0;
  for (int index = 0; index < kPatternCount && next < SelectorsInUse(one_pattern_only); ++index) {
    if (flags[index]) selectors.shown[next++] = index;
  }
}

PatternSelectors SelectFoundPatterns(const PatternFlags& flags, const PatternNames& names, bool one_pattern_only) {
  PatternSelectors selectors;
  SelectFoundPatterns(selectors, flags, names, one_pattern_only);
  return selectors;
}

void WritePatternText(std::string& text, const PatternSelectors& selectors, bool one_pattern_only,
                      ExplanationSource& explanations) {
  // Lines joined with line breaks: each line is followed by one, and the last one dropped.
  text.clear();
  for (int selector = 0; selector < SelectorsInUse(one_pattern_only); ++selector) {
    const int shown = selectors.shown[selector];
    if (shown <= 0 || shown >= kPatternCount) continue;
    const std::string& name = selectors.entries[shown];
    if (name.empty()) continue;
    // The entry is known by the position of its text in the list, as a drop-down list knows it.
    const int entry = static_cast<int>(std::find(selectors.entries.begin(), selectors.entries.end(), name) -
                                       selectors.entries.begin());
    ((text += "～") += selectors.entries[entry]) += "～\n";
    // A text that can't be read leaves the heading alone; the source's owner tells the user.
    static_cast<void>(explanations.AppendExplanation(text, kPatternExplanations, entry));
    text += "\n\n";
  }
  if (!text.empty()) text.pop_back();
}

std::string PatternText(const PatternSelectors& selectors, bool one_pattern_only, ExplanationSource& explanations) {
  std::string text;
  WritePatternText(text, selectors, one_pattern_only, explanations);
  return text;
}

void ChoosePattern(ChartContent& content, int selector, int entry, const SysSettings& sys,
                   ExplanationSource& explanations) {
  if (selector < 0 || selector >= kPatternSelectorCount || entry < 0 || entry >= kPatternCount) return;
  content.selectors.shown[selector] = entry;
  if (sys.KakuCB && selector > 0) return;
  WritePatternText(content.KakuMemo, content.selectors, sys.KakuCB, explanations);
}

void RefreshExplanations(ChartContent& content, const PatternResult& patterns, const SysSettings& sys,
                         ExplanationSource& explanations) {
  // A pattern step that stopped early computed no spirit stars; the panel then shows none rather
  // than those of an earlier chart.
  content.spirit_stars = patterns.spirit_stars.value_or(SpiritStars{});
  FillSpiritStarTable(content.SinSG.text, content.spirit_stars, sys.names.spirit_stars);
  StyleSpiritStarTable(content.SinSG, sys);
  WriteSpiritStarText(content.SMemo, content.spirit_stars, sys.names.spirit_stars, explanations);

  SelectFoundPatterns(content.selectors, patterns.flags, sys.names.patterns, sys.KakuCB);
  WritePatternText(content.KakuMemo, content.selectors, sys.KakuCB, explanations);
}

}  // namespace kirvo
