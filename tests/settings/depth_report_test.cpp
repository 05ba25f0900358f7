#include "settings/depth_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/table_row.h"
#include "settings/hidden_stem_table.h"
#include "settings/zsg_distribution.h"
#include "usys_fixture.h"

namespace kirvo {
namespace {

class DepthReport : public ::testing::Test {
 protected:
  DepthReport() : zsg(kZsgColumns, kZsgRows) {
    for (std::size_t row = 0; row < kZsgRows; ++row) {
      zsg.SetRow(row, SplitRowCells(test::kDefaultZsgRows[row], kZsgColumns));
    }
    BuildHiddenStemTable(zsg);
    rules.distribution = DepthDistributionOf(zsg);
  }
  std::string ReportAt(const char* now) const { return DepthReportText(zsg, *DateTime::ParseDateTimeText(now), rules); }

  TextTable zsg;
  CalendarRules rules;
};

std::string GoldenText(const char* name) {
  std::ifstream file(std::filesystem::path(KIRVO_TESTS_DIR) / "settings" / "golden" / name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The shipped distribution at 2024/03/15 10:30 (a 甲辰 year, 丁卯 month, 戊寅 day, 丁巳 hour).
TEST_F(DepthReport, MatchesTheGoldenText) {
  const std::string golden = GoldenText("depth_report_2024-03-15_1030.txt");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(ReportAt("2024/03/15 10:30"), golden);
}

TEST_F(DepthReport, PeriodsStartAtTheDayBoundary) {
  struct Case {
    const char* what;
    DayBoundary boundary;
    const char* now;
    std::string line;  // a line the report must hold
  };
  const Case cases[] = {
      {"day from midnight", DayBoundary::kMidnight, "2024/03/15 10:30",
       "子：余(0.33)2024/03/13 00:00-" + std::string(49, ' ') + " 本2024/03/13 08:00\n"},
      {"day from 23:00 the evening before", DayBoundary::kElevenPm, "2024/03/15 10:30",
       "子：余(0.33)2024/03/12 23:00-" + std::string(49, ' ') + " 本2024/03/13 07:00\n"},
      {"the 0 o'clock hour belongs to the previous date", DayBoundary::kMidnight, "2024/03/16 00:30",
       "亥：余(0.23)2024/03/15 21:00- 中(0.40)2024/03/15 21:28-" + std::string(26, ' ') + " 本2024/03/15 21:48\n"},
  };
  for (const Case& c : cases) {
    rules.day_boundary = c.boundary;
    const std::string report = ReportAt(c.now);
    EXPECT_NE(report.find(c.line), std::string::npos) << c.what << "\n" << report;
  }
}

}  // namespace
}  // namespace kirvo
