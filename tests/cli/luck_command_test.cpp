#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"
#include "presentation/luck/luck_table.h"
#include "settings/program_settings.h"
#include "support/person_input.h"

namespace kirvo::testing {
namespace {

const std::vector<std::string> kPerson = {"luck", "--name", "試験太郎", "--sex", "男", "--birth", "1984/02/10 12:00"};

std::vector<std::string> With(std::vector<std::string> extra) {
  std::vector<std::string> args = kPerson;
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

// The lines are the table the window builds for the same person, moment and level: the label, then
// one cell per period column.
TEST(LuckCommandTest, PrintsTheTableRowByRow) {
  const CliResult result = RunCli(With({"--at", "2024/01/15 12:00", "--level", "1", "--columns", "6"}));
  ASSERT_EQ(result.exit_code, 0) << result.err;

  ProgramSettings settings = ShippedSettings();
  settings.sys.CCnt = "6";
  const DateTime moment = *DateTime::ParseDateTimeText("2024/01/15 12:00");
  LuckTable table = NewLuckTable(Person("試験太郎", "1984/02/10 12:00"), LuckLevel::kYear, moment);
  BuildLuckTable(table, moment, ChartRules{settings.usys, settings.sys});
  std::string expected;
  for (std::size_t row = 0; row < 20; ++row) {
    for (std::size_t column = 0; column <= 6; ++column) {
      expected += (column > 0 ? "\t" : "") + table.KSG.Cell(column, row);
    }
    expected += "\n";
  }
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.out.substr(0, result.out.find('\n')), "年月\t20年2月\t21年2月\t22年2月\t23年2月\t24年2月\t25年2月");
}

TEST(LuckCommandTest, RefusesUnusableArguments) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {With({}), "--level"},
      {With({"--level", "5"}), "--level"},
      {With({"--level", "x"}), "--level"},
      {With({"--level", "1", "--columns", "4"}), "--columns"},
      {With({"--level", "1", "--columns", "101"}), "--columns"},
      {With({"--level", "1", "--at", "2024/02/30 12:00"}), "--at"},
      {{"luck", "--name", "試験太郎", "--sex", "男", "--birth", "1984/13/10 12:00", "--level", "1"}, "--birth"},
      {{"luck", "--name", "試験太郎", "--sex", "X", "--birth", "1984/02/10 12:00", "--level", "1"}, "--sex"},
      {{"luck", "--sex", "男", "--birth", "1984/02/10 12:00", "--level", "1"}, "--name"},
      {With({"--level", "1", "--colour", "red"}), "--colour"},
  };
  for (const auto& [args, option] : cases) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exit_code, 2) << option;
    EXPECT_NE(result.err.find(option), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
}

}  // namespace
}  // namespace kirvo::testing
