#include "settings/spirit_star_slots.h"

#include <cctype>

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {

namespace {

std::optional<int> HexByte(std::string_view two_digits) {
  int value = 0;
  for (const char digit : two_digits) {
    const unsigned char c = static_cast<unsigned char>(digit);
    if (!std::isxdigit(c)) return std::nullopt;
    value = value * 16 + (std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return value;
}

}  // namespace

std::optional<std::string> CharacterOfShiftJisCode(std::string_view code) {
  if (code.size() != 4) return std::nullopt;
  const std::optional<int> lead = HexByte(code.substr(0, 2));
  const std::optional<int> trail = HexByte(code.substr(2, 2));
  if (!lead || !trail) return std::nullopt;
  const std::string bytes{static_cast<char>(*lead), static_cast<char>(*trail)};
  Outcome<std::string> decoded = DecodeShiftJis(bytes);
  if (!decoded.ok() || decoded->empty()) return std::nullopt;
  // Two single-byte characters ("4142") are no code of one character.
  const Utf8Char first = DecodeUtf8Char(*decoded, 0);
  if (!first.valid || first.length != decoded->size() || ShiftJisWidth(*decoded) != 2) return std::nullopt;
  return std::move(decoded).value();
}

SpiritStarSlotNames SpiritStarSlotNamesFor(std::string_view gaiji1) {
  SpiritStarSlotNames names;
  for (int slot = 0; slot < kSpiritStarSlotCount; ++slot) names[slot] = std::string(kSpiritStarSlots[slot].name);
  if (gaiji1.ends_with(kUnicodeGaijiMark)) {
    names[kGaijiSlot] = "魁" + std::string(kUnicodeGaijiCharacter);
    return names;
  }
  std::optional<std::string> second = CharacterOfShiftJisCode(gaiji1);
  if (!second) second = CharacterOfShiftJisCode(kDefaultGaiji1);
  names[kGaijiSlot] = "魁" + second.value_or("");
  return names;
}

}  // namespace kirvo
