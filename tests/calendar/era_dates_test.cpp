#include "calendar/era_dates.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

constexpr int kMeiji = 0, kTaisho = 1, kShowa = 2, kHeisei = 3, kReiwa = 4;

TEST(EraDatesTest, ConvertsAtEveryEraBoundary) {
  struct Case {
    int era;
    const char* text;
    const char* date;
    int shown_era;
    const char* shown_text;
    bool mismatch;
  };
  const Case cases[] = {
      {kMeiji, "45/07/29", "1912/07/29", kMeiji, "45/07/29", false},
      {kTaisho, "01/07/29", "1912/07/29", kMeiji, "45/07/29", true},
      {kTaisho, "01/07/30", "1912/07/30", kTaisho, "01/07/30", false},
      {kTaisho, "15/12/24", "1926/12/24", kTaisho, "15/12/24", false},
      {kTaisho, "15/12/25", "1926/12/25", kShowa, "01/12/25", true},
      {kShowa, "64/01/07", "1989/01/07", kShowa, "64/01/07", false},
      {kShowa, "64/01/08", "1989/01/08", kHeisei, "01/01/08", true},
      {kHeisei, "01/01/08", "1989/01/08", kHeisei, "01/01/08", false},
      {kHeisei, "31/04/30", "2019/04/30", kHeisei, "31/04/30", false},
      {kHeisei, "31/05/01", "2019/05/01", kReiwa, "01/05/01", true},
      {kReiwa, "01/05/01", "2019/05/01", kReiwa, "01/05/01", false},
      // Two or more eras away the date still takes its own era.
      {kMeiji, "60/01/01", "1927/01/01", kShowa, "02/01/01", true},
      {kReiwa, "01/01/01", "2019/01/01", kHeisei, "31/01/01", true},
  };
  for (const Case& c : cases) {
    const std::optional<EraEntry> entry = ConvertEraText(c.era, c.text);
    ASSERT_TRUE(entry) << c.text;
    EXPECT_EQ(entry->date.DateText(), c.date) << c.text;
    EXPECT_EQ(entry->era, c.shown_era) << c.text;
    EXPECT_EQ(entry->text, c.shown_text) << c.text;
    EXPECT_EQ(entry->error.has_value(), c.mismatch) << c.text;
    if (c.mismatch) {
      EXPECT_EQ(*entry->error, kEraMismatchMessage);
    }
  }
}

TEST(EraDatesTest, ADateBeforeMeijiBecomesItsFirstDay) {
  const std::optional<EraEntry> entry = ConvertEraText(kMeiji, "01/01/01");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->error, std::string(kBeforeMeijiMessage));
  EXPECT_EQ(entry->date.DateText(), "1868/09/08");
  EXPECT_EQ(entry->text, "01/09/08");
}

TEST(EraDatesTest, TextsThatAreNoDateYetGiveNothing) {
  for (const char* text : {"  /  /  ", "01/ 1/07", "01/13/01", "03/02/30", "010101", "01/01/0x"}) {
    EXPECT_FALSE(ConvertEraText(kShowa, text)) << text;
  }
  EXPECT_FALSE(ConvertEraText(5, "01/01/01"));
}

TEST(EraDatesTest, NamesChoicesAndTheEraOfADate) {
  EXPECT_EQ(EraIndexOf("令和"), kReiwa);
  EXPECT_EQ(EraIndexOf("慶応"), std::nullopt);
  EXPECT_EQ(EraChoiceText(kShowa), "3 昭和");
  EXPECT_EQ(EraOfDate(*DateTime::FromDate(1868, 9, 7)), std::nullopt);
  EXPECT_EQ(EraOfDate(*DateTime::FromDate(2026, 12, 10)), kReiwa);
  EXPECT_EQ(EraDateText(*DateTime::FromDate(2026, 12, 10), kReiwa), "08/12/10");
}

}  // namespace
}  // namespace kirvo
