#include <gtest/gtest.h>

#include "cli_runner.h"

namespace kirvo {
namespace {

using testing::RunCli;

TEST(EraCommand, PrintsTheDateAndTheFieldTextAndReportsTheErrorBoxes) {
  const auto plain = RunCli({"era", "平成", "01/01/08"});
  EXPECT_EQ(plain.exit_code, 0);
  EXPECT_EQ(plain.out, "1989/01/08\t平成 01/01/08\n");

  const auto mismatch = RunCli({"era", "昭和", "64/01/08"});
  EXPECT_EQ(mismatch.exit_code, 1);
  EXPECT_EQ(mismatch.out, "1989/01/08\t平成 01/01/08\n");
  EXPECT_EQ(mismatch.err, "元号と日付がマッチしていません。\n");

  const auto before_meiji = RunCli({"era", "明治", "01/01/01"});
  EXPECT_EQ(before_meiji.exit_code, 1);
  EXPECT_EQ(before_meiji.out, "1868/09/08\t明治 01/09/08\n");
  EXPECT_EQ(before_meiji.err, "「明治」以前の和暦は取得できません。\n");
}

TEST(EraCommand, RefusesAnUnknownEraOrATextThatIsNoDate) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"era", "慶応", "01/01/01"}, {"era", "昭和", "64/02/30"}, {"era", "昭和"}}) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.exit_code, 2) << args.back();
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

}  // namespace
}  // namespace kirvo
