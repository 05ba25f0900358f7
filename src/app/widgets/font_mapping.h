#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "settings/sys_fonts.h"

namespace kirvo {

// The settings name fonts by the faces of the system the files come from ("ＭＳ ゴシック",
// "ＭＳ 明朝") or by generic names; these map to the installed Japanese faces, so that kanji take
// their Japanese shapes and no text falls back to a face without them.
QString InstalledFamilyOf(std::string_view family);

// The font of a font setting: the mapped family (with the Japanese Gothic as fallback), size,
// bold, italic, underline and strike-out. The colour stays with the caller.
QFont QFontOf(const FontSpec& setting);

}  // namespace kirvo
