#include "settings/special_characters.h"

#include <optional>

#include "platform/shift_jis.h"
#include "settings/spirit_star_slots.h"

namespace kirvo {

SpecialCharacters ReadSpecialCharacters(const SettingsStore& store) {
  SpecialCharacters characters;
  for (std::size_t i = 0; i < kSpecialCodeNames.size(); ++i) {
    std::string code = store.ReadString(kSpecialCharactersSection, kSpecialCodeNames[i]);
    if (!code.empty()) characters.codes[i] = std::move(code);
  }
  characters.unicode_on_screen = store.ReadString(kSpecialCharactersSection, kUnicodeChoiceName) == "1";
  return characters;
}

Status WriteSpecialCharacters(SettingsStore& store, const SpecialCharacters& characters) {
  for (std::size_t i = 0; i < kSpecialCodeNames.size(); ++i) {
    if (Status written = store.WriteString(kSpecialCharactersSection, kSpecialCodeNames[i], characters.codes[i]);
        !written) {
      return written;
    }
  }
  return store.WriteString(kSpecialCharactersSection, kUnicodeChoiceName, characters.unicode_on_screen ? "1" : "0");
}

std::string GaijiNameSetting(const SpecialCharacters& characters) {
  std::string setting = characters.codes[0];
  if (characters.unicode_on_screen) setting += kUnicodeGaijiMark;
  return setting;
}

void UseGaijiStandIn(const SpecialCharacters& characters) {
  std::optional<std::string> stand_in = CharacterOfShiftJisCode(characters.codes[0]);
  if (!stand_in) stand_in = CharacterOfShiftJisCode(kDefaultGaiji1);
  SetShiftJisStandIn(kUnicodeGaijiCharacter, stand_in.value_or(""));
}

}  // namespace kirvo
