#include "presentation/persons/person_list_view.h"

#include <algorithm>

#include "calendar/moment_pillars.h"
#include "platform/shift_jis.h"
#include "settings/calendar_settings.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr int kNameColumnWidth = 106;
constexpr std::size_t kFirstListedItem = 11;  // `NCG` item 0 is column 11

bool IsUncoloured(std::size_t column) {
  return column == 0 || column == 9 || column == 16 || column == 17 || column == 19 || column >= 21;
}

CellAlignment AlignmentOf(std::size_t column) {
  if (column == 0 || column == 16 || (column >= 31 && column <= 35)) return CellAlignment::kLeft;
  if (column == 4 || column == 5 || column == 10 || column == 13) return CellAlignment::kRight;
  return CellAlignment::kCentre;
}

// The first character of a UTF-8 text.
std::string_view FirstCharacter(std::string_view text) {
  if (text.empty()) return text;
  std::size_t length = 1;
  while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) ++length;
  return text.substr(0, length);
}

}  // namespace

std::vector<int> PersonColumnWidths(int font_points, std::uint32_t shown_items) {
  std::vector<int> widths(kPersonCellCount);
  for (std::size_t column = 0; column < kPersonCellCount; ++column) {
    widths[column] = ShiftJisWidth(kPersonListHeaders[column]) * font_points;
  }
  widths[0] = kNameColumnWidth;
  for (std::size_t item = 0; item < kPersonListItemCount; ++item) {
    if (!IsChecked(shown_items, item)) widths[kFirstListedItem + item] = 0;
  }
  return widths;
}

PersonCellLook PersonCellLookOf(std::size_t column, std::string_view text, const SysSettings& sys) {
  PersonCellLook look;
  look.alignment = AlignmentOf(column);
  if (IsUncoloured(column)) return look;
  const Element group = ElementGroupOf(FirstCharacter(text), sys.names.ten_god_row);
  if (group < 0 || group > 4) return look;
  look.coloured = true;
  look.background = ElementColour(sys.CP, group);
  look.text = ContrastTextColour(look.background);
  return look;
}

PillarBox PillarBoxOf(DateTime moment, const ChartRules& rules) {
  const MomentPillars pillars = MomentPillars::At(moment, CalendarRulesOf(rules.usys, rules.sys));
  PillarBox box;
  constexpr int kSlots[] = {MomentPillars::kHour, MomentPillars::kDay, MomentPillars::kMonth, MomentPillars::kYear};
  for (std::size_t i = 0; i < 4; ++i) {
    box.stems[i] = kStemNames[static_cast<std::size_t>(pillars.stems[static_cast<std::size_t>(kSlots[i])])];
    box.branches[i] = kBranchNames[static_cast<std::size_t>(pillars.branches[static_cast<std::size_t>(kSlots[i])])];
  }
  return box;
}

RowEntry RowEntryOf(const PersonRow& row) {
  return {row[person_column::kName], SexOfPersonCell(row[person_column::kSex]), row[person_column::kDate],
          row[person_column::kTime]};
}

std::string SortQuestion(std::string_view header) { return "項目<" + std::string(header) + " >でソートしますか？"; }
std::string HideColumnQuestion(std::string_view header) {
  return "項目<" + std::string(header) + " >を非表示にしますか？";
}

}  // namespace kirvo
