#include <gtest/gtest.h>

#include "data/memo_fixture.h"
#include "data/memo_key.h"
#include "data/memo_list.h"
#include "data/memo_vocabulary_edit.h"

namespace kirvo {
namespace {

using test::GoldenLines;
using test::GoldenMemos;
using test::Texts;

TEST(MemoKey, WritesAndReadsTheFourCharacters) {
  struct Case {
    MemoKey key;
    std::string_view text;
  };
  for (const Case& c : {Case{{0, 0, 0}, "0 00"}, Case{{3, 9, 7}, "3 97"}, Case{{9, 29, 9}, "9299"}}) {
    EXPECT_EQ(c.key.Text(), c.text);
    EXPECT_EQ(MemoKey::Parse(c.text), c.key) << c.text;
  }
  for (std::string_view bad : {"", "0 0", "x 00", "0300", "0090", "0 a0", "  00"}) {
    EXPECT_FALSE(MemoKey::Parse(bad).has_value()) << bad;
  }
}

TEST(MemoList, NormaliseDropsKeyOnlyAndEqualLinesAndSortsUnderTheHeader) {
  MemoList list = GoldenMemos("memo_small.txt");
  list.Normalise();
  EXPECT_EQ(Texts(list), GoldenLines("memo_normalised.txt"));
}

TEST(MemoList, SortPutsWordNineBeforeWordTen) {
  MemoList list = MemoList::FromTexts({"header", "0100十", "0 90九", "0 00零"});
  list.Normalise();
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"header", "0 00零", "0 90九", "0100十"}));
}

TEST(MemoList, AnEmptyListKeepsAHeaderSoTheFirstMemoIsShown) {
  MemoList list = MemoList::FromTexts({});
  ASSERT_EQ(list.size(), 1u);
  const std::optional<std::size_t> at = list.Write({0, 0, 0}, "最初のメモ");
  ASSERT_EQ(at, std::optional<std::size_t>(1));
  EXPECT_EQ(list.Text(0), kMemoFileHeader);
  EXPECT_EQ(list.Text(1), "0 00最初のメモ");
}

TEST(MemoList, WriteEscapesLineBreaksAndReplacesOrAdds) {
  MemoList list = GoldenMemos("memo_normalised.txt");
  EXPECT_EQ(list.Write({0, 2, 0}, "一行目\r\n二行目"), std::optional<std::size_t>(4));
  EXPECT_EQ(list.Text(4), "0 20一行目/r二行目");
  // A new key is added in its sorted place.
  EXPECT_EQ(list.Write({0, 1, 1}, "新"), std::optional<std::size_t>(3));
  EXPECT_EQ(list.Text(3), "0 11新");
  // An empty text for a new key leaves no line; over an existing memo a key-only line stays.
  const std::size_t before = list.size();
  EXPECT_FALSE(list.Write({0, 2, 2}, "").has_value());
  EXPECT_EQ(list.size(), before);
  EXPECT_EQ(list.Write({0, 1, 1}, ""), std::optional<std::size_t>(3));
  EXPECT_EQ(list.Text(3), "0 11");
}

TEST(MemoList, FirstMemoOfAWordIsItsLowestTopic) {
  MemoList list = MemoList::FromTexts({"h", "0 02二", "0 00零"});
  list.Normalise();
  EXPECT_EQ(list.FindPrefix(MemoWordPrefix(0, 0)), std::optional<std::size_t>(1));
  EXPECT_EQ(list.StoredMemo(1), "零");
}

struct VocabularyEdit {
  const char* name;
  void (*edit)(MemoVocabulary&, MemoList&);
  const char* golden;
};

class MemoVocabularyEdits : public testing::TestWithParam<VocabularyEdit> {};

TEST_P(MemoVocabularyEdits, CarryTheMemosAlong) {
  MemoVocabulary vocabulary = test::SmallVocabulary();
  MemoList memos = GoldenMemos("memo_normalised.txt");
  GetParam().edit(vocabulary, memos);
  EXPECT_EQ(Texts(memos), GoldenLines(GetParam().golden));
}

INSTANTIATE_TEST_SUITE_P(
    Golden, MemoVocabularyEdits,
    testing::Values(
        VocabularyEdit{"InsertWord", [](MemoVocabulary& v, MemoList& m) { InsertMemoWord(v, m, 0, 1); },
                       "memo_word_inserted.txt"},
        VocabularyEdit{"DeleteWord", [](MemoVocabulary& v, MemoList& m) { EXPECT_EQ(DeleteMemoWord(v, m, 0, 0), 1u); },
                       "memo_word_deleted.txt"},
        VocabularyEdit{"InsertClassification",
                       [](MemoVocabulary& v, MemoList& m) { EXPECT_TRUE(InsertMemoClassification(v, m, 0).ok()); },
                       "memo_classification_inserted.txt"},
        VocabularyEdit{"DeleteClassification",
                       [](MemoVocabulary& v, MemoList& m) { EXPECT_EQ(DeleteMemoClassification(v, m, 0), 4u); },
                       "memo_classification_deleted.txt"}),
    [](const testing::TestParamInfo<VocabularyEdit>& info) { return std::string(info.param.name); });

TEST(MemoVocabularyEdit, WordsMoveWithTheirNames) {
  MemoVocabulary vocabulary = test::SmallVocabulary();
  MemoList memos = GoldenMemos("memo_normalised.txt");
  InsertMemoWord(vocabulary, memos, 0, 1);
  EXPECT_EQ(vocabulary.Word(0, 1), kMemoInsertedPlaceholder);
  EXPECT_EQ(vocabulary.Word(0, 2), "乙");
  EXPECT_EQ(vocabulary.Word(0, 3), "丙");
  DeleteMemoWord(vocabulary, memos, 0, 1);
  EXPECT_EQ(vocabulary, test::SmallVocabulary());
  EXPECT_EQ(Texts(memos), GoldenLines("memo_normalised.txt"));

  InsertMemoClassification(vocabulary, memos, 1).ok();
  EXPECT_EQ(vocabulary.ClassificationName(1), kMemoInsertedPlaceholder);
  EXPECT_EQ(vocabulary.TopicsUsed(1), "012");  // the topics of the classification to its left
  EXPECT_EQ(vocabulary.Word(1, 0), "");
  EXPECT_EQ(vocabulary.Word(2, 0), "比肩");
  EXPECT_EQ(vocabulary.ClassificationName(2), "通変星");
}

TEST(MemoVocabularyEdit, RenumberingAcrossTenKeepsEveryMemo) {
  MemoVocabulary vocabulary;
  for (int r = 0; r < 12; ++r) vocabulary.Me1SG.SetCell(1, static_cast<std::size_t>(r), "w" + std::to_string(r));
  MemoList memos = GoldenMemos("memo_many_words.txt");
  InsertMemoWord(vocabulary, memos, 0, 8);
  EXPECT_EQ(Texts(memos), GoldenLines("memo_many_words_renumbered.txt"));
  EXPECT_EQ(DeleteMemoWord(vocabulary, memos, 0, 8), 0u);
  EXPECT_EQ(Texts(memos), GoldenLines("memo_many_words.txt"));
}

TEST(MemoVocabularyEdit, InsertingAClassificationNeverDropsTheLastOnesMemos) {
  MemoVocabulary vocabulary = test::SmallVocabulary();
  MemoList memos = GoldenMemos("memo_normalised.txt");
  memos.Write({9, 0, 0}, "最後の分類のメモ");
  const MemoList before = memos;
  EXPECT_FALSE(InsertMemoClassification(vocabulary, memos, 0).ok());
  EXPECT_EQ(memos, before);
  EXPECT_EQ(vocabulary, test::SmallVocabulary());

  // A word or a name in the last classification refuses it too.
  MemoList no_last = GoldenMemos("memo_normalised.txt");
  vocabulary.Me1SG.SetCell(10, 0, "最後");
  EXPECT_FALSE(InsertMemoClassification(vocabulary, no_last, 0).ok());
}

TEST(MemoVocabularyEdit, DeletionQuestionCountsWhatIsRemoved) {
  MemoVocabulary vocabulary = test::SmallVocabulary();
  MemoList memos = GoldenMemos("memo_normalised.txt");
  EXPECT_EQ(MemoDeletionQuestion(vocabulary, memos, 0, 1),
            "【 分類：　天干 > 単語：　乙 】\n\rこの単語に関するメモデータは、2 件あります。削除してよろしいですか？[0 1]");
  EXPECT_EQ(MemoDeletionQuestion(vocabulary, memos, 1, std::nullopt),
            "【 分類：　通変星 】\n\rこの単語に関するメモデータは、1 件あります。削除してよろしいですか？[1]");
  EXPECT_EQ(DeleteMemoWord(vocabulary, memos, 0, 1), 2u);
}

TEST(MemoVocabularyEdit, TopicChangeRefusesATakenKey) {
  MemoList memos = GoldenMemos("memo_normalised.txt");
  const MemoList before = memos;
  EXPECT_FALSE(ChangeMemoTopic(memos, 2, 2).ok());  // "0 10" → "0 12" exists
  EXPECT_EQ(memos, before);
  ASSERT_TRUE(ChangeMemoTopic(memos, 2, 5).ok());
  EXPECT_EQ(memos.Text(3), "0 15乙の話");
}

TEST(MemoVocabularyCheck, RefusesDuplicatesBadTopicsAndMissingTopics) {
  struct Case {
    const char* name;
    void (*change)(MemoVocabulary&);
    std::optional<MemoVocabularyProblem> problem;
  };
  const Case cases[] = {
      {"clean", [](MemoVocabulary&) {}, std::nullopt},
      {"duplicate in row 29", [](MemoVocabulary& v) { v.Me1SG.SetCell(5, 29, "乙"); },
       MemoVocabularyProblem{"Me1SG", 5, 29, "「乙」は単語が重複しています。"}},
      {"duplicate in row 0", [](MemoVocabulary& v) { v.Me1SG.SetCell(10, 0, "甲"); },
       MemoVocabularyProblem{"Me1SG", 10, 0, "「甲」は単語が重複しています。"}},
      {"topic not a digit", [](MemoVocabulary& v) { v.Me2SG.SetCell(2, 0, "0ａ"); },
       MemoVocabularyProblem{"Me2SG", 2, 0, "「ａ」は整数ではありません"}},
      {"words without topics", [](MemoVocabulary& v) { v.Me2SG.SetCell(1, 0, ""); },
       MemoVocabularyProblem{"Me2SG", 1, 0, "各分類に単語がある場合は、必ず表示トピックを指定して下さい。"}},
  };
  for (const Case& c : cases) {
    MemoVocabulary vocabulary = test::SmallVocabulary();
    c.change(vocabulary);
    EXPECT_EQ(CheckMemoVocabulary(vocabulary), c.problem) << c.name;
  }
}

}  // namespace
}  // namespace kirvo

namespace kirvo {
namespace {

TEST(MemoCellMenu, OpensUnderFilledCellsAndOffersWhatCanBeDone) {
  MemoVocabulary v = test::SmallVocabulary();
  struct Case {
    MemoTable table;
    std::size_t column, row;
    MemoCellMenu menu;
  };
  const Case cases[] = {
      {MemoTable::kWords, 1, 1, {true, true, true}},     // 乙
      {MemoTable::kWords, 1, 3, {true, false, false}},   // the empty cell under 丙
      {MemoTable::kWords, 1, 4, {false, false, false}},  // two below the last word
      {MemoTable::kWords, 5, 0, {true, false, false}},   // an empty row 0
      {MemoTable::kClassifications, 4, 0, {true, true, true}},
      {MemoTable::kClassifications, 10, 0, {true, false, true}},  // the last column
      {MemoTable::kTopicNames, 1, 3, {true, false, false}},
      {MemoTable::kTopicsUsed, 1, 0, {false, false, false}},
  };
  for (const Case& c : cases) {
    const MemoCellMenu menu = MemoCellMenuAt(v, c.table, c.column, c.row);
    EXPECT_EQ(std::tie(menu.opens, menu.insert, menu.remove), std::tie(c.menu.opens, c.menu.insert, c.menu.remove))
        << static_cast<int>(c.table) << " " << c.column << " " << c.row;
  }
  v.Me1SG.SetCell(1, 29, "最後");
  EXPECT_FALSE(MemoCellMenuAt(v, MemoTable::kWords, 1, 0).insert);
  v.Me0SG.SetCell(10, 0, "最後");
  EXPECT_FALSE(MemoCellMenuAt(v, MemoTable::kClassifications, 1, 0).insert);
}

}  // namespace
}  // namespace kirvo
