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

}  // namespace
}  // namespace kirvo
