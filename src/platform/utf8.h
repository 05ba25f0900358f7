#pragma once

#include <cstddef>
#include <string_view>

namespace kirvo {

// One character read from UTF-8 text. An invalid byte (a stray continuation byte, a truncated,
// overlong or surrogate sequence, or a code point above U+10FFFF) reads as a one-byte character with
// `valid` false, so a walk over any bytes always moves on.
struct Utf8Char {
  char32_t code_point = 0;
  std::size_t length = 1;  // bytes, 1..4
  bool valid = false;
};

// The character starting at byte `at` (< text.size()).
Utf8Char DecodeUtf8Char(std::string_view text, std::size_t at);

}  // namespace kirvo
