#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_time.h"
#include "engine/chart.h"
#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "presentation/panel/chart_content_explanations.h"
#include "presentation/panel/chart_content_model.h"
#include "settings/branding.h"

namespace kirvo {

struct SysSettings;

// What the branding (and the system setting `MCBL`) hides of the content table.
struct ContentBranding {
  bool hide_numbers = false;      // columns 0 and 1 are not drawn (`Naiyou_Suu`, `MCBL`)
  bool hide_inner_outer = false;  // the 内外格 label and value are emptied (`Naiyou_NaiGai`)
};
ContentBranding ContentBrandingOf(const std::optional<Branding>& branding, const SysSettings& sys);

// ---- Building and refreshing the panel -------------------------------------------------------

// The panel as it is built: constant labels and headers, empty values, styled, sections shown as
// `MCG` says, the branding applied.
ChartContent NewChartContent(const ChartRules& rules, const ContentBranding& branding);

// What a chart window does when it computes or activates a chart, in this order: the summary
// (ShowChartSummary); the five-element analysis into `SNB`, `SG2` and `KanSG`, with the ten-god
// graph of the board; the pattern step on the board with the judgement texts of `SNB`; the
// explanations (RefreshExplanations); the styles and the branding. `prefix` is the window's
// "< " + range caption + " >". The chart is only read, so refreshing an unchanged chart gives the
// same content.
void RefreshChartContent(ChartContent& content, std::string_view prefix, const Chart& chart, const ChartRules& rules,
                         const ContentBranding& branding, ExplanationSource& explanations);

// ---- Header and summary block (chart_content_summary.cpp) ------------------------------------

// prefix + "　作式：" + the chart moment as "YYYY/MM/DD" and, unless it is exactly midnight, a
// blank and the long time "H:mm:ss".
std::string ContentHeaderLine(std::string_view prefix, DateTime chart_moment);

// The summary block of a computed chart record.
SummaryBlock SummaryBlockOf(const TMeiData& record, bool hour_known, const ChartRules& rules);
// The same written into an existing block, whose texts keep their buffers.
void FillSummaryBlock(SummaryBlock& block, const TMeiData& record, bool hour_known, const ChartRules& rules);

// The hints of the summary block: the 節 that opened the birth month (from the birth moment and
// from the birth text, an unknown hour counting as 12:00), the 節 after it and, in the year unit
// of the start of luck, the depth days.
SummaryHints SummaryHintsOf(const TMeiData& record, const ChartRules& rules);

// Sets the header line and the summary block and keeps the record for the hints.
void ShowChartSummary(ChartContent& content, std::string_view prefix, const TMeiData& record, bool hour_known,
                      const ChartRules& rules);

// ---- The number tables (chart_content_number_tables.cpp) -------------------------------------

inline constexpr std::size_t kContentTableColumns = 6, kContentTableRows = 9;
inline constexpr std::size_t kElementTableColumns = 12, kElementTableRows = 6;
inline constexpr std::size_t kStemNumberColumns = 11, kStemNumberRows = 3;

// The grids with their constant labels and headers and empty values.
ContentGrid NewContentTable();
ContentGrid NewElementTable();
ContentGrid NewStemNumberTable();

// 内容表: the judgement and useful gods of the analysis in the value columns, then what the day
// and month pillars of the board give: void branches, the four special pillars, 天地徳合 and the
// two pillar repetitions.
void FillContentTable(TextTable& snb, const ElementAnalysis& analysis, const ChartBoard& board);
// 五行表: rows 1..5 the relations 主 洩 分 剋 生 to the day master.
void FillElementTable(TextTable& sg2, const ElementNumberTable& table);
// 干数値表: the totals and the weighted totals of the ten stems.
void FillStemNumberTable(TextTable& kan, const StemNumbers& stems);

// The judgement texts the pattern step reads back from the content table: 日主, 用神, 内外格.
PatternInputs PatternInputsOfContentTable(const TextTable& snb);

// Empties the 内外格 label and value when the branding hides them.
void ApplyContentBranding(TextTable& snb, const ContentBranding& branding);

// ---- Spirit stars (chart_content_spirit_star_table.cpp) ---------------------------------------

inline constexpr std::size_t kSpiritStarTableColumns = 4;
inline constexpr std::size_t kSpiritStarTableRows = 20;  // the header and at most 19 stars a pillar

// `SinSG`: the header row "時 日 月 年" and below it each pillar's stars in slot order, trimmed to
// the longest list.
TextTable SpiritStarTable(const SpiritStars& stars, const SpiritStarSlotNames& names);
// The same written into an existing table, whose cells keep their buffers.
void FillSpiritStarTable(TextTable& table, const SpiritStars& stars, const SpiritStarSlotNames& names);

// `SMemo`: for the year, month, day and hour pillar a heading "＜ 年柱 ＞" and for each star
// "～" + name + "～" and its explanation.
std::string SpiritStarText(const SpiritStars& stars, const SpiritStarSlotNames& names, ExplanationSource& explanations);
// The same text written over `text`, whose storage is reused.
void WriteSpiritStarText(std::string& text, const SpiritStars& stars, const SpiritStarSlotNames& names,
                         ExplanationSource& explanations);

// ---- Pattern selectors (chart_content_pattern_selectors.cpp) ----------------------------------

// All selectors empty, then the flagged patterns in pattern order into `KCB0`, `KCB1`, `KCB2`
// (only `KCB0` with `KakuCB`; a fourth is not shown).
PatternSelectors SelectFoundPatterns(const PatternFlags& flags, const PatternNames& names, bool one_pattern_only);
// The same written into existing selectors, whose entries keep their buffers.
void SelectFoundPatterns(PatternSelectors& selectors, const PatternFlags& flags, const PatternNames& names,
                         bool one_pattern_only);

// `KakuMemo`: for each selector showing a pattern (only `KCB0` with `KakuCB`) "～" + name + "～",
// its explanation and an empty line.
std::string PatternText(const PatternSelectors& selectors, bool one_pattern_only, ExplanationSource& explanations);
void WritePatternText(std::string& text, const PatternSelectors& selectors, bool one_pattern_only,
                      ExplanationSource& explanations);

// The user picks entry `entry` of selector `selector` (0..2): the selector shows it and the
// pattern text is rebuilt, except for `KCB1` and `KCB2` while `KakuCB` is on.
void ChoosePattern(ChartContent& content, int selector, int entry, const SysSettings& sys,
                   ExplanationSource& explanations);

// The spirit-star step and the pattern step of the explanation area, from a pattern step's result.
void RefreshExplanations(ChartContent& content, const PatternResult& patterns, const SysSettings& sys,
                         ExplanationSource& explanations);

// ---- Cell styles (chart_content_styles.cpp) ---------------------------------------------------

// The style of every cell from the texts as they stand; `RRG` picks the highlighted column of the
// five-element table.
void StyleContentTable(ContentGrid& snb, const SysSettings& sys, const ContentBranding& branding);
void StyleElementTable(ContentGrid& sg2, const SysSettings& sys, ForwardBackwardValue rrg);
void StyleStemNumberTable(ContentGrid& kan, const SysSettings& sys);
void StyleSpiritStarTable(ContentGrid& sin, const SysSettings& sys);

// ---- Panel behaviour (chart_content_panel.cpp) ------------------------------------------------

// The hover hint of a content-table cell: the full text of 調候 (column 5, row 2), else nothing.
std::optional<std::string> ContentTableHint(const ChartContent& content, std::size_t column, std::size_t row);

// A mouse press on one of the three copyable grids makes it the copy target; a right press also
// offers the copy in the context menu. A right press on the ten-god graph withdraws the offer.
void PressOnGrid(ChartContent& content, CopyableGrid grid, bool right_button);
void RightPressOnTenGodGraph(ChartContent& content);

// The copy target as box-drawn text: cells 5 full-width characters wide for `SNB`, 3 for the
// others; hidden columns are left out.
std::string GridTextOf(const ChartContent& content, CopyableGrid grid);

// The word a click on a cell looks up in the memos when `MOnSW` is on; nothing when it is off.
std::optional<std::string> MemoWordOfClick(const ChartContent& content, CopyableGrid grid, std::size_t column,
                                           std::size_t row, const SysSettings& sys);

// Flips one section between shown and hidden.
void ToggleSection(ChartContent& content, ContentSection section);

}  // namespace kirvo
