#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/rgb_colour.h"
#include "calendar/sexagenary.h"

namespace kirvo {

// The panel colours `CP0` to `CP16` of the system settings, 24-bit RGB (0xRRGGBB). They are stored
// in the settings files as decimal integers of that value.
enum class PanelColour : std::size_t {
  kWood = 0,  // CP0..CP4: the element colours 木 火 土 金 水
  kFire = 1,
  kEarth = 2,
  kMetal = 3,
  kWater = 4,
  kLine1 = 5,
  kLine2 = 6,
  kLine3 = 7,
  kCorrelationBackground = 8,
  kStemBranchDiagramBackground = 9,
  kFixedPart = 10,
  kSelection = 11,
  kFixedGradientStart = 12,
  kFixedGradientEnd = 13,
  kFixedText = 14,
  kSpecialPart = 15,
  kMenuGradientEnd = 16,
};
inline constexpr std::size_t kPanelColourCount = 17;

using PanelColours = std::array<Rgb, kPanelColourCount>;

struct PanelColourRow {
  std::string_view key;
  std::string_view caption;
  Rgb dark;   // "濃いﾃﾞﾌｫﾙﾄ色"
  Rgb light;  // "淡いﾃﾞﾌｫﾙﾄ色"
};

// Keys, captions and the two sets of default colours, in key order.
// clang-format off
inline constexpr std::array<PanelColourRow, kPanelColourCount> kPanelColourRows = {{
    {"CP0",  "木",            0x00FF00, 0x80FF80},
    {"CP1",  "火",            0xFF0000, 0xFF68B4},
    {"CP2",  "土",            0x800000, 0xAD5A5A},
    {"CP3",  "金",            0xFFFF00, 0xFFFF80},
    {"CP4",  "水",            0x00FFFF, 0x80FFFF},
    {"CP5",  "線１",          0x0000FF, 0x0000FF},
    {"CP6",  "線２",          0xFFFF00, 0xFFFF00},
    {"CP7",  "線３",          0xFF0000, 0xFF0000},
    {"CP8",  "相関図背景",    0x000080, 0x000080},
    {"CP9",  "干支図背景",    0x808080, 0x808080},
    {"CP10", "固定部分の色",  0x004080, 0x0080C0},
    {"CP11", "選択部分の色",  0xFFFFC4, 0xF1F1DE},
    {"CP12", "固定部-開始色", 0x000000, 0xFFFFFF},
    {"CP13", "固定部-終了色", 0x004080, 0xC6D6DF},
    {"CP14", "固定部-文字色", 0xFFFFCE, 0x000000},
    {"CP15", "特定部分の色",  0x408080, 0x408080},
    {"CP16", "ﾒﾆｭｰ部-終了色", 0x0000FF, 0x808080},
}};
// clang-format on

inline constexpr Rgb kMaxRgb = 0xFFFFFF;

PanelColours LightDefaultColours();
PanelColours DarkDefaultColours();

inline Rgb ColourOf(const PanelColours& colours, PanelColour which) { return colours[static_cast<std::size_t>(which)]; }
// The colour of an element 0..4 (木火土金水); white for 5, the value of no element.
Rgb ElementColour(const PanelColours& colours, Element element);

}  // namespace kirvo
