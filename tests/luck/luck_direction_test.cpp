#include "luck/luck_direction.h"

#include <gtest/gtest.h>

#include "settings/program_settings.h"

namespace kirvo {
namespace {

constexpr Stem kYang = 0;  // 甲
constexpr Stem kYin = 1;   // 乙

struct DirectionCase {
  int rule;  // DaiRG
  int sex;
  Stem year_stem;
  Stem day_stem;
  int expected;
};

TEST(LuckDirection, FollowsTheRuleTheSexAndThePolarityOfTheChosenStem) {
  constexpr DirectionCase kCases[] = {
      // 年干による: a yang year gives 順 to a man, 逆 to a woman; a yin year the other way round.
      {0, 0, kYang, kYin, kForward},
      {0, 1, kYang, kYin, kReverse},
      {0, 0, kYin, kYang, kReverse},
      {0, 1, kYin, kYang, kForward},
      // 日干による: the same chart (yang year, yin day) reverses for both sexes.
      {3, 0, kYang, kYin, kReverse},
      {3, 1, kYang, kYin, kForward},
      // Fixed directions ignore sex and stems.
      {1, 1, kYang, kYang, kForward},
      {2, 0, kYang, kYang, kReverse},
  };
  ProgramSettings settings = ShippedSettings();
  for (const DirectionCase& c : kCases) {
    settings.usys.SetChoice("DaiRG", c.rule);
    EXPECT_EQ(LuckDirectionOf(c.sex, c.year_stem, c.day_stem, settings.usys), c.expected)
        << "DaiRG " << c.rule << " sex " << c.sex << " year stem " << c.year_stem << " day stem " << c.day_stem;
  }
}

}  // namespace
}  // namespace kirvo
