#pragma once

#include <string_view>

namespace kirvo {

// The UTF-8 text of a file shipped with the program ("USysF.ini", "SysF.ini", "Default.zou",
// "KakuSetu.dat", "SinSetu.dat", "MemoF.ini", "Memo.Dat"), built into the program so that the
// command-line tool has its defaults without a program folder.
// Empty for an unknown name.
std::string_view ShippedText(std::string_view name);

}  // namespace kirvo
