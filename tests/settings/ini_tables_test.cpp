#include "settings/ini_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirvo {
namespace {

TEST(IniTables, TableRowsAreKeysNamedAfterTheTable) {
  TextTable table(3, 3);
  table.SetRow(0, {"", "余", "気"});
  table.SetRow(2, {"丑", "癸", "9"});
  IniFile ini;
  WriteTable(ini, "USysF", "ZSG", table);
  EXPECT_EQ(ini.ToText(), "[USysF]\nZSG-Row0=,余,気,\nZSG-Row1=,,,\nZSG-Row2=丑,癸,9,\n");

  TextTable reread(3, 3);
  ReadTable(ini, "USysF", "zsg", reread);
  EXPECT_EQ(reread, table);
}

TEST(IniTables, MissingOrShortRowsEmptyTheirCells) {
  const IniFile ini = IniFile::FromText("[USysF]\nSSG-Row0=a,b,c,d,\nSSG-Row2=1,2,3\n");
  TextTable table(4, 4);
  for (std::size_t row = 0; row < 4; ++row) table.SetRow(row, {"x", "x", "x", "x"});
  ReadTable(ini, "USysF", "SSG", table);
  EXPECT_EQ(table.Row(0), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(table.Row(1), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_EQ(table.Row(2), (std::vector<std::string>{"1", "2", "", ""}));
  EXPECT_EQ(table.Row(3), (std::vector<std::string>{"", "", "", ""}));
}

}  // namespace
}  // namespace kirvo
