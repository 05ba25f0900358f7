#include "settings/ini_tables.h"

#include "platform/table_row.h"

namespace kirvo {

void ReadTable(const IniFile& ini, std::string_view section, std::string_view table_key, TextTable& table) {
  for (std::size_t row = 0; row < table.rows(); ++row) {
    const std::string stored = ini.ReadString(section, TableRowKey(table_key, row), "");
    table.SetRow(row, SplitRowCells(stored, table.columns()));
  }
}

void WriteTable(IniFile& ini, std::string_view section, std::string_view table_key, const TextTable& table) {
  for (std::size_t row = 0; row < table.rows(); ++row) {
    ini.WriteString(section, TableRowKey(table_key, row), JoinRowCells(table.Row(row)));
  }
}

}  // namespace kirvo
