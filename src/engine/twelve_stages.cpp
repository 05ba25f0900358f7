#include "engine/twelve_stages.h"

namespace kirvo {

namespace {

// The branch of 長生 for each stem. The yin stems start where the yang stem of the same element
// dies (死), and 戊己 follow 丙丁.
constexpr std::array<Branch, 10> kLongLifeBranch = {
    // 甲 乙 丙 丁 戊 己 庚 辛 壬 癸
    11, 6, 2, 9, 2, 9, 5, 0, 8, 3,  // 亥 午 寅 酉 寅 酉 巳 子 申 卯
};

constexpr bool IsStem(Stem stem) { return stem >= 0 && stem < kNoStem; }
constexpr bool IsBranch(Branch branch) { return branch >= 0 && branch < 12; }
constexpr bool IsStage(TwelveStage stage) { return stage >= 0 && stage < kNoTwelveStage; }

}  // namespace

TwelveStage TwelveStageOf(Stem stem, Branch branch) {
  if (!IsStem(stem) || !IsBranch(branch)) return kNoTwelveStage;
  const int steps = IsYang(stem) ? branch - kLongLifeBranch[stem] : kLongLifeBranch[stem] - branch;  // -11..11
  return (steps + 12) % 12;
}

Branch BranchOfTwelveStage(Stem stem, TwelveStage stage) {
  if (!IsStem(stem) || !IsStage(stage)) return -1;
  const int steps = IsYang(stem) ? stage : -stage;  // -11..11
  return (kLongLifeBranch[stem] + steps + 12) % 12;
}

std::string_view TwelveStageText(TwelveStage stage) {
  return IsStage(stage) ? kTwelveStageTexts[stage] : std::string_view{};
}

}  // namespace kirvo
