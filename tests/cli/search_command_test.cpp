#include <gtest/gtest.h>

#include <algorithm>

#include "cli_runner.h"

namespace kirvo {
namespace {

using testing::RunCli;

TEST(SearchCommand, PrintsTheMomentTheDialogDeliversOrEveryMatch) {
  const auto day = RunCli({"search", "--day-stem", "甲", "--day-branch", "子", "--from", "2000/01/01 00:00", "--to",
                           "2000/12/31 00:00"});
  EXPECT_EQ(day.exit_code, 0);
  EXPECT_EQ(day.out, "2000/01/07 99:99\n");

  const auto hour = RunCli({"search", "--day-stem", "甲", "--day-branch", "子", "--hour-branch", "午", "--from",
                            "2000/01/01 00:00", "--to", "2000/12/31 00:00"});
  EXPECT_EQ(hour.out, "2000/01/07 12:11\n");  // each step adds 8.64 seconds

  const auto all = RunCli({"search", "--day-stem", "甲", "--day-branch", "子", "--from", "2000/01/01 00:00", "--to",
                           "2000/03/31 00:00", "--all"});
  EXPECT_EQ(all.exit_code, 0);
  // Two 甲子 days, each met in its twelve double-hours.
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 24);
  EXPECT_EQ(all.out.substr(0, 17), "2000/01/07 00:10\n");
}

TEST(SearchCommand, NothingFoundOrNothingAskedIsSaid) {
  const auto none = RunCli({"search", "--year-stem", "甲", "--from", "2000/01/01 00:00", "--to", "2001/01/01 00:00"});
  EXPECT_EQ(none.exit_code, 1);
  EXPECT_EQ(none.err, "命式が見つかりませんでした。\n");
  const auto open = RunCli({"search", "--from", "2000/01/01 00:00", "--to", "2001/01/01 00:00"});
  EXPECT_EQ(open.exit_code, 2);
  EXPECT_EQ(open.err, "検索条件が指定されていません。\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"search", "--day-stem", "子", "--from", "2000/01/01 00:00", "--to", "2001/01/01 00:00"},
        {"search", "--day-stem", "甲", "--from", "2000/13/01 00:00", "--to", "2001/01/01 00:00"},
        {"search", "--day-stem", "甲", "--from", "2000/01/01"}}) {
    const auto bad = RunCli(args);
    EXPECT_EQ(bad.exit_code, 2);
    EXPECT_FALSE(bad.err.empty());
  }
}

}  // namespace
}  // namespace kirvo
