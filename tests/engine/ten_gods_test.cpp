#include "engine/ten_gods.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace kirvo {
namespace {

// The ten-god table of the literature: row = day master, column = the other stem, 甲 … 癸.
// clang-format off
constexpr std::array<std::array<std::string_view, 10>, 10> kTenGodTable = {{
    {"比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬"},  // 甲
    {"劫財", "比肩", "傷官", "食神", "正財", "偏財", "正官", "偏官", "印綬", "偏印"},  // 乙
    {"偏印", "印綬", "比肩", "劫財", "食神", "傷官", "偏財", "正財", "偏官", "正官"},  // 丙
    {"印綬", "偏印", "劫財", "比肩", "傷官", "食神", "正財", "偏財", "正官", "偏官"},  // 丁
    {"偏官", "正官", "偏印", "印綬", "比肩", "劫財", "食神", "傷官", "偏財", "正財"},  // 戊
    {"正官", "偏官", "印綬", "偏印", "劫財", "比肩", "傷官", "食神", "正財", "偏財"},  // 己
    {"偏財", "正財", "偏官", "正官", "偏印", "印綬", "比肩", "劫財", "食神", "傷官"},  // 庚
    {"正財", "偏財", "正官", "偏官", "印綬", "偏印", "劫財", "比肩", "傷官", "食神"},  // 辛
    {"食神", "傷官", "偏財", "正財", "偏官", "正官", "偏印", "印綬", "比肩", "劫財"},  // 壬
    {"傷官", "食神", "正財", "偏財", "正官", "偏官", "印綬", "偏印", "劫財", "比肩"},  // 癸
}};
// clang-format on

TEST(TenGods, EveryPairOfStemsMatchesTheTable) {
  for (Stem day_master = 0; day_master < 10; ++day_master) {
    for (Stem other = 0; other < 10; ++other) {
      const TenGod ten_god = TenGodOf(day_master, other);
      EXPECT_EQ(TenGodName(ten_god, DefaultTenGodNames()), kTenGodTable[day_master][other])
          << kStemNames[day_master] << " / " << kStemNames[other];
      EXPECT_EQ(TenGodIndexOf(kTenGodTable[day_master][other], DefaultTenGodNames()), ten_god);
    }
  }
}

TEST(TenGods, NoStemGivesNoTenGodAndNoName) {
  for (const auto& [day_master, other] : {std::pair{kNoStem, 0}, {0, kNoStem}, {-1, 3}, {4, 11}}) {
    EXPECT_EQ(TenGodOf(day_master, other), kNoTenGod) << day_master << " / " << other;
  }
  EXPECT_EQ(TenGodName(kNoTenGod, DefaultTenGodNames()), "");
  EXPECT_EQ(TenGodName(-1, DefaultTenGodNames()), "");
}

TEST(TenGods, RenamedStarsAreWrittenAndReadBackByTheirNewName) {
  TenGodNames names = DefaultTenGodNames();
  names[8] = "梟神";
  EXPECT_EQ(TenGodName(TenGodOf(0, 8), names), "梟神");  // 壬 seen from 甲
  EXPECT_EQ(TenGodIndexOf("梟神", names), 8);
  EXPECT_EQ(TenGodIndexOf("偏印", names), kNoTenGod);
  EXPECT_EQ(TenGodIndexOf("", names), kNoTenGod);
}

TEST(ElementRelations, FollowTheGeneratingCycleFromTheDayMaster) {
  struct Case {
    Element day_master, other;
    ElementRelation expected;
  };
  constexpr Case kCases[] = {
      {0, 0, 0},  // 木 木: same
      {0, 1, 1},  // 木 generates 火
      {0, 2, 2},  // 木 overcomes 土
      {0, 3, 3},  // 金 overcomes 木
      {0, 4, 4},  // 水 generates 木
      {4, 0, 1},  // 水 generates 木
      {3, 1, 3},  // 火 overcomes 金
      {2, 5, kNoElementRelation},
      {5, 2, kNoElementRelation},
  };
  for (const Case& c : kCases) EXPECT_EQ(ElementRelationOf(c.day_master, c.other), c.expected) << c.day_master << c.other;
}

}  // namespace
}  // namespace kirvo
