#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/outcome.h"
#include "platform/settings_store.h"

namespace kirvo {

// The special characters of the per-user store, section "Sys": three Shift-JIS codes of four hex
// digits ("Gaiji1" is the second character of the spirit-star name 魁…; the other two are kept as
// they are), and whether the screen shows that name with its real character 罡 ("GaijiUnicode"),
// which Shift-JIS lacks, so files still get the character of "Gaiji1".
inline constexpr std::string_view kSpecialCharactersSection = "Sys";
inline constexpr std::array<std::string_view, 3> kSpecialCodeNames = {"Gaiji1", "Gaiji2", "Gaiji3"};
inline constexpr std::array<std::string_view, 3> kDefaultSpecialCodes = {"90B3", "B4B2", "93AB"};
inline constexpr std::string_view kUnicodeChoiceName = "GaijiUnicode";

struct SpecialCharacters {
  std::array<std::string, 3> codes{std::string(kDefaultSpecialCodes[0]), std::string(kDefaultSpecialCodes[1]),
                                   std::string(kDefaultSpecialCodes[2])};
  bool unicode_on_screen = false;

  bool operator==(const SpecialCharacters&) const = default;
};

// A value missing from the store reads as its default.
SpecialCharacters ReadSpecialCharacters(const SettingsStore& store);
Status WriteSpecialCharacters(SettingsStore& store, const SpecialCharacters& characters);

// What the spirit-star names are built from (SpiritStarSlotNamesFor): the first code, marked when
// the screen shows 罡.
std::string GaijiNameSetting(const SpecialCharacters& characters);

// Makes every Shift-JIS file write 罡 as the character of the first code, so a name shown as 魁罡
// is written as it always was. Run at start-up, when the settings are read.
void UseGaijiStandIn(const SpecialCharacters& characters);

}  // namespace kirvo
