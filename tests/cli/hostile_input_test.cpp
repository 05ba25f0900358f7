#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"
#include "platform/text_file.h"
#include "presentation/services/frame_constants.h"
#include "support/temp_folder.h"

namespace kirvo::testing {
namespace {

constexpr char kRangeReason[] = "扱える範囲の外の日時です (0001/03/23 00:00～9999/12/31 23:59)";

// Moments at the ends of the range: inside they compute and print back, outside they are refused
// like any line that is no moment.
TEST(MomentRange, EdgesComputeAndOutsideIsAnErrorLine) {
  const CliResult pillars =
      RunCli({"pillars"}, "9999/12/05 01:00\n0001/03/23 00:00\n9999/12/31 23:59\n0001/01/01 00:00\n0001/03/22 23:59\n");
  EXPECT_EQ(pillars.exit_code, 1) << pillars.err;
  EXPECT_EQ(pillars.out,
            "9999/12/05 01:00\t己亥\t丙子\t辛卯\t己丑\t9999/12/4 23:20:2\t255.07\t3\t3\t0000\t戊壬甲癸\n"
            "0001/03/23 00:00\t辛酉\t辛卯\t庚子\t丙子\t1/3/6 4:15:8\t1.45\t0\t0\t2222\t辛乙癸癸\n"
            "9999/12/31 23:59\t己亥\t丙子\t丁巳\t壬子\t9999/12/4 23:20:2\t280.99\t3\t3\t2222\t壬癸丙癸\n"
            "0001/01/01 00:00\tERROR\t" + std::string(kRangeReason) + "\n"
            "0001/03/22 23:59\tERROR\t" + std::string(kRangeReason) + "\n");

  for (const char* mode : {"0", "1", "2", "3"}) {
    const CliResult term = RunCli({"term", "--mode", mode}, "0001/03/23 00:00\n9999/12/31 23:59\n");
    EXPECT_EQ(term.exit_code, 0) << mode;
    for (const char* year_zero : {"\t0/", "\t10000/"}) EXPECT_EQ(term.out.find(year_zero), std::string::npos) << term.out;
  }
}

TEST(MomentRange, ChartAndDepthReportRefuseOrComputeTheEdges) {
  const CliResult early_birth = RunCli({"chart", "--name", "A", "--sex", "男", "--birth", "0001/01/01 12:00"});
  EXPECT_EQ(early_birth.exit_code, 2);
  EXPECT_NE(early_birth.err.find(kRangeReason), std::string::npos) << early_birth.err;

  const CliResult late_chart = RunCli(
      {"chart", "--name", "A", "--sex", "女", "--birth", "9950/12/31 99:99", "--at", "9999/12/31 23:59"});
  EXPECT_EQ(late_chart.exit_code, 0) << late_chart.err;
  // A birth in the last month of year 9999: its default moment (a month later) has no date, but a
  // moment given is used instead.
  const CliResult last_month = RunCli(
      {"chart", "--name", "A", "--sex", "男", "--birth", "9999/12/10 08:00", "--at", "9999/12/31 23:59"});
  EXPECT_EQ(last_month.exit_code, 0) << last_month.err;
  EXPECT_NE(last_month.out.find("9999/12/31"), std::string::npos) << last_month.out;

  const CliResult last_report = RunCli({"depth-report", "--now", "9999/12/31 00:00"});
  EXPECT_EQ(last_report.exit_code, 0) << last_report.err;
  EXPECT_NE(last_report.out.find("現在：9999/12/31 0:0"), std::string::npos);
  // The report reaches back eleven years: it needs them within the range.
  const CliResult early_report = RunCli({"depth-report", "--now", "0005/03/01 00:00"});
  EXPECT_EQ(early_report.exit_code, 2);
  EXPECT_TRUE(early_report.out.empty());
}

// A default chart moment (SysF.ini's fixed moment) that is no moment the chart can take.
TEST(ChartCommand, RefusesADefaultChartMomentOutsideTheRange) {
  TempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(KIRVO_SHIPPED_DIR)) {
    std::filesystem::copy(entry.path(), folder / entry.path().filename());
  }
  const Outcome<std::string> sys = ReadShiftJisFile(folder / "SysF.ini");
  ASSERT_TRUE(sys.ok());
  std::string text = *sys;
  // A fixed chart moment before the first accepted one, and no birth to fall back on.
  text.replace(text.find("DRG=1"), 5, "DRG=0");
  text.replace(text.find("NRG=0"), 5, "NRG=1");
  text.replace(text.find("NDate=2001/01/01"), 16, "NDate=0001/01/01");
  ASSERT_TRUE(WriteShiftJisFile(folder / "SysF.ini", text).ok());
  const CliResult result =
      RunCli({"chart", "--folder", folder.path().string(), "--name", "A", "--sex", "男", "--birth", "1990/01/01 12:00"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.err.find("既定の作式日時"), std::string::npos) << result.err;
}

TEST(ChartCommand, RefusesNamesThatCannotBeKept) {
  const struct {
    std::string name;
    const char* says;
  } cases[] = {
      {"山田,太郎", "「＆」「，」"},
      {"A&B", "「＆」「，」"},
      {"\xE5\xB1", "UTF-8"},
      {"名前😀", "Shift-JIS"},
      {"改\n行", "制御文字"},
  };
  for (const auto& c : cases) {
    const CliResult result = RunCli({"chart", "--name", c.name, "--sex", "男", "--birth", "1990/01/01 12:00"});
    EXPECT_EQ(result.exit_code, 2) << c.name;
    EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
  }
  EXPECT_EQ(RunCli({"chart", "--name", "山田，太郎＆", "--sex", "男", "--birth", "1990/01/01 12:00"}).exit_code, 0);
}

TEST(Cli, HelpAndVersionGoToStandardOutput) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"chart", "--help"}, {"pillars", "-h"}}) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exit_code, 0) << args[0];
    EXPECT_NE(result.out.find("使い方: kirvo-cli"), std::string::npos) << args[0];
    EXPECT_TRUE(result.err.empty()) << args[0];
  }
  const CliResult version = RunCli({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  // The same version as the window title, "Kirvolan Ver1.54".
  EXPECT_EQ(version.out, "kirvo-cli " + std::string(kProgramVersion) + "\n");
  EXPECT_TRUE(kApplicationTitle.ends_with(" Ver" + std::string(kProgramVersion)));
}

TEST(Cli, FolderThatIsAFileIsNotAFolder) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder / "file", "x").ok());
  const CliResult result = RunCli({"pillars", "--folder", (folder / "file").string()}, "2000/01/01 00:00\n");
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.err.find("フォルダではありません"), std::string::npos) << result.err;
}

// Settings files that are no regular files are refused with a message, not read for ever.
TEST(Cli, SettingsFileThatIsAFifoOrADeviceIsRefused) {
  for (const char* kind : {"fifo", "device"}) {
    TempFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator(KIRVO_SHIPPED_DIR)) {
      std::filesystem::copy(entry.path(), folder / entry.path().filename());
    }
    std::filesystem::remove(folder / "USysF.ini");
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(mkfifo((folder / "USysF.ini").c_str(), 0600), 0);
    } else {
      std::filesystem::create_symlink("/dev/zero", folder / "USysF.ini");
    }
    const CliResult result = RunCli({"pillars", "--folder", folder.path().string()}, "2000/01/01 00:00\n");
    EXPECT_NE(result.err.find("通常のファイルではない"), std::string::npos) << kind << ": " << result.err;
  }
}

// Standard input without end (a device, a runaway producer) stops at the size of the largest file.
TEST(Cli, RefusesStandardInputLargerThanAnyFile) {
  const CliResult result = RunCli({"pillars"}, std::string(kFileSizeLimitBytes + 1, '\n'));
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("大きすぎます"), std::string::npos) << result.err;
}

TEST(Cli, DamagedStoreIsToldOnStandardError) {
  TempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(KIRVO_SHIPPED_DIR)) {
    std::filesystem::copy(entry.path(), folder / entry.path().filename());
  }
  TempFolder store;
  ASSERT_TRUE(WriteFileAtomically(store / "KirvoStore.txt", "KirvoStore 1\nnot a value line\n").ok());
  const CliResult result = RunCli({"pillars", "--folder", folder.path().string()}, "2000/01/01 00:00\n",
                                  {"KIRVO_STORE_DIR=" + store.path().string()});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_NE(result.err.find("2 行目を読めません"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace kirvo::testing
