#pragma once

#include <string_view>

#include "platform/outcome.h"

namespace kirvo {

// Whether a person's name as entered can be kept: valid UTF-8, every character with a Shift-JIS
// code (the files holding names are Shift-JIS), no control character, and neither a half-width ","
// nor "&" — the person files separate their fields with ",", and "&" marks a shortcut key in the
// menus that list names. The failure is a message for the user.
Status CheckEnteredName(std::string_view utf8);

}  // namespace kirvo
