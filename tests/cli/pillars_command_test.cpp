#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo::testing {
namespace {

TEST(PillarsCommand, PrintsOneLinePerMomentAndFlagsTheOthers) {
  const CliResult result = RunCli({"pillars"}, "1984/02/10 12:00\nnot a moment\r\n2000/01/01 00:00\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out,
            "1984/02/10 12:00\t甲子\t丙寅\t甲戌\t庚午\t1984/2/5 0:6:40\t320.57\t0\t0\t0000\t壬戊辛丙\n"
            "not a moment\tERROR\t日時ではありません (YYYY/MM/DD hh:nn、西暦1～9999年)\n"
            "2000/01/01 00:00\t己卯\t丙子\t戊午\t壬子\t1999/12/7 22:35:1\t279.49\t3\t3\t2222\t乙癸丁癸\n");
}

TEST(PillarsCommand, ReadsTheDayBoundaryAndDepthOfAProgramFolder) {
  TempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(KIRVO_SHIPPED_DIR)) {
    std::filesystem::copy(entry.path(), folder / entry.path().filename());
  }
  // Days begin at 23:00 and every pillar shows its 本気.
  const auto ini = ReadShiftJisFile(folder / "USysF.ini");
  ASSERT_TRUE(ini.ok());
  std::string text = *ini;
  for (const char* key : {"DRG=1", "ZRG0=1", "ZRG1=1", "ZRG2=1", "ZRG3=1"}) {
    const std::size_t at = text.find(std::string("\n") + key);
    ASSERT_NE(at, std::string::npos) << key;
    text[at + std::string(key).size()] = '0';
  }
  ASSERT_TRUE(WriteShiftJisFile(folder / "USysF.ini", text).ok());
  const CliResult result = RunCli({"pillars", "--folder", folder.path().string()}, "2000/01/01 23:30\n");
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "2000/01/01 23:30\t己卯\t丙子\t己未\t甲子\t1999/12/7 22:35:1\t280.46\t3\t3\t2222\t乙癸己癸\n");
}

TEST(TermCommand, PrintsTheTermOfEachModeAndTheLongitude) {
  const struct {
    const char* mode;
    const char* out;
  } cases[] = {
      {"0", "2024/03/01 00:00\t2024/2/19 13:4:45\t340.52\n"},
      {"1", "2024/03/01 00:00\t2024/2/4 17:18:56\t340.52\n"},
      {"2", "2024/03/01 00:00\t2023/12/22 12:18:39\t340.52\n"},
      {"3", "2024/03/01 00:00\t2024/2/4 17:18:56\t340.52\n"},
  };
  for (const auto& c : cases) {
    const CliResult result = RunCli({"term", "--mode", c.mode}, "2024/03/01 00:00\n");
    EXPECT_EQ(result.exit_code, 0) << c.mode;
    EXPECT_EQ(result.out, c.out) << c.mode;
  }
}

// 立春 1986 falls at 11:58:40 by the series and 12:07:42 by the precise theory; a moment searched from
// 12:00 lies between them.
TEST(TermCommand, PreciseSearchesByTheFullTheory) {
  const CliResult term = RunCli({"term", "--mode", "1", "--precise"}, "2024/03/01 00:00\n1986/02/04 12:03\n");
  EXPECT_EQ(term.exit_code, 0) << term.err;
  EXPECT_EQ(term.out, "2024/03/01 00:00\t2024/2/4 17:27:1\t340.51\n1986/02/04 12:03\t1986/1/6 0:28:2\t315.00\n");
  const CliResult standard = RunCli({"pillars"}, "1986/02/04 12:03\n");
  const CliResult precise = RunCli({"pillars", "--precise"}, "1986/02/04 12:03\n");
  EXPECT_TRUE(standard.out.starts_with("1986/02/04 12:03\t丙寅\t庚寅\t")) << standard.out;
  EXPECT_TRUE(precise.out.starts_with("1986/02/04 12:03\t乙丑\t己丑\t")) << precise.out;
}

TEST(Cli, RefusesBadArgumentsWithExitCode2) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"nonsense"}, {"term"}, {"term", "--mode", "4"}, {"pillars", "--folder"}, {"pillars", "--colour", "x"},
           {"pillars", "--folder", "/nonexistent/kirvo"}}) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exit_code, 2) << (args.empty() ? "" : args[0]);
    EXPECT_FALSE(result.err.empty());
  }
}

}  // namespace
}  // namespace kirvo::testing
