#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "presentation/chart/chart_text_copy.h"
#include "presentation/panel/chart_content_model.h"
#include "settings/sys_settings.h"

namespace kirvo {

// The combined window's board: the rows `MKChg` shows, stem-branch rows `Kh1` high, hidden-stem
// rows `Zh1` high, pillars `Tw1` wide (their defaults where a text is no number).
ChartRowLayout CombinedRowLayoutOf(const SysSettings& sys, bool show_original);

// The content area's width in layout units.
inline constexpr int kCombinedContentWidth = 184;
// The row height of its content and five-element tables, in layout units.
inline constexpr int kCombinedContentRowHeight = 17;

// The window's own content table: `SNB` without its number columns 0 and 1 and rows 7..8, and
// without rows 5..6 (the four special spirit marks) unless `SsnCB` is on.
ContentGrid CombinedContentTable(const ContentGrid& snb, const SysSettings& sys);
// The window's own five-element table: `SG2` with columns 0, 3, 4 and 11 hidden and column 1 18
// units wide.
ContentGrid CombinedElementTable(const ContentGrid& sg2);

// "命式をTextでｺﾋﾟｰ" of the combined window: the chart window's lines under the window's own layout,
// the start of luck of line 3 given as the summary's `RituNL` text, and no range line (the window
// always shows the natal pillars alone).
std::vector<std::string> CombinedTextCopy(const Chart& chart, const ChartRowLayout& layout, std::string_view ritu_text);

}  // namespace kirvo
