#include "data/memo_vocabulary_edit.h"

#include "platform/utf8.h"

namespace kirvo {
namespace {

std::size_t Row(int r) { return static_cast<std::size_t>(r); }

// Moves the memos of word `from` of classification c to word `to`.
void RenumberWord(MemoList& memos, int c, int from, int to) {
  memos.ReplacePrefix(MemoWordPrefix(c, from), MemoWordPrefix(c, to));
}

void RenumberClassification(MemoList& memos, int from, int to) {
  memos.ReplacePrefix(MemoClassificationPrefix(from), MemoClassificationPrefix(to));
}

void CopyColumn(MemoVocabulary& v, int from, int to) {
  const std::size_t f = MemoVocabulary::Column(from), t = MemoVocabulary::Column(to);
  v.Me0SG.SetCell(t, 0, v.Me0SG.Cell(f, 0));
  v.Me2SG.SetCell(t, 0, v.Me2SG.Cell(f, 0));
  for (int r = 0; r < kMemoWordRowCount; ++r) v.Me1SG.SetCell(t, Row(r), v.Me1SG.Cell(f, Row(r)));
}

void ClearColumn(MemoVocabulary& v, int c) {
  const std::size_t column = MemoVocabulary::Column(c);
  v.Me0SG.SetCell(column, 0, "");
  v.Me2SG.SetCell(column, 0, "");
  for (int r = 0; r < kMemoWordRowCount; ++r) v.Me1SG.SetCell(column, Row(r), "");
}

}  // namespace

bool CanInsertMemoWord(const MemoVocabulary& vocabulary, int c, int r) {
  return r < kMemoWordRowCount - 1 && !vocabulary.Word(c, r).empty() &&
         vocabulary.Word(c, kMemoWordRowCount - 1).empty();
}

void InsertMemoWord(MemoVocabulary& vocabulary, MemoList& memos, int c, int r) {
  if (!CanInsertMemoWord(vocabulary, c, r)) return;
  const std::size_t column = MemoVocabulary::Column(c);
  int last = r;
  while (last + 1 < kMemoWordRowCount && !vocabulary.Word(c, last + 1).empty()) ++last;
  for (int row = last; row >= r; --row) {
    vocabulary.Me1SG.SetCell(column, Row(row + 1), vocabulary.Word(c, row));
    RenumberWord(memos, c, row, row + 1);
  }
  vocabulary.Me1SG.SetCell(column, Row(r), kMemoInsertedPlaceholder);
  memos.Normalise();
}

std::size_t DeleteMemoWord(MemoVocabulary& vocabulary, MemoList& memos, int c, int r) {
  const std::size_t column = MemoVocabulary::Column(c);
  const std::size_t removed = memos.RemovePrefix(MemoWordPrefix(c, r));
  int row = r;
  for (; row + 1 < kMemoWordRowCount && !vocabulary.Word(c, row + 1).empty(); ++row) {
    vocabulary.Me1SG.SetCell(column, Row(row), vocabulary.Word(c, row + 1));
    RenumberWord(memos, c, row + 1, row);
  }
  vocabulary.Me1SG.SetCell(column, Row(row), "");
  memos.Normalise();
  return removed;
}

Status InsertMemoClassification(MemoVocabulary& vocabulary, MemoList& memos, int j) {
  const int last = kMemoClassificationCount - 1;
  if (j >= last || !vocabulary.ClassificationName(last).empty() || !vocabulary.Word(last, 0).empty() ||
      memos.CountPrefix(MemoClassificationPrefix(last)) > 0) {
    return Status::Failure("最後の分類が使われているため、挿入できません。");
  }
  for (int c = last - 1; c >= j; --c) {
    CopyColumn(vocabulary, c, c + 1);
    RenumberClassification(memos, c, c + 1);
  }
  const std::string left_topics = j > 0 ? vocabulary.TopicsUsed(j - 1) : std::string();
  ClearColumn(vocabulary, j);
  vocabulary.Me0SG.SetCell(MemoVocabulary::Column(j), 0, kMemoInsertedPlaceholder);
  vocabulary.Me2SG.SetCell(MemoVocabulary::Column(j), 0, left_topics);
  memos.Normalise();
  return {};
}

std::size_t DeleteMemoClassification(MemoVocabulary& vocabulary, MemoList& memos, int j) {
  const std::size_t removed = memos.RemovePrefix(MemoClassificationPrefix(j));
  for (int c = j; c + 1 < kMemoClassificationCount; ++c) {
    CopyColumn(vocabulary, c + 1, c);
    RenumberClassification(memos, c + 1, c);
  }
  ClearColumn(vocabulary, kMemoClassificationCount - 1);
  memos.Normalise();
  return removed;
}

std::string MemoDeletionQuestion(const MemoVocabulary& vocabulary, const MemoList& memos, int c,
                                 std::optional<int> word) {
  std::string question = "【 分類：　" + vocabulary.ClassificationName(c);
  if (word) question += " > 単語：　" + vocabulary.Word(c, *word);
  const std::string prefix = word ? MemoWordPrefix(c, *word) : MemoClassificationPrefix(c);
  return question + " 】\n\rこの単語に関するメモデータは、" + std::to_string(memos.CountPrefix(prefix)) +
         " 件あります。削除してよろしいですか？[" + prefix + "]";
}

Status ChangeMemoTopic(MemoList& memos, std::size_t index, int topic) {
  const std::optional<MemoKey> key = memos.Key(index);
  if (!key) return Status::Failure("このメモのトピックは変更できません。");
  if (key->topic == topic) return {};
  MemoKey moved = *key;
  moved.topic = topic;
  if (memos.Find(moved)) return Status::Failure("トピック " + std::to_string(topic) + " のメモが既にあります。");
  memos.SetTopic(index, topic);
  memos.Normalise();
  return {};
}

std::optional<MemoVocabularyProblem> CheckMemoVocabulary(const MemoVocabulary& vocabulary) {
  for (int c = 0; c < kMemoClassificationCount; ++c) {
    for (int r = 0; r < kMemoWordRowCount; ++r) {
      const std::string& word = vocabulary.Word(c, r);
      if (word.empty()) continue;
      for (int c2 = 0; c2 < kMemoClassificationCount; ++c2) {
        for (int r2 = 0; r2 < kMemoWordRowCount; ++r2) {
          if ((c2 != c || r2 != r) && vocabulary.Word(c2, r2) == word) {
            return MemoVocabularyProblem{"Me1SG", MemoVocabulary::Column(c2), Row(r2),
                                         "「" + word + "」は単語が重複しています。"};
          }
        }
      }
    }
  }
  for (int c = 0; c < kMemoClassificationCount; ++c) {
    const std::string& topics = vocabulary.TopicsUsed(c);
    for (std::size_t at = 0; at < topics.size();) {
      const Utf8Char character = DecodeUtf8Char(topics, at);
      if (character.code_point < '0' || character.code_point > '9') {
        return MemoVocabularyProblem{"Me2SG", MemoVocabulary::Column(c), 0,
                                     "「" + topics.substr(at, character.length) + "」は整数ではありません"};
      }
      at += character.length;
    }
  }
  for (int c = 0; c < kMemoClassificationCount; ++c) {
    if (vocabulary.TopicsUsed(c).empty() && !vocabulary.Word(c, 0).empty()) {
      return MemoVocabularyProblem{"Me2SG", MemoVocabulary::Column(c), 0,
                                   "各分類に単語がある場合は、必ず表示トピックを指定して下さい。"};
    }
  }
  return std::nullopt;
}

}  // namespace kirvo

namespace kirvo {

MemoCellMenu MemoCellMenuAt(const MemoVocabulary& vocabulary, MemoTable table, std::size_t column, std::size_t row) {
  MemoCellMenu menu;
  if (table == MemoTable::kTopicsUsed || column == 0) return menu;
  if (table == MemoTable::kTopicNames) {
    menu.opens = row > 0;
    return menu;
  }
  const TextTable& cells = table == MemoTable::kWords ? vocabulary.Me1SG : vocabulary.Me0SG;
  menu.opens = row == 0 || !cells.Cell(column, row - 1).empty();
  if (!menu.opens) return menu;
  const bool filled = !cells.Cell(column, row).empty();
  const int c = static_cast<int>(column) - 1;
  if (table == MemoTable::kClassifications) {
    menu.insert = c < kMemoClassificationCount - 1 && vocabulary.ClassificationName(kMemoClassificationCount - 1).empty();
    menu.remove = true;
  } else {
    menu.insert = filled && CanInsertMemoWord(vocabulary, c, static_cast<int>(row));
    menu.remove = filled;
  }
  return menu;
}

}  // namespace kirvo
