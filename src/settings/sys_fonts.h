#pragma once

#include <string>
#include <string_view>

#include "platform/rgb_colour.h"

namespace kirvo {

// A font choice as data; the desktop layer turns it into its toolkit's font.
struct FontSpec {
  std::string name;  // family name
  int size_points = 10;
  int style = 0;  // bit set of the FontStyle bits
  Rgb colour = kBlack;
  bool operator==(const FontSpec&) const = default;
};

enum FontStyle : int {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};
inline constexpr int kFontStyleMask = 15;
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 1638;  // the largest size a font dialog offers

// The stored fonts, each in a section of SysF.ini named after its key with the keys below; the
// chart-cell font `MeiFont` is not stored: every run starts with the built-in one.
inline constexpr std::string_view kSetuFontSection = "SetuFont";  // explanation texts ("説明文")
inline constexpr std::string_view kSysFontSection = "SysFont";    // the whole program ("システム")
inline constexpr std::string_view kFontSizeKey = "Size";
inline constexpr std::string_view kFontStyleKey = "Style";
inline constexpr std::string_view kFontNameKey = "Name";
inline constexpr std::string_view kFontColorKey = "Color";

FontSpec DefaultSetuFont();
FontSpec DefaultSysFont();
FontSpec BuiltInMeiFont();

// The label the dialog shows beside a font: its name and size followed by "point" ("Serif 12point").
std::string FontLabel(const FontSpec& font);

}  // namespace kirvo
