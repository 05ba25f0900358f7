#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/memo_list.h"
#include "data/memo_vocabulary.h"
#include "settings/text_table.h"

namespace kirvo {

// The memo list editor's table: seven columns (classification digit and name, word number and
// word, topic digit and name, the memo as stored with "/r"), a header row, then row i for memo line
// i. Names are filled only where the vocabulary has a place for the numbers.
inline constexpr std::size_t kMemoListColumns = 7;
TextTable MemoListTable(const MemoList& memos, const MemoVocabulary& vocabulary);

// "件数：" + the number of memo lines + " 件".
std::string MemoListCountText(const MemoList& memos);

// The tree view of the table, in order: a classification node ("d:name") where the classification
// changes, a word node ("nn:word") where the classification or the word changes, a memo node per row
// (the topic "t:name" padded to ten columns, " > ", the stored memo; at most 255 characters), left
// out when classification, word and topic all equal the row before.
struct MemoTreeNode {
  int level = 0;        // 0 classification, 1 word, 2 memo
  std::string text;
  std::size_t row = 0;  // the table row it belongs to
};
std::vector<MemoTreeNode> MemoListTree(const TextTable& table);

// The list editor's address of table row `row`: "d:name >nn:word >t:topic".
std::string MemoListRowAddress(const TextTable& table, std::size_t row);

// The question before データ削除 of table row `row`.
std::string MemoDataDeletionQuestion(const TextTable& table, std::size_t row);

}  // namespace kirvo
