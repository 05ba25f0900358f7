#include "presentation/persons/person_summary.h"

#include <gtest/gtest.h>

#include "presentation/shared/content_fixture.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

class PersonSummaryTest : public ::testing::Test {
 protected:
  PersonRow Summary(PersonRow row, const char* moment, LuckRange range) {
    Chart scratch;
    FillPersonSummary(row, At(moment), range, rules_, scratch);
    return row;
  }
  ProgramSettings settings_ = ShippedSettings();
  ChartRules rules_{settings_.usys, settings_.sys};
};

// The man of the hand-checked chart: 甲子 丙寅 甲戌 庚午, seen in 1995 in his first major luck.
TEST_F(PersonSummaryTest, TheColumnsOfAHandCheckedChart) {
  const PersonRow row = Summary({"試験太郎", "男", "1984/02/10", "12:00"}, "1995/03/15 09:30", LuckRange::kMajorLuck);
  testing::RecordingExplanations explanations;
  const ChartContent content = testing::RefreshedContent(testing::HandCheckedChart(settings_), settings_, explanations);
  const auto snb = [&](std::size_t column, std::size_t r) { return content.SNB.Cell(column, r); };

  EXPECT_EQ(row[4], "11/ 1");
  EXPECT_EQ(row[6], "順");
  EXPECT_EQ(row[7], "甲");
  EXPECT_EQ(row[9].substr(0, std::string("春月:木[").size()), "春月:木[");
  EXPECT_EQ(row[21], "庚甲丙甲");
  EXPECT_EQ(row[22], "午戌寅子");
  // The judgement the side panel shows for the same person and moment.
  EXPECT_EQ(row[10], snb(1, 4));
  EXPECT_EQ(row[14], snb(5, 0));
  EXPECT_EQ(row[15], snb(5, 1));
  EXPECT_EQ(row[16], snb(5, 2));
  EXPECT_EQ(row[36], snb(3, 4));
  std::string patterns;
  for (const std::string& name : content.patterns.names) patterns += name + " ";
  EXPECT_EQ(row[31], patterns);
  // Major luck 丁卯 takes part; the finer running luck is blank at 大運まで.
  EXPECT_FALSE(row[27].empty());
  for (std::size_t column = 37; column < kPersonCellCount; ++column) EXPECT_EQ(row[column], "") << column;
}

TEST_F(PersonSummaryTest, APersonBornAfterTheChartMomentGetsTheNatalColumnsOnlyAtNatalRange) {
  const PersonRow natal = Summary({"未来", "女", "2030/06/01", "99:99"}, "2024/01/01 12:00", LuckRange::kNatalOnly);
  for (std::size_t column = 10; column <= 20; ++column) EXPECT_FALSE(natal[column].empty()) << column;
  for (std::size_t column = 27; column <= 30; ++column) EXPECT_EQ(natal[column], "") << column;
  EXPECT_EQ(natal[21].substr(0, std::string("－").size()), "－");  // no hour pillar

  const PersonRow luck = Summary({"未来", "女", "2030/06/01", "99:99"}, "2024/01/01 12:00", LuckRange::kMajorLuck);
  for (std::size_t column = 10; column <= 20; ++column) {
    if (column != 16) {
      EXPECT_EQ(luck[column], "") << column;
    }
  }
  EXPECT_EQ(luck[7], natal[7]);
}

TEST_F(PersonSummaryTest, GenerationFillsEveryRowAndLeavesUnreadableBirthsEmpty) {
  PersonList list({{"試験太郎", "男", "1984/02/10", "12:00"}, {"日付なし", "男", "", "99:99"}});
  list.rows()[1][31] = "古い";
  std::vector<int> percents;
  GeneratePersonSummaries(list, At("1995/03/15 09:30"), LuckRange::kNatalOnly, rules_, [&](int percent) {
    percents.push_back(percent);
    return true;
  });
  EXPECT_FALSE(list.row(0)[21].empty());
  EXPECT_EQ(list.row(1)[31], "");
  EXPECT_EQ(percents, (std::vector<int>{50, 100}));
  EXPECT_FALSE(list.modified());
}

TEST_F(PersonSummaryTest, ALongListSharedAmongWorkersGivesEveryRowItsOwnSummary) {
  std::vector<PersonRow> rows;
  for (int i = 0; i < 600; ++i) {
    const std::string date = std::to_string(1901 + i % 120) + "/" + (i % 12 < 9 ? "0" : "") +
                             std::to_string(1 + i % 12) + "/" + std::to_string(10 + i % 19);
    rows.push_back({"人" + std::to_string(i), i % 2 ? "女" : "男", i % 97 == 0 ? "" : date, i % 5 ? "09:30" : "99:99"});
  }
  PersonList list(rows);
  const std::vector<std::size_t> failed =
      GeneratePersonSummaries(list, At("2024/07/20 15:47"), LuckRange::kYearLuck, rules_);
  std::vector<std::size_t> expected_failed;
  Chart scratch;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!FillPersonSummary(rows[i], At("2024/07/20 15:47"), LuckRange::kYearLuck, rules_, scratch)) {
      expected_failed.push_back(i);
    }
    ASSERT_EQ(list.row(i), rows[i]) << i;
  }
  EXPECT_EQ(failed, expected_failed);
  EXPECT_EQ(failed.size(), 7u);

  // Told to stop, the workers leave the rows they did not reach empty.
  PersonList stopped(rows);
  GeneratePersonSummaries(stopped, At("2024/07/20 15:47"), LuckRange::kYearLuck, rules_, [](int) { return false; });
  EXPECT_EQ(stopped.row(599)[21], "");
}

}  // namespace
}  // namespace kirvo
