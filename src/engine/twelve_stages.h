#pragma once

#include <array>
#include <string_view>

#include "calendar/sexagenary.h"

namespace kirvo {

// Twelve-stage index (十二運): 0 長生, 1 沐浴, 2 冠帯, 3 建禄, 4 帝旺, 5 衰, 6 病, 7 死, 8 墓, 9 絶,
// 10 胎, 11 養; 12 = none.
using TwelveStage = int;
inline constexpr TwelveStage kNoTwelveStage = 12;
inline constexpr TwelveStage kLongLife = 0, kBath = 1, kCapAndBelt = 2, kProsperity = 3, kPeak = 4, kDecline = 5,
                             kSickness = 6, kDeath = 7, kGrave = 8, kExtinction = 9, kConception = 10, kNurture = 11;

// The texts written into chart cells, each 4 Shift-JIS bytes: a one-character stage has a half-width
// blank on either side.
inline constexpr std::array<std::string_view, 12> kTwelveStageTexts = {
    "長生", "沐浴", "冠帯", "建禄", "帝旺", " 衰 ", " 病 ", " 死 ", " 墓 ", " 絶 ", " 胎 ", " 養 "};

// The stage of stem `stem` on branch `branch`. A yang stem moves forward through the stages as the
// branch index rises from its 長生 branch, a yin stem backward. kNoTwelveStage when the stem is no
// stem 0..9 or the branch no branch 0..11.
TwelveStage TwelveStageOf(Stem stem, Branch branch);

// The branch on which `stem` stands in `stage` (for example its 建禄 or 帝旺 branch); -1 when either
// is out of range.
Branch BranchOfTwelveStage(Stem stem, TwelveStage stage);

// The cell text of a stage; empty for kNoTwelveStage.
std::string_view TwelveStageText(TwelveStage stage);

}  // namespace kirvo
