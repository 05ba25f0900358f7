#pragma once

#include <string>
#include <string_view>

namespace kirvo {

// One-line texts (explanations, memos) store each line break as the two characters "/r". There is
// no other escaping: a "/r" typed into a text becomes a line break when the text is read back.
inline constexpr std::string_view kLineBreakEscape = "/r";

// The stored form shown as text: every "/r" becomes "\n".
std::string ExpandLineBreaks(std::string_view stored);

// A text in its stored form: every line break (CR LF, lone CR or lone LF) becomes "/r".
std::string EscapeLineBreaks(std::string_view text);

}  // namespace kirvo
