#include "calendar/sexagenary.h"

namespace kirvo {
namespace {

// Every stem and branch name is one three-byte character; its three bytes as one number make the
// lookups a comparison of numbers.
constexpr unsigned CharacterCode(std::string_view name) {
  return static_cast<unsigned>(static_cast<unsigned char>(name[0])) << 16 |
         static_cast<unsigned>(static_cast<unsigned char>(name[1])) << 8 | static_cast<unsigned char>(name[2]);
}

template <std::size_t N>
constexpr std::array<unsigned, N> CharacterCodes(const std::array<std::string_view, N>& names) {
  std::array<unsigned, N> codes{};
  for (std::size_t i = 0; i < N; ++i) codes[i] = CharacterCode(names[i]);
  return codes;
}

constexpr bool AllThreeBytes(const auto& names) {
  for (const std::string_view name : names) {
    if (name.size() != 3) return false;
  }
  return true;
}
static_assert(AllThreeBytes(kStemNames) && AllThreeBytes(kBranchNames));

constexpr std::array<unsigned, 10> kStemCodes = CharacterCodes(kStemNames);
constexpr std::array<unsigned, 12> kBranchCodes = CharacterCodes(kBranchNames);

}  // namespace

std::string Kanshi::Text() const {
  std::string text(kStemNames[stem]);
  text += kBranchNames[branch];
  return text;
}

std::optional<Stem> StemIndexOf(std::string_view text) {
  if (text.size() != 3) return std::nullopt;
  const unsigned code = CharacterCode(text);
  for (Stem stem = 0; stem < 10; ++stem) {
    if (code == kStemCodes[stem]) return stem;
  }
  return std::nullopt;
}

std::optional<Branch> BranchIndexOf(std::string_view text) {
  if (text.size() != 3) return std::nullopt;
  const unsigned code = CharacterCode(text);
  for (Branch branch = 0; branch < 12; ++branch) {
    if (code == kBranchCodes[branch]) return branch;
  }
  return std::nullopt;
}

int SexIndexOf(std::string_view text) { return text == kSexNames[0] ? 0 : 1; }

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

ElementGroups::ElementGroups(const TenGodNames& ten_god_names) : names_(ten_god_names) {
  for (Element element = 0; element < 5; ++element) {
    groups_[element] =
        std::string(kFixedGroupParts[element]) + ten_god_names[2 * element] + ten_god_names[2 * element + 1];
  }
  for (Stem stem = 0; stem < 10; ++stem) stem_groups_[stem] = Search(kStemNames[stem]);
  for (Branch branch = 0; branch < 12; ++branch) branch_groups_[branch] = Search(kBranchNames[branch]);
}

ElementGroups ElementGroups::For(const TenGodNames& ten_god_names) {
  thread_local ElementGroups last(ten_god_names);
  if (last.names_ != ten_god_names) last = ElementGroups(ten_god_names);
  return last;
}

Element ElementGroups::Search(std::string_view text) const {
  if (text.empty()) return kNoElement;
  for (Element element = 0; element < 5; ++element) {
    if (groups_[element].find(text) != std::string::npos) return element;
  }
  return kNoElement;
}

Element ElementGroups::Of(std::string_view text) const {
  if (text.size() == kStemNames[0].size()) {
    if (const std::optional<Stem> stem = StemIndexOf(text)) return stem_groups_[*stem];
    if (const std::optional<Branch> branch = BranchIndexOf(text)) return branch_groups_[*branch];
  }
  return Search(text);
}

}  // namespace kirvo
