#include <gtest/gtest.h>

#include "data/explanation_fixture.h"
#include "data/memo_file.h"
#include "data/memo_fixture.h"
#include "platform/shift_jis.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

using test::RawBytes;

std::string ShiftJis(std::string_view utf8) { return EncodeShiftJis(utf8).value(); }

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  ASSERT_TRUE(WriteFileAtomically(path, bytes).ok());
}

TEST(MemoFile, LoadAndSaveAreByteIdenticalWithAnUnreadableLineKept) {
  TempFolder folder;
  // The third line ends in a lone Shift-JIS lead byte: it cannot be read, yet it is the user's.
  const std::string bytes = ShiftJis("Kirvolan メモデータ\r\n0 00甲の話/r二行目\r\n") + "0 10\x82\xa0\x82\r\n" +
                            ShiftJis("1 01比肩の話\r\n");
  WriteBytes(folder / "Memo.Dat", bytes);
  const Loaded<MemoList> loaded = LoadMemoFile(folder.path());
  ASSERT_EQ(loaded.value.size(), 4u);
  EXPECT_EQ(loaded.report.lines().size(), 1u);
  EXPECT_EQ(loaded.value.Key(2), (MemoKey{0, 1, 0}));
  ASSERT_TRUE(SaveMemoFile(folder.path(), loaded.value).ok());
  EXPECT_EQ(RawBytes(folder / "Memo.Dat"), bytes);
}

TEST(MemoFile, MissingFileStartsWithTheHeaderAlone) {
  TempFolder folder;
  Loaded<MemoList> loaded = LoadMemoFile(folder.path());
  EXPECT_EQ(loaded.report.Text(), "Memo.Dat がありません。");
  ASSERT_EQ(loaded.value.size(), 1u);
  loaded.value.Write({0, 0, 0}, "最初");
  ASSERT_TRUE(SaveMemoFile(folder.path(), loaded.value).ok());
  const Loaded<MemoList> again = LoadMemoFile(folder.path());
  EXPECT_TRUE(again.report.empty());
  ASSERT_EQ(again.value.size(), 2u);
  EXPECT_EQ(again.value.Text(1), "0 00最初");
}

TEST(MemoFile, SavingKeepsThePreviousFileAsBackup) {
  TempFolder folder;
  MemoList list = test::GoldenMemos("memo_normalised.txt");
  ASSERT_TRUE(SaveMemoFile(folder.path(), list).ok());
  const std::string first = RawBytes(folder / "Memo.Dat");
  list.Write({0, 2, 0}, "二回目");
  ASSERT_TRUE(SaveMemoFile(folder.path(), list).ok());
  const std::string second = RawBytes(folder / "Memo.Dat");
  list.Write({0, 2, 0}, "三回目");
  ASSERT_TRUE(SaveMemoFile(folder.path(), list).ok());
  EXPECT_EQ(RawBytes(folder / "Memo.Bak"), second);
  EXPECT_NE(first, second);
}

TEST(MemoFile, ASaveInterruptedAfterTheBackupLeavesTheOldFileReadable) {
  TempFolder folder;
  const MemoList old_list = test::GoldenMemos("memo_normalised.txt");
  ASSERT_TRUE(SaveMemoFile(folder.path(), old_list).ok());
  const std::string old_bytes = RawBytes(folder / "Memo.Dat");
  MemoList new_list = old_list;
  new_list.Write({0, 2, 0}, "新しい");
  {
    Outcome<MemoFileSave> save = MemoFileSave::Prepare(folder.path(), new_list);
    ASSERT_TRUE(save.ok()) << save.error();
    ASSERT_TRUE(save.value().CommitBackup().ok());
  }  // stopped here
  EXPECT_EQ(RawBytes(folder / "Memo.Dat"), old_bytes);
  EXPECT_EQ(RawBytes(folder / "Memo.Bak"), old_bytes);
  const Loaded<MemoList> loaded = LoadMemoFile(folder.path());
  EXPECT_TRUE(loaded.report.empty());
  EXPECT_EQ(loaded.value, old_list);
  // Nothing of the interrupted save is left beside the files.
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 2u);
}

TEST(MemoFile, NamesInAnyCaseAreTheOneFile) {
  TempFolder folder;
  WriteBytes(folder / "Memo.dat", ShiftJis("head\r\n0 00甲\r\n"));
  MemoList list = LoadMemoFile(folder.path()).value;
  ASSERT_EQ(list.size(), 2u);
  list.Write({0, 0, 1}, "乙");
  ASSERT_TRUE(SaveMemoFile(folder.path(), list).ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "Memo.Dat"));
  EXPECT_EQ(RawBytes(folder / "Memo.dat"), ShiftJis("head\r\n0 00甲\r\n0 01乙\r\n"));

  WriteBytes(folder / "memo.tmp", "old");
  ASSERT_TRUE(WriteMemoCheckpoint(folder.path(), list).ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "Memo.Tmp"));
  EXPECT_EQ(ReadMemoCheckpoint(folder.path()).value(), list);
}

TEST(MemoFile, AnUnreadableFileIsNotSavedOver) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "Memo.Dat");
  const Loaded<MemoList> loaded = LoadMemoFile(folder.path());
  EXPECT_FALSE(loaded.report.empty());
  EXPECT_FALSE(SaveMemoFile(folder.path(), loaded.value).ok());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Memo.Dat"));
}

}  // namespace
}  // namespace kirvo
