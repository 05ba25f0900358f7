#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// The void branches (空亡) of a day pillar: the two branches its decade of the sixty-pillar cycle
// (旬) leaves out, as one text of two branch names ("戌亥" for 甲子 … 癸酉). Empty when the texts are
// not a stem name and a branch name of equal polarity.
std::string VoidBranchesOf(std::string_view day_stem_text, std::string_view day_branch_text);

// Void kind of a pillar's branch: 真 when the branch has the day stem's polarity, 半 when not.
enum class VoidKind { kTrue = 0, kHalf = 1 };
inline constexpr std::array<std::string_view, 2> kVoidKindNames = {"真", "半"};

// The void kind of a pillar with branch text `pillar_branch_text`, given the void text of the day
// pillar and the day stem text; nothing when the pillar's branch is not void (an empty or unknown
// branch text included) or the day stem text is no stem name.
std::optional<VoidKind> VoidKindOf(std::string_view void_text, std::string_view pillar_branch_text,
                                   std::string_view day_stem_text);

}  // namespace kirvo
