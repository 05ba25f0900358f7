#pragma once

#include <QMenu>
#include <functional>

#include "data/memo_menu.h"

namespace kirvo {

// Fills `menu` (emptied first) with the three-level memo menu; a topic item calls `chosen` with its
// memo, the word caption and the topic caption.
using MemoTopicHandler = std::function<void(const MemoKey& key, const std::string& word_caption,
                                            const std::string& topic_caption)>;
void FillMemoMenu(QMenu& menu, const MemoVocabulary& vocabulary, const MemoTopicHandler& chosen);

}  // namespace kirvo
