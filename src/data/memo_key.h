#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// The memo vocabulary's shape: ten classifications, up to thirty words each, ten topics.
inline constexpr int kMemoClassificationCount = 10;
inline constexpr int kMemoWordRowCount = 30;
inline constexpr int kMemoTopicCount = 10;

// The four characters that name one memo and begin its line in the memo file: the classification
// digit, the word number right-aligned in two characters (" 0" … "29"), the topic digit. A blank
// sorts before a digit, so keys sorted as text follow classification, word number and topic.
struct MemoKey {
  int classification = 0;  // 0..9
  int word = 0;            // 0..29
  int topic = 0;           // 0..9

  std::string Text() const;
  // The first four characters of `line` as a key; nothing when they are not one.
  static std::optional<MemoKey> Parse(std::string_view line);
  bool operator==(const MemoKey&) const = default;
};

inline constexpr std::size_t kMemoKeyLength = 4;

// The key prefix of every memo of one word (three characters) and of one classification (one).
std::string MemoWordPrefix(int classification, int word);
std::string MemoClassificationPrefix(int classification);

// The word number as the keys and the memo menu write it: right-aligned in two characters.
std::string MemoWordNumberText(int word);

}  // namespace kirvo
