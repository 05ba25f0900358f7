#include "calendar/sexagenary.h"

#include <algorithm>

#include "platform/utf8.h"

namespace kirvo {

std::string Kanshi::Text() const {
  std::string text(kStemNames[stem]);
  text += kBranchNames[branch];
  return text;
}

const TenGodNames& DefaultTenGodNames() {
  static const TenGodNames kNames = {"比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬"};
  return kNames;
}

// Each element's colour group: the element, its stems and branches, then the two ten-gods of that
// element as seen from the day master (比肩/劫財 for 木 ... 偏印/印綬 for 水) under their display names.
namespace {

constexpr std::array<std::string_view, 5> kFixedGroupParts = {"木甲乙寅卯", "火丙丁巳午", "土戊己丑辰未戌", "金庚辛申酉",
                                                              "水壬癸子亥"};

}  // namespace

Element ElementGroupOf(std::string_view text, const TenGodNames& ten_god_names) {
  if (text.empty()) return kNoElement;
  for (Element element = 0; element < 5; ++element) {
    const std::string group =
        std::string(kFixedGroupParts[element]) + ten_god_names[2 * element] + ten_god_names[2 * element + 1];
    if (group.find(text) != std::string::npos) return element;
  }
  return kNoElement;
}

ElementGroups::ElementGroups(const TenGodNames& ten_god_names) {
  auto tables = std::make_shared<Tables>();
  tables->names = ten_god_names;
  for (Element element = 0; element < 5; ++element) {
    tables->groups[element] =
        std::string(kFixedGroupParts[element]) + ten_god_names[2 * element] + ten_god_names[2 * element + 1];
  }
  tables_ = tables;
  for (Stem stem = 0; stem < 10; ++stem) tables->stem_groups[stem] = Search(kStemNames[stem]);
  for (Branch branch = 0; branch < 12; ++branch) tables->branch_groups[branch] = Search(kBranchNames[branch]);
  for (char ascii = 0; ascii >= 0; ++ascii) tables->ascii_groups[ascii] = Search(std::string_view(&ascii, 1));
  // A whole character of valid UTF-8 is found in a group text only at one of its characters.
  for (Element element = 0; element < 5; ++element) {
    const std::string& group = tables->groups[element];
    for (std::size_t at = 0; at < group.size();) {
      const Utf8Char c = DecodeUtf8Char(group, at);
      if (c.valid) tables->characters.emplace_back(c.code_point, element);
      at += c.length > 0 ? c.length : 1;
    }
  }
  std::stable_sort(tables->characters.begin(), tables->characters.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
}

Element ElementGroups::OfCharacter(char32_t code_point) const {
  // Digits, signs and blanks fill the number tables: an ASCII character is its one-byte text.
  if (code_point < 0x80) return tables_->ascii_groups[static_cast<std::size_t>(code_point)];
  const auto& characters = tables_->characters;
  const auto found = std::lower_bound(characters.begin(), characters.end(), code_point,
                                      [](const auto& entry, char32_t code) { return entry.first < code; });
  return found != characters.end() && found->first == code_point ? found->second : kNoElement;
}

ElementGroups ElementGroups::For(const TenGodNames& ten_god_names) {
  thread_local ElementGroups last(ten_god_names);
  if (last.tables_->names != ten_god_names) last = ElementGroups(ten_god_names);
  return last;
}

Element ElementGroups::Search(std::string_view text) const {
  if (text.empty()) return kNoElement;
  for (Element element = 0; element < 5; ++element) {
    if (tables_->groups[element].find(text) != std::string::npos) return element;
  }
  return kNoElement;
}

}  // namespace kirvo
