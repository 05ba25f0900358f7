#include "presentation/services/splash_texts.h"

#include <algorithm>
#include <vector>

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {
namespace {

constexpr std::size_t kVersionCharacters = 10;
constexpr std::size_t kVersionSuffixCharacters = 7;  // " Ver1.54"'s "Ver1.54"

// Byte offsets of the characters of a text, with its end as the last entry.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t at = 0; at < text.size(); at += std::max<std::size_t>(1, DecodeUtf8Char(text, at).length)) {
    starts.push_back(at);
  }
  starts.push_back(text.size());
  return starts;
}

}  // namespace

SplashTexts SplashTextsOf(std::string_view title) {
  SplashTexts texts;
  const std::vector<std::size_t> starts = CharacterStarts(title);
  const std::size_t characters = starts.size() - 1;

  if (const std::size_t ver = title.find("Ver"); ver != std::string_view::npos) {
    const auto first = std::find(starts.begin(), starts.end(), ver);
    const std::size_t from = static_cast<std::size_t>(first - starts.begin());
    const std::size_t to = std::min(characters, from + kVersionCharacters);
    texts.version = std::string(title.substr(starts[from], starts[to] - starts[from]));
  }
  const std::size_t kept = characters > kVersionSuffixCharacters ? characters - kVersionSuffixCharacters : 0;
  texts.name = std::string(title.substr(0, starts[kept]));
  texts.long_name = ShiftJisWidth(texts.name) > kSplashLongNameBytes;
  return texts;
}

}  // namespace kirvo
