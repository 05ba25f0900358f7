#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/memo_list.h"
#include "data/memo_vocabulary.h"
#include "platform/outcome.h"

namespace kirvo {

// The placeholder an inserted word or classification holds until it is named.
inline constexpr std::string_view kMemoInsertedPlaceholder = "⇔";

// Changes of the vocabulary that carry the memos along: a word or classification that moves takes
// its memos with it. Keys are renumbered from the highest number down, so that no two words share
// a number on the way.

// Whether a word can be inserted at (c, r): a word is there and the last row of the column is free.
bool CanInsertMemoWord(const MemoVocabulary& vocabulary, int c, int r);
// Words r.. of classification c move one row down with their memos; row r holds the placeholder.
void InsertMemoWord(MemoVocabulary& vocabulary, MemoList& memos, int c, int r);
// Removes the memos of word (c, r); the words below move one row up with their memos. Returns how
// many memos were removed.
std::size_t DeleteMemoWord(MemoVocabulary& vocabulary, MemoList& memos, int c, int r);

// Classifications j..8 move to j + 1..9 with names, words, topics and memos; j becomes the
// placeholder with no words and the topics of the classification to its left. Refused while the
// last classification has a name, a word or a memo, which would otherwise be dropped.
Status InsertMemoClassification(MemoVocabulary& vocabulary, MemoList& memos, int j);
// Removes the memos of classification j; the classifications to its right move one left with their
// memos and the last is cleared. Returns how many memos were removed.
std::size_t DeleteMemoClassification(MemoVocabulary& vocabulary, MemoList& memos, int j);

// The question before a deletion: "【 分類：　<name> > 単語：　<word> 】", line feed and carriage
// return, "この単語に関するメモデータは、<n> 件あります。削除してよろしいですか？[<prefix>]".
// Without a word (`word` nothing) the classification's.
std::string MemoDeletionQuestion(const MemoVocabulary& vocabulary, const MemoList& memos, int c, std::optional<int> word);

// Moves memo line `index` to topic t; refused when a memo of the new key exists, which would
// leave two memos under one key and hide one of them.
Status ChangeMemoTopic(MemoList& memos, std::size_t index, int topic);

// Where the settings editor refuses to close: the table ("Me1SG", "Me2SG"), its cell, the message.
struct MemoVocabularyProblem {
  std::string table;
  std::size_t column = 0;
  std::size_t row = 0;
  std::string message;
  bool operator==(const MemoVocabularyProblem&) const = default;
};

// The close check: no word twice, every topic character a digit 0..9, a topic for every
// classification that has a word. The first problem found.
std::optional<MemoVocabularyProblem> CheckMemoVocabulary(const MemoVocabulary& vocabulary);

}  // namespace kirvo

namespace kirvo {

// The tables of the settings editor.
enum class MemoTable { kClassifications, kWords, kTopicsUsed, kTopicNames };

// The cell menu of the settings editor ("○：単語変更", "⇔：　挿入", "×：　削除") for a click on
// (column, row) of `table`. It opens on row 0, on the topic names, or under a filled cell; the topics
// used have no menu (their click opens the topic choice at once). Inserting needs room at the end
// and a filled cell; deleting needs a filled cell, except that a classification can always go.
struct MemoCellMenu {
  bool opens = false;
  bool insert = false;
  bool remove = false;
};
MemoCellMenu MemoCellMenuAt(const MemoVocabulary& vocabulary, MemoTable table, std::size_t column, std::size_t row);

}  // namespace kirvo
