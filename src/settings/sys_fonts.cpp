#include "settings/sys_fonts.h"

namespace kirvo {

// Generic family names: the desktop layer resolves them to an installed Japanese face.
FontSpec DefaultSetuFont() { return {"Sans Serif", 11, 0, kBlack}; }
FontSpec DefaultSysFont() { return {"Sans Serif", 9, 0, kBlack}; }
FontSpec BuiltInMeiFont() { return {"Serif", 16, kFontBold, kBlack}; }

std::string FontLabel(const FontSpec& font) { return font.name + " " + std::to_string(font.size_points) + "point"; }

}  // namespace kirvo
