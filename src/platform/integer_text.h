#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// The whole text as a signed decimal integer, or nothing.
std::optional<long long> ParseInteger(std::string_view text);

// Why `text` is not an integer with min ≤ value ≤ max, as the settings dialogs word it
// ("「text」は整数ではありません" ...), or nothing when it is one.
std::optional<std::string> IntegerTextProblem(std::string_view text, int max, int min);

// `value` in decimal, right-aligned with spaces to `width` characters, as printf's "%<width>d"
// writes it (without printf, which costs more than the texts it writes for every chart).
std::string SpacePadded(int value, std::size_t width);
// `value` in decimal with zeros after the sign up to `width` characters, as printf's "%0<width>d".
std::string ZeroPadded(int value, std::size_t width);

}  // namespace kirvo
