#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo::testing {
namespace {

std::string GoldenText(const char* name) {
  std::ifstream file(std::filesystem::path(KIRVO_TESTS_DIR) / "cli" / "golden" / name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class ChartCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& entry : std::filesystem::directory_iterator(KIRVO_SHIPPED_DIR)) {
      std::filesystem::copy(entry.path(), folder_ / entry.path().filename());
    }
  }
  CliResult Chart(std::vector<std::string> args) {
    args.insert(args.begin(), {"chart", "--folder", folder_.path().string()});
    return RunCli(args);
  }

  TempFolder folder_;
};

// A man born 1984-02-10 12:00 (甲子 丙寅 甲戌 庚午) in his first major luck 丁卯, with the first
// computed rows shown: the whole text copy, both relation lists and the side panel's content (its
// tables worked through by hand in tests/presentation/chart_content_refresh_test.cpp).
TEST_F(ChartCommandTest, PrintsTheTextCopyTheRelationListsAndTheContent) {
  const CliResult result = Chart({"--name", "試験太郎", "--sex", "男", "--birth", "1984/02/10 12:00", "--at",
                                  "1995/03/15 09:30", "--range", "1", "--original"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  const std::string golden = GoldenText("chart_1984-02-10_at_1995-03-15_range1_original.txt");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(result.out, golden);
}

// A birth minutes after 立春 by the series and before it by the precise theory: the text copy ends
// with the warning, giving both terms and pillars; with 精密 chosen in SysF.ini the chart itself takes
// the precise pillars. A birth far from any term gets no such line.
TEST_F(ChartCommandTest, ABirthNearAMonthTermEndsTheTextCopyWithAWarning) {
  const std::vector<std::string> birth = {"--name", "節子", "--sex", "女", "--birth", "1986/02/04 12:03", "--at",
                                          "2020/01/01 00:00"};
  const std::string warning =
      "※節入り注意：標準 1986/02/04 11:58:40 年柱 丙寅 月柱 庚寅／精密 1986/02/04 12:07:42 年柱 乙丑 月柱 己丑\n"
      "[干関係]\n";
  const CliResult standard = Chart(birth);
  EXPECT_EQ(standard.exit_code, 0) << standard.err;
  EXPECT_NE(standard.out.find(warning), std::string::npos) << standard.out;
  EXPECT_NE(standard.out.find("\n│庚　│己　│庚×│丙×│干　\n"), std::string::npos) << standard.out;

  const auto ini = ReadShiftJisFile(folder_ / "SysF.ini");
  ASSERT_TRUE(ini.ok());
  std::string text = *ini;
  const std::size_t at = text.find("SetsuRG=0");
  ASSERT_NE(at, std::string::npos);
  text[at + 8] = '1';
  ASSERT_TRUE(WriteShiftJisFile(folder_ / "SysF.ini", text).ok());
  const CliResult precise = Chart(birth);
  EXPECT_EQ(precise.exit_code, 0) << precise.err;
  EXPECT_NE(precise.out.find(warning), std::string::npos) << precise.out;
  EXPECT_NE(precise.out.find("│己　│乙"), std::string::npos) << precise.out;

  const CliResult far = Chart({"--name", "節子", "--sex", "女", "--birth", "1986/02/20 12:03"});
  EXPECT_EQ(far.out.find("節入り注意"), std::string::npos);
}

TEST_F(ChartCommandTest, UnknownHourKeepsAnEmptyHourColumn) {
  const CliResult result =
      Chart({"--name", "花子", "--sex", "女", "--birth", "1990/08/20 99:99", "--at", "2024/07/20 12:00"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.out.find("生年月日：1990/08/20 12:00\n"), std::string::npos);
  EXPECT_NE(result.out.find("│時柱│日柱│月柱│年柱│\n"), std::string::npos);
  EXPECT_NE(result.out.find("\n│    │    │印綬│正財│天星\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\n日柱：夾禄・月徳合・亡神\n時柱：\n[説明]\n"), std::string::npos) << result.out;
}

TEST_F(ChartCommandTest, AMissingExplanationFileIsReportedAndTheHeadingsStay) {
  std::filesystem::remove(folder_ / "SinSetu.dat");
  const CliResult result = Chart({"--name", "試験太郎", "--sex", "男", "--birth", "1984/02/10 12:00", "--at",
                                  "1995/03/15 09:30", "--range", "1"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.err.find("『SinSetu.dat』がありません"), std::string::npos) << result.err;
  EXPECT_NE(result.out.find("\n＜ 年柱 ＞\n～太極貴人～\n\n＜ 月柱 ＞\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\n～食神格～\n食神格は"), std::string::npos) << "the pattern file is still read";
}

TEST_F(ChartCommandTest, RefusesBadArgumentsWithExitCode2) {
  const std::vector<std::vector<std::string>> kCases = {
      {"--sex", "男", "--birth", "1984/02/10 12:00"},                   // no name
      {"--name", "x", "--sex", "男女", "--birth", "1984/02/10 12:00"},  // no sex
      {"--name", "x", "--sex", "男", "--birth", "1984/02/30 12:00"},    // no such date
      {"--name", "x", "--sex", "男", "--birth", "1984/02/10"},          // no time
      {"--name", "x", "--sex", "男", "--birth", "1984/02/10 12:00", "--range", "6"},
      {"--name", "x", "--sex", "男", "--birth", "1984/02/10 12:00", "--at", "1982/01/01 00:00"},  // before birth
      {"--name", "x", "--sex", "男", "--birth", "1984/02/10 12:00", "--at", "1984/01/01 00:00"},  // weeks before
      {"--name", "x", "--sex", "男", "--birth", "1984/02/10 12:00", "--at", "2095/03/01 00:00"},  // age 111
      {"--name", "x", "--sex", "男", "--birth", "1984/02/10 12:00", "--colour", "red"},
  };
  for (const std::vector<std::string>& args : kCases) {
    const CliResult result = Chart(args);
    EXPECT_EQ(result.exit_code, 2) << args[1];
    EXPECT_FALSE(result.err.empty()) << args[1];
    EXPECT_TRUE(result.out.empty()) << args[1];
  }
}

}  // namespace
}  // namespace kirvo::testing
