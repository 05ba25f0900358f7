// The UTF-8 reader every text walk uses, and the name check built on it.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/name_text.h"
#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace {

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bool all_valid = true;
  bool plain_name = true;
  for (std::size_t at = 0; at < text.size();) {
    const kirvo::Utf8Char c = kirvo::DecodeUtf8Char(text, at);
    FUZZ_CHECK(c.length >= 1 && c.length <= 4 && at + c.length <= text.size());
    if (c.valid) {
      // A valid character is its shortest encoding, no surrogate, and within Unicode.
      FUZZ_CHECK(c.code_point <= 0x10FFFF && (c.code_point < 0xD800 || c.code_point > 0xDFFF));
      FUZZ_CHECK(EncodeUtf8(c.code_point) == text.substr(at, c.length));
      plain_name = plain_name && c.code_point >= 0x20 && c.code_point != 0x7F && c.code_point != ',' &&
                   c.code_point != '&';
    } else {
      FUZZ_CHECK(c.length == 1);
      all_valid = false;
    }
    at += c.length;
  }
  // A name passes exactly when it is valid UTF-8 without control characters, "," or "&", and has
  // a Shift-JIS code for every character.
  const bool encodable = kirvo::EncodeShiftJis(text).ok();
  FUZZ_CHECK(kirvo::CheckEnteredName(text).ok() == (all_valid && plain_name && encodable));
  return 0;
}
