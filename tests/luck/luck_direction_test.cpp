#include "luck/luck_direction.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

constexpr Stem kYang = 0;  // 甲
constexpr Stem kYin = 1;   // 乙
constexpr auto kByYearStem = LuckDirectionRule::kByYearStem;
constexpr auto kByDayStem = LuckDirectionRule::kByDayStem;
constexpr auto kAlwaysForward = LuckDirectionRule::kAlwaysForward;
constexpr auto kAlwaysReverse = LuckDirectionRule::kAlwaysReverse;
constexpr Sex kMan = Sex::kMale;
constexpr Sex kWoman = Sex::kFemale;

struct DirectionCase {
  LuckDirectionRule rule;  // DaiRG
  Sex sex;
  Stem year_stem;
  Stem day_stem;
  int expected;
};

TEST(LuckDirection, FollowsTheRuleTheSexAndThePolarityOfTheChosenStem) {
  constexpr DirectionCase kCases[] = {
      // 年干による: a yang year gives 順 to a man, 逆 to a woman; a yin year the other way round.
      {kByYearStem, kMan, kYang, kYin, kForward},
      {kByYearStem, kWoman, kYang, kYin, kReverse},
      {kByYearStem, kMan, kYin, kYang, kReverse},
      {kByYearStem, kWoman, kYin, kYang, kForward},
      // 日干による: the same chart (yang year, yin day) reverses for both sexes.
      {kByDayStem, kMan, kYang, kYin, kReverse},
      {kByDayStem, kWoman, kYang, kYin, kForward},
      // Fixed directions ignore sex and stems.
      {kAlwaysForward, kWoman, kYang, kYang, kForward},
      {kAlwaysReverse, kMan, kYang, kYang, kReverse},
  };
  for (const DirectionCase& c : kCases) {
    EXPECT_EQ(LuckDirectionOf(c.sex, c.year_stem, c.day_stem, c.rule), c.expected)
        << "DaiRG " << static_cast<int>(c.rule) << " sex " << SexName(c.sex) << " year stem " << c.year_stem << " day stem "
        << c.day_stem;
  }
}

}  // namespace
}  // namespace kirvo
