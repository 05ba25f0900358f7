#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// The whole text as a signed decimal integer, or nothing.
std::optional<long long> ParseInteger(std::string_view text);

// Why `text` is not an integer with min ≤ value ≤ max, as the settings dialogs word it
// ("「text」は整数ではありません" ...), or nothing when it is one.
std::optional<std::string> IntegerTextProblem(std::string_view text, int max, int min);

}  // namespace kirvo
