#include "engine/twelve_stages.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "platform/shift_jis.h"

namespace kirvo {
namespace {

// The twelve-stage table of the literature: row = stem 甲 … 癸, column = branch 子 … 亥.
// clang-format off
constexpr std::array<std::array<std::string_view, 12>, 10> kStageTable = {{
    {"沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養", "長生"},  // 甲
    {"病", "衰", "帝旺", "建禄", "冠帯", "沐浴", "長生", "養", "胎", "絶", "墓", "死"},  // 乙
    {"胎", "養", "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶"},  // 丙
    {"絶", "墓", "死", "病", "衰", "帝旺", "建禄", "冠帯", "沐浴", "長生", "養", "胎"},  // 丁
    {"胎", "養", "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶"},  // 戊
    {"絶", "墓", "死", "病", "衰", "帝旺", "建禄", "冠帯", "沐浴", "長生", "養", "胎"},  // 己
    {"死", "墓", "絶", "胎", "養", "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病"},  // 庚
    {"長生", "養", "胎", "絶", "墓", "死", "病", "衰", "帝旺", "建禄", "冠帯", "沐浴"},  // 辛
    {"帝旺", "衰", "病", "死", "墓", "絶", "胎", "養", "長生", "沐浴", "冠帯", "建禄"},  // 壬
    {"建禄", "冠帯", "沐浴", "長生", "養", "胎", "絶", "墓", "死", "病", "衰", "帝旺"},  // 癸
}};
// clang-format on

// A one-character stage is written with a half-width blank on either side.
std::string CellText(std::string_view stage) {
  return stage.size() == 3 ? " " + std::string(stage) + " " : std::string(stage);
}

TEST(TwelveStages, EveryStemOnEveryBranchMatchesTheTable) {
  for (Stem stem = 0; stem < 10; ++stem) {
    for (Branch branch = 0; branch < 12; ++branch) {
      EXPECT_EQ(TwelveStageText(TwelveStageOf(stem, branch)), CellText(kStageTable[stem][branch]))
          << kStemNames[stem] << kBranchNames[branch];
    }
  }
}

TEST(TwelveStages, CellTextsAreFourBytesWide) {
  for (const std::string_view text : kTwelveStageTexts) EXPECT_EQ(ShiftJisWidth(text), 4) << text;
}

TEST(TwelveStages, BranchOfAStageIsTheInverseLookup) {
  for (Stem stem = 0; stem < 10; ++stem) {
    for (TwelveStage stage = 0; stage < 12; ++stage) {
      EXPECT_EQ(TwelveStageOf(stem, BranchOfTwelveStage(stem, stage)), stage) << stem << " " << stage;
    }
  }
  // 禄 and 帝旺 of 甲 and 乙 lie on 寅 and 卯, crosswise.
  EXPECT_EQ(BranchOfTwelveStage(0, kProsperity), 2);
  EXPECT_EQ(BranchOfTwelveStage(0, kPeak), 3);
  EXPECT_EQ(BranchOfTwelveStage(1, kProsperity), 3);
  EXPECT_EQ(BranchOfTwelveStage(1, kPeak), 2);
}

TEST(TwelveStages, OutOfRangeGivesNoStage) {
  EXPECT_EQ(TwelveStageOf(kNoStem, 0), kNoTwelveStage);
  EXPECT_EQ(TwelveStageOf(0, 12), kNoTwelveStage);
  EXPECT_EQ(TwelveStageOf(-1, 0), kNoTwelveStage);
  EXPECT_EQ(TwelveStageText(kNoTwelveStage), "");
  EXPECT_EQ(BranchOfTwelveStage(0, kNoTwelveStage), -1);
}

}  // namespace
}  // namespace kirvo
