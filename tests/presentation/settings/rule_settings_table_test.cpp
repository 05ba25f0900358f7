#include "presentation/settings/rule_settings_table.h"

#include <gtest/gtest.h>

#include "calendar/date_time.h"
#include "presentation/settings/rule_depth_report.h"
#include "settings/calendar_settings.h"
#include "settings/depth_report.h"

namespace kirvo {
namespace {

struct ColourCase {
  const char* table;
  std::size_t column;
  std::size_t row;
  CellColours expected;
};

TEST(RuleSettingsTable, ColoursLabelsFixedRowsAndDisplayFlags) {
  USysSettings settings;
  settings.SetCell("SiSG", 1, 1, "1");
  settings.SetCell("SiSG", 2, 1, "0");
  settings.SetCell("SiSG", 3, 1, "2");
  settings.SetCell("SiSG", 4, 1, "");
  const CellColours label{RuleSettingsTable::kLabelColour, std::nullopt};
  const CellColours fixed{RuleSettingsTable::kFixedColour, kWhite};
  const ColourCase cases[] = {
      {"SiSG", 1, 1, {RuleSettingsTable::kShownColour, std::nullopt}},
      {"SiSG", 2, 1, {RuleSettingsTable::kHiddenColour, std::nullopt}},
      {"SiSG", 3, 1, {RuleSettingsTable::kWrongColour, std::nullopt}},
      {"SiSG", 4, 1, {RuleSettingsTable::kWrongColour, std::nullopt}},  // an empty flag is no flag either
      {"SiSG", 0, 5, label},
      {"HSG", 7, 1, fixed},  // the day stem itself
      {"HSG", 6, 1, {}},
      {"SKSG", 3, 2, fixed},  // 天乙貴人
      {"SKSG", 3, 8, fixed},  // 三奇貴人
      {"SKSG", 3, 9, {}},
      {"SSSG", 5, 14, fixed},  // the slot of the user-drawn character
      {"SSSG", 5, 13, {}},
      {"MSG", 2, 0, label},  // the one-row tables keep their labels in the even columns
      {"MSG", 3, 0, {}},
      {"SSG2", 0, 0, label},
      {"ZSG", 3, 1, {}},  // a stem column: not editable, but not a fixed row either
      {"TSG", 0, 4, label},
      {"TSG", 4, 0, label},
  };
  for (const ColourCase& c : cases) {
    RuleSettingsTable table(settings, c.table);
    EXPECT_EQ(table.ColoursOf(c.column, c.row), c.expected) << c.table << " " << c.column << "," << c.row;
  }
}

TEST(RuleSettingsTable, EditsGoToTheSettingsAndACommaIsRefused) {
  USysSettings settings;
  RuleSettingsTable table(settings, "TSG");
  EXPECT_EQ(table.columns(), 13u);
  EXPECT_EQ(table.rows(), 11u);
  EXPECT_EQ(EditCell(table, 2, 3, "甲丙").result, CellEdit::Result::kStored);
  EXPECT_EQ(settings.Cell("TSG", 2, 3), "甲丙");
  // A comma would split the cell when the row is read back from the file.
  EXPECT_EQ(EditCell(table, 2, 3, "甲,丙"), (CellEdit{CellEdit::Result::kRefused, ""}));
  EXPECT_EQ(settings.Cell("TSG", 2, 3), "甲丙");
  // The labels are not the user's.
  EXPECT_EQ(EditCell(table, 0, 3, "x").result, CellEdit::Result::kNotEditable);
}

TEST(RuleSettingsDepthReport, IsTheReportOfTheEditedTableAtTheProgramsNow) {
  USysSettings rules;
  rules.SetCell("ZSG", 2, 1, "10");
  SysSettings sys;
  sys.NowE = "30";
  const DateTime clock = *DateTime::ParseDateTimeText("2024/05/01 10:00");
  const std::optional<std::string> report = RuleSettingsDepthReport(rules, sys, clock);
  ASSERT_TRUE(report);
  EXPECT_EQ(*report, DepthReportText(rules.Table("ZSG"), *DateTime::ParseDateTimeText("2024/05/01 10:30"),
                                     CalendarRulesOf(rules, sys)));
  // Twelve years back from the first accepted moments there is no calendar to report.
  EXPECT_FALSE(RuleSettingsDepthReport(rules, sys, *DateTime::ParseDateTimeText("0005/05/01 10:00")));
}

}  // namespace
}  // namespace kirvo
