#include "engine/void_branches.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/sexagenary.h"

namespace kirvo {
namespace {

TEST(VoidBranches, AreTheTwoBranchesTheDecadeLeavesOut) {
  for (int index = 0; index < 60; ++index) {
    const Kanshi pillar = KanshiOfCycleIndex(index);
    const Kanshi decade_head = KanshiOfCycleIndex(index - index % 10);  // the 甲 pillar of its decade
    const std::string expected = std::string(kBranchNames[(decade_head.branch + 10) % 12]) +
                                 std::string(kBranchNames[(decade_head.branch + 11) % 12]);
    EXPECT_EQ(VoidBranchesOf(kStemNames[pillar.stem], kBranchNames[pillar.branch]), expected) << pillar.Text();
  }
}

TEST(VoidBranches, PinnedPillarsAndTextsThatAreNoPillar) {
  struct Case {
    const char* stem;
    const char* branch;
    const char* expected;
  };
  constexpr Case kCases[] = {
      {"甲", "子", "戌亥"}, {"乙", "丑", "戌亥"}, {"癸", "亥", "子丑"}, {"癸", "卯", "辰巳"},
      {"丁", "丑", "申酉"}, {"甲", "丑", ""},     // polarities differ
      {"", "寅", ""},       {"甲", "", ""},       {"庚", "", ""},  // an empty branch is not 子
      {"木", "子", ""},
  };
  for (const Case& c : kCases) EXPECT_EQ(VoidBranchesOf(c.stem, c.branch), c.expected) << c.stem << c.branch;
}

TEST(VoidBranches, KindFollowsThePolarityOfTheDayStem) {
  struct Case {
    const char* void_text;
    const char* branch;
    const char* day_stem;
    std::optional<VoidKind> expected;
  };
  const Case kCases[] = {
      {"戌亥", "戌", "甲", VoidKind::kTrue}, {"戌亥", "亥", "甲", VoidKind::kHalf},
      {"戌亥", "戌", "乙", VoidKind::kHalf}, {"戌亥", "亥", "乙", VoidKind::kTrue},
      {"戌亥", "子", "甲", std::nullopt},    {"戌亥", "", "甲", std::nullopt},  // a blank hour column
      {"", "戌", "甲", std::nullopt},        {"戌亥", "戌", "", std::nullopt},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(VoidKindOf(c.void_text, c.branch, c.day_stem), c.expected) << c.void_text << c.branch << c.day_stem;
  }
}

}  // namespace
}  // namespace kirvo
