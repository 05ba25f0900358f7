#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_runner.h"
#include "platform/shift_jis.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

using testing::RunCli;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

class NamesCommandTest : public ::testing::Test {
 protected:
  std::string File(const std::string& utf8_lines) {
    const std::filesystem::path path = folder_ / ("Persons" + std::to_string(++files_) + ".nam");
    std::ofstream(path, std::ios::binary) << EncodeShiftJis(utf8_lines).value();
    return path.string();
  }
  TempFolder folder_;
  int files_ = 0;
};

TEST_F(NamesCommandTest, PrintsAHeaderAndOneLinePerPersonInTheWindowsColumnOrder) {
  const auto run =
      RunCli({"names", "summary", File("試験太郎,男,1984/2/10,12:00,\r\n花子，二世,女,1990/07/07,99:99,\r\n"), "--at",
              "1995/03/15 09:30", "--range", "1"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  const std::vector<std::string> header = Fields(lines[0]);
  ASSERT_EQ(header.size(), 3u + 33u);
  EXPECT_EQ(header[0], "氏名");
  EXPECT_EQ(header[3], "年齢");
  EXPECT_EQ(header[3 + 5], "季　節");
  EXPECT_EQ(header.back(), "空亡");
  const std::vector<std::string> man = Fields(lines[1]);
  ASSERT_EQ(man.size(), header.size());
  EXPECT_EQ(man[0], "試験太郎");
  EXPECT_EQ(man[2], "1984/02/10 12:00");
  EXPECT_EQ(man[3 + 17], "庚甲丙甲");  // 天干 of the four pillars, hour first
  EXPECT_EQ(Fields(lines[2])[0], "花子，二世");
}

TEST_F(NamesCommandTest, APersonWithoutABirthDateIsAnErrorLineAndBadFilesAreRefused) {
  const auto run = RunCli({"names", "summary", File("日付なし,男,,99:99,\r\n試験太郎,男,1984/02/10,12:00,\r\n"), "--at",
                           "1995/03/15 09:30"});
  EXPECT_EQ(run.exit_code, 1);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].substr(0, lines[1].find("\tERROR\t")), "日付なし\t男\t 99:99");
  EXPECT_EQ(Fields(lines[2]).size(), 36u);

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"names", "summary", (folder_ / "missing.nam").string()},
        {"names", "summary", File(std::string(48, ',') + "\r\n")},
        {"names", "summary", File("a,\r\n"), "--range", "9"},
        {"names", "list", File("a,\r\n")}}) {
    const auto refused = RunCli(args);
    EXPECT_EQ(refused.exit_code, 2) << args[2];
    EXPECT_TRUE(refused.out.empty());
    EXPECT_FALSE(refused.err.empty());
  }
  EXPECT_NE(RunCli({"names", "summary", File(std::string(48, ',') + "\r\n")}).err.find("1 行目"), std::string::npos);
}

}  // namespace
}  // namespace kirvo
