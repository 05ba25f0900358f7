#include "settings/hidden_stem_table.h"

#include <gtest/gtest.h>

#include "platform/shift_jis.h"
#include "platform/table_row.h"
#include "platform/text_file.h"
#include "settings/distribution_file.h"
#include "support/temp_folder.h"
#include "usys_fixture.h"

namespace kirvo {
namespace {

TextTable DefaultZsg() {
  TextTable zsg(kZsgColumns, kZsgRows);
  for (std::size_t row = 0; row < kZsgRows; ++row)
    zsg.SetRow(row, SplitRowCells(test::kDefaultZsgRows[row], kZsgColumns));
  return zsg;
}

TEST(HiddenStemTable, BranchWithoutMiddleStemTakesItsPrincipalOne) {
  TextTable zsg = DefaultZsg();
  const HiddenStemTable table = BuildHiddenStemTable(zsg);
  // 子: 余気 壬 10 days, 中気 "・", 本気 癸 20 days.
  EXPECT_EQ(table.At(0, 0), 8);
  EXPECT_EQ(table.At(1, 0), 9);
  EXPECT_EQ(table.At(2, 0), 9);
  // The stored table keeps its "・": saving it writes back what was read.
  EXPECT_EQ(zsg, DefaultZsg());
  const std::array<double, 4> shares = SegmentShares(zsg, 0);
  EXPECT_DOUBLE_EQ(shares[0], 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(shares[1], 0.0);
  EXPECT_DOUBLE_EQ(shares[2], 0.0);
  EXPECT_DOUBLE_EQ(shares[3], 2.0 / 3.0);

  // 申 keeps its own 中気 戊; its second 中気 壬 is not an entry of the table.
  EXPECT_EQ(table.At(0, 8), 5);
  EXPECT_EQ(table.At(1, 8), 4);
  EXPECT_EQ(table.At(2, 8), 6);
  EXPECT_EQ(SegmentDays(zsg, 8), (std::array<double, 4>{7, 3, 3, 17}));
}

TEST(HiddenStemTable, CellsWithoutAStemNameGiveNoStem) {
  TextTable zsg = DefaultZsg();
  zsg.SetCell(1, 2, "・");
  zsg.SetCell(7, 3, "木");
  zsg.SetCell(3, 3, "");
  const HiddenStemTable table = BuildHiddenStemTable(zsg);
  EXPECT_EQ(table.At(0, 1), kNoStem);
  EXPECT_EQ(table.At(2, 2), kNoStem);
  EXPECT_EQ(table.At(1, 2), kNoStem);  // took the 本気 text, which is no stem either
  EXPECT_EQ(zsg.Cell(3, 3), "");      // in the engine's copy only
}

TEST(HiddenStemTable, SegmentsOfARowWithoutDaysHaveNoShare) {
  TextTable zsg = DefaultZsg();
  for (const int column : {2, 4, 6, 8}) zsg.SetCell(column, 1, column == 2 ? "x" : "・");
  EXPECT_EQ(SegmentShares(zsg, 0), (std::array<double, 4>{}));
}

// Reading a distribution file: line n into row n, cells up to each comma.
TEST(DistributionFile, LinesFillTheirRows) {
  struct Case {
    const char* name;
    std::string text;                   // UTF-8 lines
    std::size_t row;                    // a row to look at
    std::vector<std::string> expected;  // its cells
  };
  std::string full;
  for (const char* row : test::kDefaultZsgRows) full += std::string(row) + "\n";
  const std::vector<std::string> untouched(9, "old");
  const Case cases[] = {
      {"full file", full, 1, {"子", "壬", "10", "・", "・", "・", "・", "癸", "20"}},
      {"last cell without comma",
       ",余\n子,壬,10,・,・,・,・,癸,20",
       1,
       {"子", "壬", "10", "・", "・", "・", "・", "癸", ""}},
      {"fewer lines keep the other rows", ",余\n子,壬,\n", 2, untouched},
      {"line without comma empties its row", "x\nno commas here\n", 1, std::vector<std::string>(9)},
      {"blank line empties its row", "x\n\ny\n", 1, std::vector<std::string>(9)},
      {"lines after the 13th are ignored",
       full + "extra,1,2,3,4,5,6,7,8,\n",
       12,
       {"亥", "戊", "7", "甲", "5", "・", "・", "壬", "18"}},
      {"CR LF inside the text", ",a,\r\nb,c,\r\n", 1, {"b", "c", "", "", "", "", "", "", ""}},
      {"empty file", "", 0, untouched},
  };
  for (const Case& c : cases) {
    TextTable zsg(kZsgColumns, kZsgRows);
    for (std::size_t row = 0; row < kZsgRows; ++row) zsg.SetRow(row, untouched);
    ApplyDistributionFileText(c.text, zsg);
    EXPECT_EQ(zsg.Row(c.row), c.expected) << c.name;
  }
}

TEST(DistributionFile, SavedFileIsShiftJisWithACommaAfterEveryCell) {
  TempFolder folder;
  const TextTable zsg = DefaultZsg();
  ASSERT_TRUE(SaveDistributionFile(folder / "Default.zou", zsg).ok());
  const std::string bytes = *ReadFileBytes(folder / "Default.zou");
  EXPECT_EQ(bytes.substr(0, 23), *EncodeShiftJis(",余,気,,中,気,,本,気,\r\n"));
  EXPECT_TRUE(bytes.ends_with(*EncodeShiftJis("亥,戊,7,甲,5,・,・,壬,18,\r\n")));

  TextTable loaded(kZsgColumns, kZsgRows);
  ASSERT_TRUE(LoadDistributionFile(folder / "Default.zou", loaded).ok());
  EXPECT_EQ(loaded, zsg);
}

TEST(DistributionFile, UnreadableFilesLeaveTheTableUnchanged) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder / "Bad.zou", "\x81\x20,\r\n").ok());
  const TextTable before = DefaultZsg();
  for (const char* name : {"Missing.zou", "Bad.zou"}) {
    TextTable zsg = before;
    const Status loaded = LoadDistributionFile(folder / name, zsg);
    EXPECT_FALSE(loaded.ok()) << name;
    EXPECT_NE(loaded.error().find(name), std::string::npos) << loaded.error();
    EXPECT_EQ(zsg, before) << name;
  }
  EXPECT_FALSE(SaveDistributionFile(folder / "no such folder" / "x.zou", before).ok());
}

}  // namespace
}  // namespace kirvo
