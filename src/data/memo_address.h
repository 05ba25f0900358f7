#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/memo_key.h"
#include "data/memo_vocabulary.h"

namespace kirvo {

// The address of a shown memo, as the label above the memo text reads. The memo panel writes the
// word number (two characters), ":", the word, " >", the topic digit, ":", the topic name; the list
// editor puts the classification digit, ":" and its name, " >" in front.
std::string MemoPanelAddress(const MemoVocabulary& vocabulary, const MemoKey& key);
std::string MemoListAddress(const MemoVocabulary& vocabulary, const MemoKey& key);

// The key a panel address names. The classification is the one whose word in that row equals the
// address's word; when none does (the vocabulary changed since the memo was shown) there is no key,
// so that a memo is never filed under a classification it does not belong to.
std::optional<MemoKey> KeyOfMemoPanelAddress(const MemoVocabulary& vocabulary, std::string_view address);
// The key a list-editor address names: its first character, the two after the first " >", the first
// after the second " >".
std::optional<MemoKey> KeyOfMemoListAddress(std::string_view address);

}  // namespace kirvo
