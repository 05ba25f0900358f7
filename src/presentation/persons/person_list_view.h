#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_time.h"
#include "engine/chart_record.h"
#include "platform/rgb_colour.h"
#include "presentation/panel/chart_content_model.h"
#include "presentation/persons/person_list.h"

namespace kirvo {

struct SysSettings;

// How the person list window lays out and colours its table, and the small parts of its header.

// Column widths in pixels each time the window is activated: the header's Shift-JIS bytes × the
// grid font's points, column 0 106, a column without a header 0 (hidden); then columns 11..36
// whose item of `NCG` is unchecked 0.
std::vector<int> PersonColumnWidths(int font_points, std::uint32_t shown_items);

// One data cell: columns other than 0, 9, 16, 17, 19 and 21..46 take the element colour of their
// first character's element group (text in the contrasting colour); 0, 16 and 31..35 are
// left-aligned, 4, 5, 10 and 13 right-aligned, the rest centred.
struct PersonCellLook {
  bool coloured = false;
  Rgb background = kWhite;
  Rgb text = kBlack;
  CellAlignment alignment = CellAlignment::kCentre;
};
PersonCellLook PersonCellLookOf(std::size_t column, std::string_view text, const SysSettings& sys);

// The pillar box of the chart moment: stem and branch of the hour, day, month and year.
struct PillarBox {
  std::array<std::string, 4> stems;     // 時 日 月 年
  std::array<std::string, 4> branches;  // 時 日 月 年
};
PillarBox PillarBoxOf(DateTime moment, const ChartRules& rules);

// The hand-over of a row to the entry bar: name, sex, date and time.
struct RowEntry {
  std::string name;
  Sex sex = Sex::kMale;
  std::string date;
  std::string time;
};
RowEntry RowEntryOf(const PersonRow& row);

// The filter of the CSV export's dialog: label and pattern pairs.
inline constexpr std::string_view kCsvFileFilter = "CSVファイル(*.csv)|*.csv|すべてのﾌｧｲﾙ (*.*)|*.*";

// The header-click question and the menu's column-hide question.
std::string SortQuestion(std::string_view header);
std::string HideColumnQuestion(std::string_view header);

}  // namespace kirvo
