#include "platform/utf8.h"

#include <array>

namespace kirvo {
namespace {

// The lead bytes of multi-byte UTF-8 sequences (C0, C1 and F5..FF never start one).
struct LeadRange {
  unsigned first;
  unsigned last;
  std::size_t length;  // bytes of the sequence
  unsigned payload;    // mask of the code point bits in the lead byte
  char32_t smallest;   // below this the sequence is overlong
};
constexpr std::array kLeadRanges = {
    LeadRange{0xC2, 0xDF, 2, 0x1F, 0x80},
    LeadRange{0xE0, 0xEF, 3, 0x0F, 0x800},
    LeadRange{0xF0, 0xF4, 4, 0x07, 0x10000},
};

}  // namespace

Utf8Char DecodeUtf8Char(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(at);
  if (lead < 0x80) return {lead, 1, true};

  for (const LeadRange& range : kLeadRanges) {
    if (lead < range.first || lead > range.last) continue;
    if (text.size() - at < range.length) return {};
    char32_t code_point = lead & range.payload;
    for (std::size_t i = 1; i < range.length; ++i) {
      const unsigned next = byte(at + i);
      if ((next & 0xC0) != 0x80) return {};
      code_point = (code_point << 6) | (next & 0x3F);
    }
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    if (code_point < range.smallest || surrogate || code_point > 0x10FFFF) return {};
    return {code_point, range.length, true};
  }
  return {};
}

}  // namespace kirvo
