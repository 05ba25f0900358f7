#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "settings/sys_fonts.h"

namespace kirvo {

// The settings and windows name fonts by the faces of the system the files come from
// ("ＭＳ ゴシック", "ＭＳ 明朝") or by generic names. One table maps them onto the installed Japanese
// faces, so that kanji take their Japanese shapes and no text falls back to a face without them:
// the Gothic faces onto Noto Sans CJK JP or IPA Gothic, the Mincho faces onto a Mincho (serif) CJK
// face.

// The installed face standing for `family`; an unknown face (or one with no stand-in installed)
// keeps its name.
QString InstalledFamilyOf(std::string_view family);

// The font of a font setting: the mapped family (with the Japanese Gothic as fallback), size,
// bold, italic, underline and strike-out. The colour stays with the caller.
QFont QFontOf(const FontSpec& setting);

// `family` in a fixed-pitch cut, for texts lined up in columns by spaces and box-drawing
// characters; the size is left to the widget's font.
QFont FixedPitchFontOf(std::string_view family);

// Gives the program its Japanese font (the installed stand-in of the generic sans-serif face, 9
// points) and makes the named faces resolve to their stand-ins wherever a face is named by text.
// Call once the application object exists.
void UseJapaneseFonts();

// The system font `SysFont` is the font of the whole program: every window that sets no font of its
// own takes it. Call once the system settings are read, and again when they change.
void UseProgramFont(const FontSpec& setting);

}  // namespace kirvo
