#pragma once

#include <string>

namespace kirvo {

// The text map of a PDF's embedded fonts (its ToUnicode CMaps) names, for each glyph, the character
// it stands for. A CJK face draws a Kangxi radical (U+2F00..U+2FD5) and its ideograph with one glyph,
// and a writer that picks the lowest code point for a shared glyph maps 木 to ⽊, 日 to ⽇: the text
// reads the same but cannot be searched for. Rewrites every single-glyph entry that names a Kangxi
// radical to name its ideograph instead, in place and at the same length, so the file's offsets
// stay valid. Returns the number of entries rewritten.
int MapRadicalsToIdeographs(std::string& pdf);

}  // namespace kirvo
