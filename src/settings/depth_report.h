#pragma once

#include <string>

#include "calendar/date_time.h"
#include "calendar/moment_pillars.h"
#include "settings/text_table.h"

namespace kirvo {

// The text of "深浅の日時をコピー": the distribution table `zsg` as a bar-separated grid, then
// for each depth kind (月 within the solar year, 日 within the solar month, 時 within the day, 刻
// within the double hour) and each branch, when its period last began and where its 余気, 中気 and
// 本気 segments begin, as of `now`. A guide for the user: segments are laid over the nominal period
// length. Lines end in "\n"; widths count Shift-JIS bytes.
std::string DepthReportText(const TextTable& zsg, DateTime now, const CalendarRules& rules);

}  // namespace kirvo
