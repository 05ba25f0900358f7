#include "presentation/persons/person_list.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "presentation/persons/person_list_file.h"
#include "support/person_input.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

PersonRow Row(const char* name, const char* sex, const char* date, const char* time) {
  return PersonRow{name, sex, date, time};
}

std::vector<std::string> Column(const PersonList& list, std::size_t column) {
  std::vector<std::string> cells;
  for (const PersonRow& row : list.rows()) cells.push_back(row[column]);
  return cells;
}

TEST(PersonListRegister, ExactMatchesChangeNothingAndSameNamesAskBeforeReplacing) {
  PersonList list({Row("山田", "男", "1960/01/02", "09:05"), Row("鈴木", "女", "1970/02/03", "99:99")});
  RecordingInteraction interaction;

  EXPECT_TRUE(list.Register(testing::Person("鈴木", "1970/02/03 99:99", Sex::kFemale), interaction));
  EXPECT_TRUE(interaction.questions.empty());
  EXPECT_FALSE(list.modified());

  interaction.QueueAnswer(false);
  EXPECT_FALSE(list.Register(testing::Person("山田", "1961/01/02 09:05", Sex::kMale), interaction));
  EXPECT_EQ(interaction.questions, std::vector<std::string>{std::string(kReplacePersonQuestion)});
  EXPECT_EQ(list.row(0)[2], "1960/01/02");
  EXPECT_FALSE(list.modified());

  interaction.QueueAnswer(true);
  EXPECT_TRUE(list.Register(testing::Person("山田", "1961/01/02 09:05", Sex::kMale), interaction));
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(list.row(0)[2], "1961/01/02");
  EXPECT_TRUE(list.modified());

  EXPECT_TRUE(list.Register(testing::Person("佐藤", "1980/05/06 12:00", Sex::kMale), interaction));
  EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"山田", "鈴木", "佐藤"}));
}

TEST(PersonListRegister, TheBlankRowOfAnEmptyListIsUsedAndSeparatorsInNamesRefused) {
  PersonList list;
  RecordingInteraction interaction;
  EXPECT_EQ(list.CountText(), "総数：1件");
  EXPECT_TRUE(list.Register(testing::Person("山田", "1960/01/02 09:05", Sex::kMale), interaction));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(list.row(0)[0], "山田");

  for (const char* name : {"山,田", "山&田"}) {
    EXPECT_FALSE(list.Register(testing::Person(name, "1960/01/02 09:05", Sex::kMale), interaction)) << name;
  }
  EXPECT_EQ(interaction.messages.size(), 2u);
  EXPECT_EQ(list.size(), 1u);
  // Full-width ones are ordinary characters.
  EXPECT_TRUE(list.Register(testing::Person("山，田＆", "1960/01/02 09:05", Sex::kMale), interaction));
  EXPECT_EQ(list.size(), 2u);
}

TEST(PersonListEdit, DeletingAndMovingRowsMarkTheListModified) {
  PersonList list({Row("a", "", "", ""), Row("b", "", "", ""), Row("c", "", "", "")});
  list.MoveRow(0, 2);
  EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_TRUE(list.modified());
  list.SetModified(false);
  list.DeleteRow(1);
  EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"b", "a"}));
  EXPECT_TRUE(list.modified());
  list.DeleteRow(0);
  list.DeleteRow(0);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.CountText(), "総数：1件");
}

TEST(PersonListSort, KeysSortAsDatesAgesNumbersOrText) {
  struct Case {
    std::vector<std::string> cells;
    bool descending;
    std::vector<std::string> sorted;
  };
  const Case cases[] = {
      // Dates by year, month and day.
      {{"1985/10/01", "1960/01/02", "2001/02/03", "1985/09/30"},
       false,
       {"1960/01/02", "1985/09/30", "1985/10/01", "2001/02/03"}},
      // Ages: 9 years 3 months before 35 years 4 months.
      {{"35/ 4", "9/ 3", "100/11", "9/10"}, false, {"9/ 3", "9/10", "35/ 4", "100/11"}},
      // Numbers with their two decimals, descending.
      {{"12.50", "3.25", "100.00", "7.00"}, true, {"100.00", "12.50", "7.00", "3.25"}},
      // Text, letters without regard to case; a slash in a middle key is text.
      {{"b", "A", "a/1", "C"}, false, {"A", "a/1", "b", "C"}},
  };
  for (const Case& c : cases) {
    std::vector<PersonRow> rows;
    for (const std::string& cell : c.cells) rows.push_back(Row(cell.c_str(), "", "", ""));
    PersonList list(rows);
    list.Sort(0, c.descending);
    EXPECT_EQ(Column(list, 0), c.sorted) << c.cells.front();
    EXPECT_FALSE(list.modified());
  }
  EXPECT_EQ(NumericSortKey("9/ 3"), "009003");
  EXPECT_EQ(NumericSortKey("1960/01/02"), "1960001002");
}

TEST(PersonListSearch, FindsToTheLastRowAndNextContinuesAfterTheFind) {
  PersonList list(
      {Row("Yamada", "", "", ""), Row("suzuki", "", "", ""), Row("Suzuki", "", "", ""), Row("佐藤花子", "", "", "")});
  PersonSearch search;
  EXPECT_EQ(search.First(list, 0, "花子", SearchMode::kPartial), std::optional<std::size_t>(3));
  EXPECT_EQ(search.First(list, 0, "SUZUKI", SearchMode::kExact), std::optional<std::size_t>(1));
  // 次 compares exactly with regard to case.
  EXPECT_EQ(search.Next(list, 0, "Suzuki", SearchMode::kExact), std::optional<std::size_t>(2));
  EXPECT_EQ(search.Next(list, 0, "Suzuki", SearchMode::kExact), std::nullopt);
  EXPECT_EQ(search.position(), 0u);
  EXPECT_EQ(SearchMissText("x"), "[x]は見つかりません。");
}

class PersonListFileTest : public ::testing::Test {
 protected:
  PersonListFile Modified() {
    PersonListFile file(folder_.path(), "Default.nam");
    EXPECT_TRUE(file.list().Register(testing::Person("山田", "1960/01/02 09:05", Sex::kMale), interaction_));
    return file;
  }
  TempFolder folder_;
  RecordingInteraction interaction_;
};

TEST_F(PersonListFileTest, SavingClearsTheFlagOnlyWhenTheFileWasWritten) {
  PersonListFile file = Modified();
  ASSERT_TRUE(file.Save());
  EXPECT_FALSE(file.list().modified());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Default.nam"));

  ASSERT_TRUE(file.list().Register(testing::Person("鈴木", "1970/02/03 99:99", Sex::kFemale), interaction_));
  EXPECT_FALSE(file.SaveAs((folder_ / "no such folder" / "a.nam").string()));
  EXPECT_TRUE(file.list().modified());
  EXPECT_EQ(file.file_name(), "Default.nam");

  const std::string other = (folder_ / "Other.nam").string();
  ASSERT_TRUE(file.SaveAs(other));
  EXPECT_EQ(file.file_name(), other);
  EXPECT_EQ(file.Caption("Kirvolan"), "Kirvolan  [" + other + "]");
}

TEST_F(PersonListFileTest, LoadingAsksFirstAndKeepsTheListWhenTheFileCannotBeRead) {
  PersonListFile file = Modified();
  interaction_.QueueAnswer(false);
  EXPECT_FALSE(file.Load("Missing.nam", interaction_));
  EXPECT_TRUE(interaction_.messages.empty());  // No cancels before the file is looked at

  file.list().SetModified(false);
  EXPECT_FALSE(file.Load("Missing.nam", interaction_));
  EXPECT_EQ(interaction_.messages.back(), "『Missing.nam』がありません。");

  std::filesystem::copy_file("/bin/sh", folder_ / "Binary.nam");
  EXPECT_FALSE(file.Load("Binary.nam", interaction_));
  EXPECT_NE(interaction_.messages.back().find("Binary.nam"), std::string::npos);
  EXPECT_EQ(file.list().row(0)[0], "山田");
  EXPECT_EQ(file.file_name(), "Default.nam");

  ASSERT_TRUE(file.SaveAs("Saved.nam"));
  ASSERT_TRUE(file.New(interaction_));
  EXPECT_TRUE(file.list().IsEmpty());
  EXPECT_EQ(file.file_name(), "NewFile.nam");
  ASSERT_TRUE(file.Load("Saved.nam", interaction_));
  EXPECT_EQ(file.list().row(0)[0], "山田");
  EXPECT_FALSE(file.list().modified());
}

TEST_F(PersonListFileTest, ClosingKeepsTheListOrStops) {
  PersonListFile named = Modified();
  EXPECT_EQ(named.CloseQuery(interaction_), CloseAnswer::kProceed);
  EXPECT_TRUE(std::filesystem::exists(folder_ / "Default.nam"));
  EXPECT_TRUE(interaction_.questions.empty());

  PersonListFile fresh(folder_.path(), "NewFile.nam");
  ASSERT_TRUE(fresh.list().Register(testing::Person("山田", "1960/01/02 09:05", Sex::kMale), interaction_));
  interaction_.QueueAnswer(true);
  EXPECT_EQ(fresh.CloseQuery(interaction_), CloseAnswer::kSaveAs);
  interaction_.QueueAnswer(false);
  EXPECT_EQ(fresh.CloseQuery(interaction_), CloseAnswer::kProceed);

  PersonListFile unwritable((folder_ / "no such folder").string(), "Default.nam");
  ASSERT_TRUE(unwritable.list().Register(testing::Person("山田", "1960/01/02 09:05", Sex::kMale), interaction_));
  EXPECT_EQ(unwritable.CloseQuery(interaction_), CloseAnswer::kCancel);
  EXPECT_TRUE(unwritable.list().modified());
}

// A save keeps the file it replaces as "Default.bak", one generation; a save that fails leaves the
// file and the old ".bak" as they were, and a save that changes nothing touches neither.
TEST_F(PersonListFileTest, SavingKeepsTheReplacedFileAsItsBackup) {
  const std::filesystem::path nam = folder_ / "Default.nam";
  const std::filesystem::path bak = folder_ / "Default.bak";
  PersonListFile file = Modified();
  ASSERT_TRUE(file.Save());
  EXPECT_FALSE(std::filesystem::exists(bak));  // nothing was replaced
  const std::string first = *ReadFileBytes(nam);

  ASSERT_TRUE(file.list().Register(testing::Person("鈴木", "1970/02/03 99:99", Sex::kFemale), interaction_));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(*ReadFileBytes(bak), first);
  const std::string second = *ReadFileBytes(nam);
  EXPECT_NE(second, first);

  ASSERT_TRUE(file.Save());  // the same rows: neither file changes
  EXPECT_EQ(*ReadFileBytes(bak), first);
  EXPECT_EQ(*ReadFileBytes(nam), second);

  // A file that can't be replaced (a link to a FIFO in its place) fails before the backup is touched.
  ASSERT_TRUE(file.list().Register(testing::Person("佐藤", "1980/01/01 99:99", Sex::kMale), interaction_));
  std::filesystem::rename(nam, folder_ / "kept.nam");
  ASSERT_EQ(mkfifo((folder_ / "fifo").c_str(), 0600), 0);
  std::filesystem::create_symlink("fifo", nam);
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(*ReadFileBytes(bak), first);
  EXPECT_TRUE(std::filesystem::is_fifo(folder_ / "fifo"));
  std::filesystem::remove(nam);
  std::filesystem::rename(folder_ / "kept.nam", nam);
  // So does a backup that can't be written (a folder in its place).
  std::filesystem::remove(bak);
  std::filesystem::create_directory(bak);
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(*ReadFileBytes(nam), second);
}

// The default file exists but can't be read: the list starts empty, and neither 上書き保存 nor the
// close writes over the file; closing asks as for a new list, so only a chosen name is written.
TEST_F(PersonListFileTest, AFileThatCouldNotBeReadIsNotSavedOver) {
  const std::string bytes = "\x81\x20" "broken\r\n";
  ASSERT_TRUE(WriteFileAtomically(folder_ / "Default.nam", bytes).ok());
  PersonListFile file(folder_.path(), "Default.nam");
  EXPECT_FALSE(file.Load("Default.nam", interaction_));
  ASSERT_TRUE(file.list().Register(testing::Person("山田", "1960/01/02 09:05", Sex::kMale), interaction_));

  const Status saved = file.Save();
  ASSERT_FALSE(saved.ok());
  EXPECT_NE(saved.error().find("Default.nam"), std::string::npos) << saved.error();
  interaction_.QueueAnswer(true);
  EXPECT_EQ(file.CloseQuery(interaction_), CloseAnswer::kSaveAs);
  EXPECT_EQ(*ReadFileBytes(folder_ / "Default.nam"), bytes);

  ASSERT_TRUE(file.SaveAs("Default.nam"));  // the user's own choice of the name
  EXPECT_NE(*ReadFileBytes(folder_ / "Default.nam"), bytes);
}

TEST(PersonListTable, TheCsvTableIsTheHeaderRowThenEveryRowOfAllColumns) {
  const auto table = PersonListTable(PersonList({Row("山田", "男", "1960/01/02", "09:05")}));
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].size(), kPersonCellCount);
  EXPECT_EQ(table[0][0], "　氏　名　");
  EXPECT_EQ(table[0][36], "空亡");
  EXPECT_EQ(table[1][0], "山田");
}

}  // namespace
}  // namespace kirvo
