#include "data/memo_list_view.h"

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {
namespace {

constexpr std::size_t kMemoNodeMaxCharacters = 255;
constexpr int kTopicCaptionWidth = 10;  // Shift-JIS columns

// The first `count` characters of `text`.
std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t n = 0; n < count && at < text.size(); ++n) at += DecodeUtf8Char(text, at).length;
  return std::string(text.substr(0, at));
}

bool IsDigitText(const std::string& text) { return text.size() == 1 && text[0] >= '0' && text[0] <= '9'; }

}  // namespace

TextTable MemoListTable(const MemoList& memos, const MemoVocabulary& vocabulary) {
  TextTable table(kMemoListColumns, memos.size());
  const char* headers[kMemoListColumns] = {"", "分類", "", "単語", "", "トピック", "メ　モ"};
  for (std::size_t c = 0; c < kMemoListColumns; ++c) table.SetCell(c, 0, headers[c]);
  for (std::size_t i = 1; i < memos.size(); ++i) {
    const std::string& text = memos.Text(i);
    const std::string classification = text.substr(0, std::min<std::size_t>(1, text.size()));
    const std::string number = text.size() >= 3 ? text.substr(1, 2) : std::string();
    const std::string topic = text.size() >= 4 ? text.substr(3, 1) : std::string();
    table.SetCell(0, i, classification);
    table.SetCell(2, i, number);
    table.SetCell(4, i, topic);
    table.SetCell(6, i, memos.StoredMemo(i));
    if (const std::optional<MemoKey> key = memos.Key(i)) {
      table.SetCell(1, i, vocabulary.ClassificationName(key->classification));
      table.SetCell(3, i, vocabulary.Word(key->classification, key->word));
      table.SetCell(5, i, vocabulary.TopicName(key->topic));
    } else if (IsDigitText(classification)) {
      table.SetCell(1, i, vocabulary.ClassificationName(classification[0] - '0'));
    }
  }
  return table;
}

std::string MemoListCountText(const MemoList& memos) {
  return "件数：" + std::to_string(memos.size() - 1) + " 件";
}

std::vector<MemoTreeNode> MemoListTree(const TextTable& table) {
  std::vector<MemoTreeNode> nodes;
  for (std::size_t row = 1; row < table.rows(); ++row) {
    const bool first = row == 1;
    const bool new_classification = first || table.Cell(0, row) != table.Cell(0, row - 1);
    const bool new_word = new_classification || table.Cell(2, row) != table.Cell(2, row - 1);
    const bool new_topic = new_word || table.Cell(4, row) != table.Cell(4, row - 1);
    if (new_classification) nodes.push_back({0, table.Cell(0, row) + ":" + table.Cell(1, row), row});
    if (new_word) nodes.push_back({1, table.Cell(2, row) + ":" + table.Cell(3, row), row});
    if (!new_topic) continue;
    std::string topic = table.Cell(4, row) + ":" + table.Cell(5, row);
    if (const int width = ShiftJisWidth(topic); width < kTopicCaptionWidth) topic.append(kTopicCaptionWidth - width, ' ');
    nodes.push_back({2, FirstCharacters(topic + " > " + table.Cell(6, row), kMemoNodeMaxCharacters), row});
  }
  return nodes;
}

std::string MemoListRowAddress(const TextTable& table, std::size_t row) {
  return table.Cell(0, row) + ":" + table.Cell(1, row) + " >" + table.Cell(2, row) + ":" + table.Cell(3, row) + " >" +
         table.Cell(4, row) + ":" + table.Cell(5, row);
}

std::string MemoDataDeletionQuestion(const TextTable& table, std::size_t row) {
  return "【  :" + table.Cell(1, row) + " :" + table.Cell(3, row) + " :" + table.Cell(5, row) + " 】\n\r" +
         table.Cell(6, row) + "\n\r\n\rこのデータを削除してよろしいですか？";
}

}  // namespace kirvo
