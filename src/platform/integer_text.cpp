#include "platform/integer_text.h"

#include <charconv>
#include <string>

namespace kirvo {

std::optional<long long> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> IntegerTextProblem(std::string_view text, int max, int min) {
  const std::optional<long long> value = ParseInteger(text);
  const char* reason = nullptr;
  if (!value) {
    reason = "」は整数ではありません";
  } else if (*value < min) {
    reason = "」は設定可能最小値より小さな値です";
  } else if (*value > max) {
    reason = "」は設定可能最大値より大きな値です";
  } else {
    return std::nullopt;
  }
  return "「" + std::string(text) + reason;
}

std::string SpacePadded(int value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string ZeroPadded(int value, std::size_t width) {
  std::string text = std::to_string(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  if (text.size() < width) text.insert(sign, width - text.size(), '0');
  return text;
}

}  // namespace kirvo
