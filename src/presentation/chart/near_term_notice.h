#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_board.h"
#include "engine/chart_record.h"
#include "platform/rgb_colour.h"
#include "presentation/chart/chart_board_geometry.h"

namespace kirvo {

// What the windows and the text copy show of a birth near a month-opening term: the mark beside
// the pillars the term decides, a hint giving both methods' terms and pillars, and one line for the
// chart's text copy.
inline constexpr std::string_view kNearTermMark = "※";

struct NearTermNotice {
  std::string hint;       // several lines
  std::string copy_line;  // one line, ending the chart's text copy
  bool marks_year = false;  // 立春: the year pillar is marked as well as the month pillar
  bool operator==(const NearTermNotice&) const = default;
};

// The notice for a computed chart record; nothing when the birth lies farther than `SetsuE` minutes
// from every 節 by either method, or its hour is not known. Costs no term search for most births.
std::optional<NearTermNotice> NearTermNoticeOf(const TMeiData& record, bool hour_known, const ChartRules& rules);

// Whether a board cell carries the mark (drawn after its title in `kNearTermMarkColour`, with the
// notice's hint): the title cell of the natal month pillar, and at 立春 that of the natal
// year pillar.
inline constexpr Rgb kNearTermMarkColour = 0xC00000;
bool CarriesNearTermMark(const NearTermNotice& notice, BoardPosition cell);

}  // namespace kirvo
