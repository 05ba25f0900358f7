#pragma once

namespace kirvo {

// Gives the program a Japanese font: the first installed of Noto Sans CJK JP and the IPA fonts,
// and maps the Windows faces the settings name ("ＭＳ ゴシック", "ＭＳ 明朝" ...) onto the installed
// ones. Call once the application object exists.
void UseJapaneseFonts();

}  // namespace kirvo
