#include "platform/ini_controls.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kirvo {
namespace {

TEST(IniControls, ControlValuesAreStoredAsDecimalIntegers) {
  IniFile ini;
  WriteCheckBox(ini, "SrcF", "YCB", true);
  WriteCheckBox(ini, "SrcF", "MCB", false);
  WriteEditText(ini, "SrcF", "NameE", "山田 太郎");
  WriteItemIndex(ini, "SrcF", "KRG", 3);
  WriteBitSet(ini, "SrcF", "KCG", 0b1010);
  WriteNumber(ini, "SrcF", "TB", -4);
  WriteColour(ini, "SrcF", "CP1", 0xFF68B4);
  EXPECT_EQ(ini.ToText(), "[SrcF]\nYCB=1\nMCB=0\nNameE=山田 太郎\nKRG=3\nKCG=10\nTB=-4\nCP1=11823359\n");

  EXPECT_TRUE(ReadCheckBox(ini, "SrcF", "YCB", false));
  EXPECT_FALSE(ReadCheckBox(ini, "SrcF", "MCB", true));
  EXPECT_EQ(ReadEditText(ini, "SrcF", "NameE", ""), "山田 太郎");
  EXPECT_EQ(ReadItemIndex(ini, "SrcF", "KRG", 0), 3);
  EXPECT_EQ(ReadBitSet(ini, "SrcF", "KCG", 0), 0b1010u);
  EXPECT_EQ(ReadNumber(ini, "SrcF", "TB", 0), -4);
  EXPECT_EQ(ReadColour(ini, "SrcF", "CP1", 0), 0xFF68B4u);
}

TEST(IniControls, UnreadableValuesGiveTheFallback) {
  const IniFile ini = IniFile::FromText(
      "[SysF]\nACB=2\nBCB=-1\nCCB=yes\nCP0=16777216\nCP1=-2147483633\nCP2=abc\nNCG=2147483647\nMCG=-1\n");
  EXPECT_TRUE(ReadCheckBox(ini, "SysF", "ACB", false));  // any non-zero integer is checked
  EXPECT_TRUE(ReadCheckBox(ini, "SysF", "BCB", false));
  EXPECT_FALSE(ReadCheckBox(ini, "SysF", "CCB", false));
  EXPECT_TRUE(ReadCheckBox(ini, "SysF", "Missing", true));
  EXPECT_EQ(ReadColour(ini, "SysF", "CP0", 0x123456), 0x123456u);  // above 24 bits
  EXPECT_EQ(ReadColour(ini, "SysF", "CP1", 0x123456), 0x123456u);  // negative
  EXPECT_EQ(ReadColour(ini, "SysF", "CP2", 0x123456), 0x123456u);
  EXPECT_EQ(ReadBitSet(ini, "SysF", "NCG", 0), 0x7FFFFFFFu);
  EXPECT_EQ(ReadBitSet(ini, "SysF", "MCG", 0), 0xFFFFFFFFu);
}

TEST(IniControls, TableRowsAreKeysNamedAfterTheTable) {
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

TEST(IniControls, MissingOrShortRowsEmptyTheirCells) {
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
