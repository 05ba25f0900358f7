#include "data/memo_address.h"

namespace kirvo {
namespace {

constexpr std::string_view kAddressStep = " >";

std::string TopicPart(const MemoVocabulary& vocabulary, int topic) {
  return std::string(kAddressStep) + static_cast<char>('0' + topic) + ":" + vocabulary.TopicName(topic);
}

}  // namespace

std::string MemoPanelAddress(const MemoVocabulary& vocabulary, const MemoKey& key) {
  return MemoWordNumberText(key.word) + ":" + vocabulary.Word(key.classification, key.word) +
         TopicPart(vocabulary, key.topic);
}

std::string MemoListAddress(const MemoVocabulary& vocabulary, const MemoKey& key) {
  return std::string(1, static_cast<char>('0' + key.classification)) + ":" +
         vocabulary.ClassificationName(key.classification) + std::string(kAddressStep) +
         MemoPanelAddress(vocabulary, key);
}

std::optional<MemoKey> KeyOfMemoPanelAddress(const MemoVocabulary& vocabulary, std::string_view address) {
  // "rr:word >t:topic"; the word itself may hold " >", so the topic is found from the end.
  const std::size_t topic_at = address.rfind(kAddressStep);
  if (address.size() < 3 || address[2] != ':' || topic_at == std::string_view::npos || topic_at < 3 ||
      topic_at + kAddressStep.size() >= address.size()) {
    return std::nullopt;
  }
  const std::string number = "0" + std::string(address.substr(0, 2));
  const std::string topic(1, address[topic_at + kAddressStep.size()]);
  const std::optional<MemoKey> parsed = MemoKey::Parse(number + topic);
  if (!parsed) return std::nullopt;
  const std::string_view word = TrimMemoText(address.substr(3, topic_at - 3));
  for (int c = 0; c < kMemoClassificationCount; ++c) {
    if (TrimMemoText(vocabulary.Word(c, parsed->word)) == word) return MemoKey{c, parsed->word, parsed->topic};
  }
  return std::nullopt;
}

std::optional<MemoKey> KeyOfMemoListAddress(std::string_view address) {
  const std::size_t first = address.find(kAddressStep);
  if (address.empty() || first == std::string_view::npos) return std::nullopt;
  const std::size_t second = address.find(kAddressStep, first + kAddressStep.size());
  const std::size_t word_at = first + kAddressStep.size();
  const std::size_t topic_at = second + kAddressStep.size();
  if (second == std::string_view::npos || word_at + 2 > address.size() || topic_at >= address.size()) {
    return std::nullopt;
  }
  return MemoKey::Parse(std::string(1, address[0]) + std::string(address.substr(word_at, 2)) + address[topic_at]);
}

}  // namespace kirvo
