#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

class Interaction;

// The whole text as a signed decimal integer, or nothing.
std::optional<long long> ParseInteger(std::string_view text);

// Why `text` is not an integer with min ≤ value ≤ max, as the settings dialogs word it
// ("「text」は整数ではありません" ...), or nothing when it is one.
std::optional<std::string> IntegerTextProblem(std::string_view text, int max, int min);

// True when `text` is an integer with min ≤ value ≤ max. Otherwise beeps, shows why in a message
// box and returns false. Note the order: the maximum comes before the minimum.
bool ValidateIntegerText(std::string_view text, int max, int min, Interaction& interaction);

}  // namespace kirvo
