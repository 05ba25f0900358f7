#pragma once

#include <string>
#include <string_view>

#include "platform/outcome.h"

namespace kirvo {

// Shift-JIS here is the Windows code page 932 that the program's files have always used.
// The program works in UTF-8; these two functions are the only crossing between the two.

// Shift-JIS bytes to UTF-8. An invalid or truncated byte sequence is an error naming its byte offset.
Outcome<std::string> DecodeShiftJis(std::string_view bytes);

// UTF-8 to Shift-JIS bytes. A character without a Shift-JIS code, or invalid UTF-8, is an error
// naming the character; the one character given a stand-in below is written as its stand-in.
Outcome<std::string> EncodeShiftJis(std::string_view utf8);

// A character the screen shows that Shift-JIS lacks (罡 of 魁罡) is written to files as the
// character the user chose to stand in for it, so the files read as they always have. Set once at
// start-up, before any file is written; an empty `missing` removes the stand-in.
void SetShiftJisStandIn(std::string_view missing, std::string_view stand_in);

// The width of a UTF-8 text in Shift-JIS bytes, the unit of every length limit and padding of the
// program's files and fixed-width texts: ASCII and half-width katakana count 1, every other
// character 2.
int ShiftJisWidth(std::string_view utf8);

}  // namespace kirvo
