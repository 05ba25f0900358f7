#include <gtest/gtest.h>

#include "cli_runner.h"

namespace kirvo::testing {
namespace {

TEST(NaturalTimeCommand, MovesEachMomentAndFlagsTheBadLines) {
  const CliResult result =
      RunCli({"natural-time", "--minutes", "-29"}, "2024/01/01 00:10\nnoon\r\n9999/12/31 23:50\n0001/03/23 00:10\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out,
            "2024/01/01 00:10\t2023/12/31 23:41\n"
            "noon\tERROR\t日時ではありません (YYYY/MM/DD hh:nn、西暦1～9999年)\n"
            "9999/12/31 23:50\t9999/12/31 23:21\n"
            "0001/03/23 00:10\tERROR\t変換後の日時が扱える範囲の外の日時です (0001/03/23 00:00～9999/12/31 23:59)\n");

  const CliResult solar = RunCli({"natural-time", "--equation-of-time", "--minutes", "+19"}, "2026/11/03 12:00\n");
  EXPECT_EQ(solar.exit_code, 0) << solar.err;
  EXPECT_EQ(solar.out, "2026/11/03 12:00\t2026/11/03 12:35\t+16.4\n");
}

TEST(NaturalTimeCommand, RefusesMissingOrNonIntegerMinutes) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"natural-time"},
                                             {"natural-time", "--minutes"},
                                             {"natural-time", "--minutes", "1.5"},
                                             {"natural-time", "--minutes", "1,5"},
                                             {"natural-time", "--minutes", "4", "--hours", "1"}}) {
    const CliResult result = RunCli(args, "2000/01/01 00:00\n");
    EXPECT_EQ(result.exit_code, 2) << args.back();
    EXPECT_TRUE(result.out.empty());
    EXPECT_FALSE(result.err.empty());
  }
}

}  // namespace
}  // namespace kirvo::testing
