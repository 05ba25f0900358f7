// Shift-JIS files as they come, and UTF-8 texts on their way out.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace {

bool ValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const kirvo::Utf8Char c = kirvo::DecodeUtf8Char(text, at);
    if (!c.valid) return false;
    at += c.length;
  }
  return true;
}

// A text that converted once converts the same way again, and a text that reads back as itself
// is as wide as its bytes.
void CheckRoundTrip(const std::string& utf8) {
  const kirvo::Outcome<std::string> bytes = kirvo::EncodeShiftJis(utf8);
  if (!bytes) return;
  const kirvo::Outcome<std::string> back = kirvo::DecodeShiftJis(*bytes);
  FUZZ_CHECK(back.ok());
  FUZZ_CHECK(ValidUtf8(*back));
  const kirvo::Outcome<std::string> again = kirvo::EncodeShiftJis(*back);
  FUZZ_CHECK(again.ok() && *again == *bytes);
  if (*back == utf8) FUZZ_CHECK(kirvo::ShiftJisWidth(utf8) == static_cast<int>(bytes->size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  // As Shift-JIS bytes: what decodes is UTF-8 and encodes back to the same bytes.
  const kirvo::Outcome<std::string> decoded = kirvo::DecodeShiftJis(input);
  if (decoded) {
    FUZZ_CHECK(ValidUtf8(*decoded));
    const kirvo::Outcome<std::string> encoded = kirvo::EncodeShiftJis(*decoded);
    FUZZ_CHECK(encoded.ok());
    const kirvo::Outcome<std::string> redecoded = kirvo::DecodeShiftJis(*encoded);
    FUZZ_CHECK(redecoded.ok() && *redecoded == *decoded);
    CheckRoundTrip(*decoded);
  } else {
    FUZZ_CHECK(!decoded.error().empty());
  }

  // As UTF-8: invalid UTF-8 never encodes.
  const kirvo::Outcome<std::string> encoded = kirvo::EncodeShiftJis(input);
  if (!ValidUtf8(input)) FUZZ_CHECK(!encoded.ok());
  CheckRoundTrip(std::string(input));
  return 0;
}
