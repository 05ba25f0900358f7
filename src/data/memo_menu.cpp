#include "data/memo_menu.h"

namespace kirvo {

std::vector<MemoMenuClassification> BuildMemoMenu(const MemoVocabulary& vocabulary) {
  std::vector<MemoMenuClassification> menu;
  for (int c = 0; c < kMemoClassificationCount; ++c) {
    MemoMenuClassification& classification = menu.emplace_back();
    classification.caption = std::string(1, static_cast<char>('0' + c)) + ":" + vocabulary.ClassificationName(c);
    for (int r = 0; r < vocabulary.WordCount(c); ++r) {
      MemoMenuWord& word = classification.words.emplace_back();
      word.caption = MemoWordNumberText(r) + ":" + vocabulary.Word(c, r);
      for (int t = 0; t < kMemoTopicCount; ++t) {
        if (!vocabulary.UsesTopic(c, t)) continue;
        word.topics.push_back({std::string(1, static_cast<char>('0' + t)) + ":" + vocabulary.TopicName(t), {c, r, t}});
      }
    }
  }
  return menu;
}

}  // namespace kirvo
