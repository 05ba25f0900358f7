#include "presentation/time/date_search_form.h"

#include <gtest/gtest.h>

#include <set>

namespace kirvo {
namespace {

DateSearchForm FormOf(const PillarPattern& pattern) {
  DateSearchForm form;
  form.pattern = pattern;
  return form;
}

std::string RefusalOf(const DateSearchForm& form) {
  const auto checked = CheckDateSearchForm(form);
  const auto* refusal = std::get_if<SearchRefusal>(&checked);
  return refusal ? refusal->message : "searched";
}

// A pair that never occurs is answered at once, naming the pillar; pairs of the cycle are searched.
TEST(CheckDateSearchForm, APairThatNeverOccursIsRefusedAtOnce) {
  const struct {
    PillarPattern pattern;  // choices count from 1: 甲 = 1, 子 = 1, 丑 = 2
    const char* expected;
  } kCases[] = {
      {{1, 2, 0, 0, 0, 0, 0, 0}, "年柱の「甲丑」という干支はありません。"},
      {{0, 0, 0, 0, 0, 0, 2, 1}, "時柱の「乙子」という干支はありません。"},
      {{1, 1, 10, 3, 0, 0, 0, 0}, "月柱の「癸寅」という干支はありません。"},
      {{0, 0, 0, 0, 7, 12, 0, 0}, "日柱の「庚亥」という干支はありません。"},
      {{1, 1, 0, 0, 0, 0, 0, 0}, "searched"},  // 甲子
      {{2, 0, 0, 0, 0, 1, 0, 0}, "searched"},  // a stem and a branch of different pillars
      {{0, 0, 0, 0, 0, 0, 0, 0}, "検索条件が指定されていません。"},
  };
  for (const auto& c : kCases) EXPECT_EQ(RefusalOf(FormOf(c.pattern)), c.expected);
}

// Exactly the sixty pairs of the cycle pass the rule, at every pillar.
TEST(CheckDateSearchForm, ThePairsThatPassAreTheSixtyOfTheCycle) {
  std::set<std::pair<int, int>> cycle;
  for (int k = 0; k < 60; ++k) cycle.insert({k % 10, k % 12});
  for (int pillar = 0; pillar < 4; ++pillar) {
    for (int stem = 0; stem < 10; ++stem) {
      for (int branch = 0; branch < 12; ++branch) {
        PillarPattern pattern{};
        pattern[static_cast<std::size_t>(2 * pillar)] = stem + 1;
        pattern[static_cast<std::size_t>(2 * pillar + 1)] = branch + 1;
        EXPECT_EQ(!PillarThatNeverOccurs(pattern).has_value(), cycle.contains({stem, branch}))
            << pillar << ' ' << stem << ' ' << branch;
      }
    }
  }
}

}  // namespace
}  // namespace kirvo
