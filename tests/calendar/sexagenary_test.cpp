#include "calendar/sexagenary.h"

#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace kirvo {
namespace {

TEST(NameLookups, FailQuietlyWithTheirSentinels) {
  EXPECT_EQ(StemIndexOf(""), std::nullopt);
  EXPECT_EQ(BranchIndexOf(""), std::nullopt);
  EXPECT_EQ(StemIndexOf("甲子"), std::nullopt);
  EXPECT_EQ(BranchIndexOf("x"), std::nullopt);
  EXPECT_EQ(BranchIndexOf("子丑"), std::nullopt);
  for (Stem s = 0; s < 10; ++s) EXPECT_EQ(StemIndexOf(kStemNames[s]), s);
  for (Branch b = 0; b < 12; ++b) EXPECT_EQ(BranchIndexOf(kBranchNames[b]), b);
}

TEST(ElementGroupOf, FindsTheFirstGroupContainingTheText) {
  const struct {
    const char* text;
    Element group;
  } cases[] = {
      {"土", 2}, {"亥", 4}, {"比肩", 0}, {"印綬", 4}, {"正官", 3}, {"甲子", 5}, {"", 5}, {"未", 2}, {"x", 5},
  };
  for (const auto& c : cases) EXPECT_EQ(ElementGroupOf(c.text, DefaultTenGodNames()), c.group) << c.text;
}

TEST(ElementGroupOf, FindsARenamedTenGodOnlyUnderItsNewName) {
  TenGodNames names = DefaultTenGodNames();
  names[6] = "七殺";  // 偏官 shown as 七殺
  EXPECT_EQ(ElementGroupOf("七殺", names), 3);
  EXPECT_EQ(ElementGroupOf("偏官", names), 5);
}

// The table-backed lookup must agree with the plain one, renamed ten-gods included: here 比肩 is
// renamed "丙肩", so 丙 is found first in the 木 group's names, and 食神 "食1", an ASCII digit in
// the 火 group. A one-character text is also looked up by its code point.
TEST(ElementGroups, AgreesWithTheLookupForEveryKindOfText) {
  TenGodNames renamed = DefaultTenGodNames();
  renamed[0] = "丙肩";
  renamed[2] = "食1";
  for (const TenGodNames* names : {&DefaultTenGodNames(), static_cast<const TenGodNames*>(&renamed)}) {
    const ElementGroups groups(*names);
    for (const char* text : {"甲", "丙", "子", "亥", "土", "比肩", "丙肩", "卯丙", "甲子", "", "x", "肩", "1", "食"}) {
      EXPECT_EQ(groups.Of(text), ElementGroupOf(text, *names)) << text;
      const std::string_view one(text);
      if (!one.empty() && DecodeUtf8Char(one, 0).length == one.size()) {
        EXPECT_EQ(groups.OfCharacter(DecodeUtf8Char(one, 0).code_point), ElementGroupOf(text, *names)) << text;
      }
    }
  }
  EXPECT_EQ(ElementGroups(renamed).Of("丙"), 0);
}

TEST(CycleIndex, PairsOnlyStemsAndBranchesOfEqualPolarity) {
  EXPECT_EQ(CycleIndex(0, 0), 0);    // 甲子
  EXPECT_EQ(CycleIndex(9, 11), 59);  // 癸亥
  EXPECT_EQ(CycleIndex(2, 2), 2);    // 丙寅
  EXPECT_EQ(CycleIndex(0, 1), -1);   // 甲丑
  for (int i = 0; i < 60; ++i) {
    const Kanshi k = KanshiOfCycleIndex(i);
    EXPECT_EQ(CycleIndex(k.stem, k.branch), i);
    EXPECT_EQ(k.Advanced(61), KanshiOfCycleIndex((i + 1) % 60));
    EXPECT_EQ(k.Advanced(-1), KanshiOfCycleIndex((i + 59) % 60));
  }
  EXPECT_EQ(KanshiOfCycleIndex(0).Text(), "甲子");
}

}  // namespace
}  // namespace kirvo
