#include "calendar/sexagenary.h"

namespace kirvo {

std::string Kanshi::Text() const {
  std::string text(kStemNames[stem]);
  text += kBranchNames[branch];
  return text;
}

Stem StemIndexOf(std::string_view text) {
  for (Stem stem = 0; stem < 10; ++stem) {
    if (text == kStemNames[stem]) return stem;
  }
  return kNoStem;
}

Branch BranchIndexOf(std::string_view text) {
  for (Branch branch = 0; branch < 12; ++branch) {
    if (text == kBranchNames[branch]) return branch;
  }
  return 0;
}

int SexIndexOf(std::string_view text) { return text == kSexNames[0] ? 0 : 1; }

const TenGodNames& DefaultTenGodNames() {
  static const TenGodNames kNames = {"比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬"};
  return kNames;
}

// Each element's colour group: the element, its stems and branches, then the two ten-gods of that
// element as seen from the day master (比肩/劫財 for 木 ... 偏印/印綬 for 水) under their display names.
// Every cell of every chart asks for its group, so the group texts are not built for a text of one
// character: UTF-8 never matches part of a character, so such a text lies within one of the three
// pieces or nowhere. Longer texts may straddle two pieces and are looked up in the joined text.
Element ElementGroupOf(std::string_view text, const TenGodNames& ten_god_names) {
  if (text.empty()) return kNoElement;
  static constexpr std::array<std::string_view, 5> kFixedParts = {
      "木甲乙寅卯", "火丙丁巳午", "土戊己丑辰未戌", "金庚辛申酉", "水壬癸子亥"};
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t first_character_bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  thread_local std::string group;
  for (Element element = 0; element < 5; ++element) {
    const std::string& first_name = ten_god_names[2 * element];
    const std::string& second_name = ten_god_names[2 * element + 1];
    if (text.size() == first_character_bytes) {
      if (kFixedParts[element].find(text) != std::string_view::npos || first_name.find(text) != std::string::npos ||
          second_name.find(text) != std::string::npos) {
        return element;
      }
      continue;
    }
    group.assign(kFixedParts[element]);
    group += first_name;
    group += second_name;
    if (group.find(text) != std::string::npos) return element;
  }
  return kNoElement;
}

}  // namespace kirvo
