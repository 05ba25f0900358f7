#include "settings/sys_naming_tables.h"

#include "platform/shift_jis.h"

namespace kirvo {

TextTable DefaultNamingTable(const std::vector<std::string_view>& defaults) {
  TextTable table(defaults.size() + 1, kNamingRowCount);
  SetUpNamingTable(table, defaults);
  ResetNamesInUse(table, defaults);
  return table;
}

TextTable DefaultHenSG() { return DefaultNamingTable(NameList(DefaultTenGodNames())); }
TextTable DefaultHGSG() { return DefaultNamingTable(NameList(kDefaultHGSGNames)); }
TextTable DefaultKyuSG() { return DefaultNamingTable(NameList(kDefaultKyuSGNames)); }

bool IsUsableName(std::string_view name) {
  return !name.empty() && name.find(',') == std::string_view::npos && ShiftJisWidth(name) <= kNameMaxWidthBytes &&
         EncodeShiftJis(name).ok();
}

std::vector<std::size_t> SetUpNamingTable(TextTable& table, const std::vector<std::string_view>& defaults) {
  std::vector<std::size_t> repaired;
  const std::size_t columns = defaults.size() + 1;
  if (table.columns() != columns || table.rows() != kNamingRowCount) {
    TextTable sized(columns, kNamingRowCount);
    for (std::size_t row = 0; row < kNamingRowCount; ++row) sized.SetRow(row, table.Row(row));
    table = sized;
  }
  table.SetCell(0, kNamingDefaultRow, kNamingDefaultRowLabel);
  table.SetCell(0, kNamingInUseRow, kNamingInUseRowLabel);
  for (std::size_t i = 0; i < defaults.size(); ++i) {
    table.SetCell(i + 1, kNamingDefaultRow, defaults[i]);
    if (!IsUsableName(table.Cell(i + 1, kNamingInUseRow))) {
      repaired.push_back(i + 1);
      table.SetCell(i + 1, kNamingInUseRow, defaults[i]);
    }
  }
  return repaired;
}

void ResetNamesInUse(TextTable& table, const std::vector<std::string_view>& defaults) {
  for (std::size_t i = 0; i < defaults.size(); ++i) table.SetCell(i + 1, kNamingInUseRow, defaults[i]);
}

}  // namespace kirvo
