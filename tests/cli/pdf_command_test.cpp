#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "support/temp_folder.h"

namespace kirvo::testing {
namespace {

const std::vector<std::string> kMan = {"--name",  "試験太郎",         "--sex", "男",
                                       "--birth", "1984/02/10 12:00", "--at",  "1995/03/15 09:30"};

std::vector<std::string> Args(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), kMan.begin(), kMan.end());
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

#ifdef KIRVO_CLI_PDF

// The standard output of a shell command, or nothing when it cannot run.
std::string OutputOf(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, read);
    pclose(pipe);
  }
  return output;
}

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// The chart's print as PDF (甲子 丙寅 甲戌 庚午, in his first major luck 丁卯): the name and the
// pillars are text in the file, not pictures, with the fonts inside it.
TEST(PdfCommand, TheChartsPdfHoldsItsTextsAndItsFonts) {
  TempFolder folder;
  const std::filesystem::path pdf = folder / "命式.pdf";
  const CliResult result = RunCli(Args({"chart"}, {"--range", "1", "--pdf", pdf.string()}));
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "");
  const std::string text = OutputOf("pdftotext -enc UTF-8 " + Quoted(pdf) + " -");
  ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) is needed";
  EXPECT_NE(text.find("試験太郎"), std::string::npos);
  EXPECT_NE(text.find("作式：1995/03/15 09:30"), std::string::npos);
  for (const char* pillar : {"甲", "子", "丙", "寅", "戌", "庚", "午", "丁", "卯", "日柱", "月柱", "木"}) {
    EXPECT_NE(text.find(pillar), std::string::npos) << pillar;
  }
  // Every font is embedded: the "emb" column of each font line says "yes".
  const std::string fonts = OutputOf("pdffonts " + Quoted(pdf));
  int listed = 0;
  std::size_t at = fonts.find("\n---");
  ASSERT_NE(at, std::string::npos) << fonts;
  at = fonts.find('\n', at + 1);
  for (std::size_t end; at != std::string::npos && (end = fonts.find('\n', at + 1)) != std::string::npos; at = end) {
    const std::string line = fonts.substr(at + 1, end - at - 1);
    if (line.empty()) continue;
    ++listed;
    EXPECT_NE(line.find(" yes "), std::string::npos) << line;
  }
  EXPECT_GT(listed, 0);
}

TEST(PdfCommand, TheLuckTablesPdfHoldsTheTableAndTheTitle) {
  TempFolder folder;
  const std::filesystem::path pdf = folder / "luck.pdf";
  const CliResult result = RunCli(Args({"luck"}, {"--level", "1", "--pdf", pdf.string()}));
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string text = OutputOf("pdftotext -enc UTF-8 " + Quoted(pdf) + " -");
  // The title, the graph's legend and axis, and the table's cells.
  for (const char* piece : {"行運表", "試験太郎", "年運＋大運", "吉度数", "93年", "身旺", "偏印"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  }
}

#endif

// A file that cannot be written is told plainly and fails; nothing is left behind.
TEST(PdfCommand, ABadPathIsToldAndFails) {
  TempFolder folder;
  const std::filesystem::path pdf = folder / "無いフォルダ" / "命式.pdf";
  const CliResult result = RunCli(Args({"chart"}, {"--pdf", pdf.string()}));
  EXPECT_NE(result.exit_code, 0);
  EXPECT_NE(result.err.find("--pdf: "), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(pdf));
  const CliResult empty = RunCli(Args({"luck"}, {"--level", "0", "--pdf", ""}));
  EXPECT_NE(empty.exit_code, 0);
  EXPECT_NE(empty.err.find("--pdf"), std::string::npos) << empty.err;
}

}  // namespace
}  // namespace kirvo::testing
