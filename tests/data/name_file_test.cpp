#include "data/name_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/shift_jis.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

std::string Commas(std::size_t count) { return std::string(count, ','); }

// A UTF-8 text with "\n" line ends as the Shift-JIS CR LF bytes of a file.
std::string FileBytes(const std::string& utf8) {
  std::string crlf;
  for (const char c : utf8) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return EncodeShiftJis(crlf).value();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class NameFileTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& bytes) {
    WriteBytes(path_, bytes);
    return path_;
  }
  TempFolder folder_;
  std::filesystem::path path_ = folder_ / "Test.nam";
};

TEST_F(NameFileTest, SavedFilesRoundTripByteForByte) {
  const std::string original = FileBytes("山田，太郎,男,1960/01/02,09:05," + Commas(43) + "\n" +  //
                                         "ｶﾀｶﾅ・名前,女,2001/12/31,99:99," + Commas(43) + "\n" +  //
                                         Commas(47) + "\n" +                                      //
                                         ",,1999/09/09,23:59," + Commas(43) + "\n");
  const Outcome<std::vector<PersonRow>> rows = ReadNameFile(Write(original));
  ASSERT_TRUE(rows) << rows.error();
  ASSERT_EQ(rows->size(), 4u);
  EXPECT_EQ((*rows)[0][0], "山田，太郎");
  EXPECT_EQ((*rows)[2][3], "99:99");  // a blank row reads its missing time as unknown

  const std::filesystem::path copy = folder_ / "Copy.nam";
  ASSERT_TRUE(WriteNameFile(copy, *rows));
  std::vector<PersonRow> expected = *rows;
  expected[2][3].clear();
  EXPECT_EQ(ReadFileBytes(copy).value(),
            FileBytes("山田，太郎,男,1960/01/02,09:05," + Commas(43) + "\n" + "ｶﾀｶﾅ・名前,女,2001/12/31,99:99," +
                      Commas(43) + "\n" + ",,,99:99," + Commas(43) + "\n" + ",,1999/09/09,23:59," + Commas(43) + "\n"));

  // What was saved reads back to the same rows and saves to the same bytes.
  const std::filesystem::path again = folder_ / "Again.nam";
  ASSERT_TRUE(WriteNameFile(again, ReadNameFile(copy).value()));
  EXPECT_EQ(ReadFileBytes(again).value(), ReadFileBytes(copy).value());
}

TEST_F(NameFileTest, ShortLinesAndLooseDatesAreNormalisedAndSummaryCellsDropped) {
  const Outcome<std::vector<PersonRow>> rows =
      ReadNameFile(Write(FileBytes("山田,男,1960/1/2,9:05,\n山田\n鈴木,女,1970/02/03,10:00,35/ 4,2年 3ｶ月,順,甲,\n")));
  ASSERT_TRUE(rows) << rows.error();
  ASSERT_EQ(rows->size(), 3u);
  EXPECT_EQ(((*rows)[0]), (PersonRow{"山田", "男", "1960/01/02", "09:05"}));
  EXPECT_EQ(((*rows)[1]), (PersonRow{"山田", "", "", "99:99"}));
  EXPECT_EQ(((*rows)[2]), (PersonRow{"鈴木", "女", "1970/02/03", "10:00"}));
  EXPECT_EQ(NameFileText({(*rows)[0]}), "山田,男,1960/01/02,09:05," + Commas(43) + "\n");
}

TEST(NameFileCells, DatesAndTimesAsTheListKeepsThem) {
  struct Case {
    const char* text;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {"1960/1/2", "1960/01/02", "99:99"},
      {"2024/02/29", "2024/02/29", "99:99"},
      {"2023/02/29", "", "99:99"},
      {"1/1/1", "0001/01/01", "99:99"},
      {"12345/1/1", "", "99:99"},
      {"1960/01/02/", "", "99:99"},
      {"9:05", "", "09:05"},
      {"23:59:59", "", "23:59"},
      {"24:00", "", "99:99"},
      {"99:99", "", "99:99"},
      {" 9:05", "", "99:99"},
      {"", "", "99:99"},
      {"12:60", "", "99:99"},
      {"1960-01-02", "", "99:99"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalisedDateCell(c.text), c.date) << c.text;
    EXPECT_EQ(NormalisedTimeCell(c.text), c.time) << c.text;
  }
}

// A stored sex cell other than "男" reads as a woman, as it always has; the list writes only the two names.
TEST(NameFileCells, ASexCellReadsAsAManOnlyWhenItIsTheMansName) {
  EXPECT_EQ(SexOfPersonCell("男"), Sex::kMale);
  EXPECT_EQ(SexOfPersonCell("女"), Sex::kFemale);
  EXPECT_EQ(SexOfPersonCell(""), Sex::kFemale);
  EXPECT_EQ(SexOfPersonCell("x"), Sex::kFemale);
  for (const Sex sex : {Sex::kMale, Sex::kFemale}) EXPECT_EQ(SexOfPersonCell(SexName(sex)), sex);
}

TEST_F(NameFileTest, FilesThatAreNoNameFilesAreRefusedNamingTheLine) {
  const std::string good = FileBytes("山田,男,1960/01/02,09:05,\n");
  struct Case {
    std::string bytes;
    const char* why;
  };
  const Case cases[] = {
      {good + FileBytes(Commas(48) + "\n"), "項目が 48 個"},
      {good + FileBytes(Commas(47) + "x\n"), "項目が 48 個"},
      {good + std::string("\x89\x50\x4E\x47\x00\x01\r\n", 8), "制御文字"},
      {good + "\x81\x20,\r\n", "2 行目"},
      {good + "abc\xFF,\r\n", "2 行目"},
  };
  for (const Case& c : cases) {
    const Outcome<std::vector<PersonRow>> rows = ReadNameFile(Write(c.bytes));
    ASSERT_FALSE(rows) << c.why;
    EXPECT_NE(rows.error().find(path_.string()), std::string::npos) << rows.error();
    EXPECT_NE(rows.error().find("2 行目"), std::string::npos) << rows.error();
    EXPECT_NE(rows.error().find(c.why), std::string::npos) << rows.error();
  }
}

TEST_F(NameFileTest, AnEmptyFileHasNoRowsAndBareNamesLieInTheProgramFolder) {
  EXPECT_TRUE(ReadNameFile(Write("")).value().empty());
  EXPECT_EQ(ResolveNameFile("Default.nam", "/prog"), std::filesystem::path("/prog/Default.nam"));
  EXPECT_EQ(ResolveNameFile("/home/u/a.nam", "/prog"), std::filesystem::path("/home/u/a.nam"));
}

TEST_F(NameFileTest, MemoryGrowsWithTheTextAndTooManyPersonsAreRefusedWithAMessage) {
  // A row held 47 texts (1.5 KB) even for an empty line: 60 MB of line feeds aborted the program.
  EXPECT_LE(sizeof(PersonRow), kPersonInputCells * sizeof(std::string) + sizeof(void*));
  const Outcome<std::vector<PersonRow>> empty_lines = ReadNameFile(Write(std::string(1000, '\n')));
  ASSERT_TRUE(empty_lines) << empty_lines.error();
  EXPECT_EQ(empty_lines->size(), 1000u);
  EXPECT_EQ(empty_lines->back(), (PersonRow{"", "", "", "99:99"}));

  const Outcome<std::vector<PersonRow>> too_many = ReadNameFile(Write(std::string(kMostNameFilePersons + 1, '\n')));
  ASSERT_FALSE(too_many);
  EXPECT_NE(too_many.error().find("人数が多すぎて読み込めません"), std::string::npos) << too_many.error();
  EXPECT_NE(too_many.error().find(path_.string()), std::string::npos) << too_many.error();
}

TEST(PersonRowCells, SummaryCellsAreEmptyUntilWrittenAndCopiedWithTheRow) {
  PersonRow row{"山田", "男", "1960/01/02", "09:05"};
  const PersonRow& read = row;
  EXPECT_EQ(read[46], "");
  EXPECT_EQ(row, (PersonRow{"山田", "男", "1960/01/02", "09:05"}));
  row[30] = "甲子";
  PersonRow copy = row;
  row[30] = "乙丑";
  EXPECT_EQ(copy[30], "甲子");
  EXPECT_NE(copy, row);
  EXPECT_EQ(std::vector<std::string>(copy.begin(), copy.end()).size(), kPersonCellCount);
  copy.ClearComputed();
  EXPECT_EQ(copy, (PersonRow{"山田", "男", "1960/01/02", "09:05"}));
  EXPECT_EQ(NameFileText({copy}), "山田,男,1960/01/02,09:05," + Commas(43) + "\n");
}

TEST_F(NameFileTest, ACellWithoutShiftJisCodeFailsAndLeavesTheOldFile) {
  const std::string old = FileBytes("山田," + Commas(46) + "\n");
  Write(old);
  PersonRow row{"😀", "男"};
  EXPECT_FALSE(WriteNameFile(path_, {row}));
  EXPECT_EQ(ReadFileBytes(path_).value(), old);
}

}  // namespace
}  // namespace kirvo
