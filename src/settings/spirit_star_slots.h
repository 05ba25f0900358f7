#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// The spirit-star slots: the row labels of the tables `SiSG` (slots 0..39), `SKSG` (slots 0..18)
// and `SSSG` (slots 19..39). Slots 0 and 19 are empty: the corner label and a separating row.
inline constexpr int kSpiritStarSlotCount = 40;
// The slot whose second character the user may redraw as a user-defined glyph.
inline constexpr int kGaijiSlot = 33;
// Per-user code of that character: 4 hex digits of a two-byte Shift-JIS code (正).
inline constexpr std::string_view kDefaultGaiji1 = "90B3";

// One slot: its name (at most 8 Shift-JIS bytes) and whether `SiSG` shows it by default for the
// year, month, day and hour pillar ("デフォルトに戻す").
struct SpiritStarSlot {
  std::string_view name;
  std::array<int, 4> shown;
};

// clang-format off
inline constexpr std::array<SpiritStarSlot, kSpiritStarSlotCount> kSpiritStarSlots = {{
    {"",         {0, 0, 0, 0}},
    {"太極貴人", {1, 0, 0, 0}},
    {"天乙貴人", {0, 1, 1, 1}},
    {"天官貴人", {1, 1, 1, 0}},
    {"福星貴人", {1, 1, 1, 1}},
    {"天厨貴人", {1, 1, 1, 0}},
    {"文星貴人", {1, 1, 1, 1}},
    {"節度貴人", {1, 1, 1, 1}},
    {"三奇貴人", {1, 0, 0, 0}},
    {"暗禄",     {1, 1, 1, 1}},
    {"干禄",     {1, 1, 1, 0}},
    {"金与",     {0, 0, 1, 0}},
    {"紅艶",     {1, 1, 1, 1}},
    {"流霞",     {1, 1, 1, 1}},
    {"羊刃",     {1, 1, 1, 1}},
    {"飛刃",     {1, 1, 1, 0}},
    {"日刃",     {0, 0, 1, 1}},
    {"夾禄",     {1, 1, 1, 1}},
    {"学士",     {0, 0, 1, 0}},
    {"",         {0, 0, 0, 0}},
    {"天徳",     {0, 1, 1, 1}},
    {"月徳",     {0, 1, 1, 1}},
    {"天徳合",   {1, 1, 1, 1}},
    {"月徳合",   {1, 1, 1, 1}},
    {"華蓋",     {1, 0, 0, 0}},
    {"金鎖",     {1, 1, 1, 1}},
    {"断橋",     {1, 1, 1, 1}},
    {"血刃",     {1, 1, 1, 1}},
    {"血支",     {1, 1, 1, 1}},
    {"天耗",     {1, 1, 1, 1}},
    {"地耗",     {1, 1, 1, 1}},
    {"白衣",     {1, 1, 1, 0}},
    {"駅馬",     {1, 0, 0, 0}},
    {"魁正",     {0, 1, 1, 1}},
    {"咸池",     {1, 0, 1, 0}},
    {"劫殺",     {1, 0, 1, 0}},
    {"亡神",     {1, 0, 1, 0}},
    {"白虎殺",   {1, 0, 1, 0}},
    {"孤辰",     {1, 0, 1, 0}},
    {"寡宿",     {1, 0, 1, 0}},
}};
// clang-format on

using SpiritStarSlotNames = std::array<std::string, kSpiritStarSlotCount>;

// The character whose Shift-JIS code is the 4 hex digits of `code` ("90B3" is 正), or nothing when
// the text is not 4 hex digits or the two bytes are not one double-byte character.
std::optional<std::string> CharacterOfShiftJisCode(std::string_view code);

// The real character of slot 33's name, which Shift-JIS lacks; a name setting ending in
// kUnicodeGaijiMark shows it on screen in place of the code's character.
inline constexpr std::string_view kUnicodeGaijiCharacter = "罡";
inline constexpr std::string_view kUnicodeGaijiMark = "+U";

// The slot names, slot 33 being "魁" followed by the character of `gaiji1` (or 罡 when `gaiji1`
// ends in kUnicodeGaijiMark); an unusable code falls back to kDefaultGaiji1.
SpiritStarSlotNames SpiritStarSlotNamesFor(std::string_view gaiji1);

}  // namespace kirvo
