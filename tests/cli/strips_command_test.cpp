#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace kirvo::testing {
namespace {

std::vector<std::vector<std::string>> Lines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    std::vector<std::string> cells;
    std::istringstream cells_stream(line);
    for (std::string cell; std::getline(cells_stream, cell, '\t');) cells.push_back(cell);
    lines.push_back(cells);
  }
  return lines;
}

const std::vector<std::string> kPerson = {"strips",  "--name",           "試験", "--sex",           "男",
                                          "--birth", "1984/02/10 12:00", "--at", "2024/07/20 09:30"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// 甲子 丙寅 甲戌 庚午, 順 from 7 years 11 months: the decades (upper) from the month pillar 丙寅, the
// years (lower) below them; each line the row label, then the periods from the latest to the earliest.
TEST(StripsCommand, PrintsBothStripsOneLinePerRow) {
  const CliResult result = RunCli(With(kPerson, {"--level", "1"}));
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], (std::vector<std::string>{"年", "2082", "2072", "2062", "2052", "2042", "2032", "2022", "2012",
                                                "2002", "1992", "1984"}));
  EXPECT_EQ(lines[2], (std::vector<std::string>{"歳 .月", "97.11", "87.11", "77.11", "67.11", "57.11", "47.11", "37.11",
                                                "27.11", "17.11", "7.11", "0.0"}));
  EXPECT_EQ(lines[7],
            (std::vector<std::string>{"天干", "丙", "乙", "甲", "癸", "壬", "辛", "庚", "己", "戊", "丁", "丙"}));
  EXPECT_EQ(lines[8],
            (std::vector<std::string>{"地支", "子", "亥", "戌", "酉", "申", "未", "午", "巳", "辰", "卯", "寅"}));
  EXPECT_EQ(lines[9][3], "反");
  // The lower strip: 100 years, the label "歳".
  ASSERT_EQ(lines[10].size(), 101u);
  EXPECT_EQ(lines[12][0], "歳");
  EXPECT_EQ(lines[17][0], "天干");
}

// Periods past the last computable moment are not made up: a strip reaching there stays empty.
TEST(StripsCommand, StripsBeyondTheCalendarStayEmpty) {
  const CliResult result = RunCli({"strips", "--name", "A", "--sex", "女", "--birth", "9950/12/31 99:99", "--at",
                                   "9999/12/31 23:59", "--level", "4"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 20u);
  for (const auto& line : lines) EXPECT_EQ(line.size(), 1u) << line[0];
}

TEST(StripsCommand, RefusesBadArgumentsWithAMessage) {
  const std::vector<std::vector<std::string>> bad = {
      With(kPerson, {"--level", "5"}),
      With(kPerson, {"--level", "x"}),
      {"strips", "--name", "試験", "--sex", "X", "--birth", "1984/02/10 12:00"},
      {"strips", "--name", "試験", "--sex", "男", "--birth", "1984/02/30 12:00"},
      {"strips", "--name", "試験", "--sex", "男"},
      With(kPerson, {"--at", "2024/13/01 00:00"}),
      With(kPerson, {"--unknown", "1"}),
      {"strips", "--name", "試験", "--sex", "男", "--birth", "1984/02/10 12:00", "--at", "1980/01/01 00:00"},
  };
  for (const auto& args : bad) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exit_code, 2) << args.back();
    EXPECT_FALSE(result.err.empty()) << args.back();
    EXPECT_TRUE(result.out.empty()) << args.back();
  }
}

}  // namespace
}  // namespace kirvo::testing
