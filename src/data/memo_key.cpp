#include "data/memo_key.h"

namespace kirvo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string MemoWordNumberText(int word) {
  return word < 10 ? std::string(1, ' ') + static_cast<char>('0' + word) : std::to_string(word);
}

std::string MemoWordPrefix(int classification, int word) {
  return MemoClassificationPrefix(classification) + MemoWordNumberText(word);
}

std::string MemoClassificationPrefix(int classification) { return std::string(1, static_cast<char>('0' + classification)); }

std::string MemoKey::Text() const { return MemoWordPrefix(classification, word) + static_cast<char>('0' + topic); }

std::optional<MemoKey> MemoKey::Parse(std::string_view line) {
  if (line.size() < kMemoKeyLength || !IsDigit(line[0]) || !IsDigit(line[2]) || !IsDigit(line[3])) return std::nullopt;
  if (line[1] != ' ' && !IsDigit(line[1])) return std::nullopt;
  const int word = (line[1] == ' ' ? 0 : line[1] - '0') * 10 + (line[2] - '0');
  if (word >= kMemoWordRowCount || (line[1] == '0')) return std::nullopt;
  return MemoKey{line[0] - '0', word, line[3] - '0'};
}

}  // namespace kirvo
