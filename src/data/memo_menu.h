#pragma once

#include <string>
#include <vector>

#include "data/memo_key.h"
#include "data/memo_vocabulary.h"

namespace kirvo {

// The three-level memo menu: a classification item per classification ("c:name", also when the
// name is empty); under it a word item per word ("rr:word", the number right-aligned); under each
// word a topic item per topic the classification uses ("t:name"), which names a memo.
struct MemoMenuTopic {
  std::string caption;
  MemoKey key;
};
struct MemoMenuWord {
  std::string caption;
  std::vector<MemoMenuTopic> topics;
};
struct MemoMenuClassification {
  std::string caption;
  std::vector<MemoMenuWord> words;  // empty: no second level
};

std::vector<MemoMenuClassification> BuildMemoMenu(const MemoVocabulary& vocabulary);

}  // namespace kirvo
