#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "data/explanation_texts.h"
#include "explanation_fixture.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

using test::WriteLines;

TEST(ExplanationLookup, ReadsLineNWithLineBreaksRestored) {
  TempFolder folder;
  WriteLines(folder / "KakuSetu.dat", {"一行目", "上/r中/r下", ""});
  struct Case {
    int line_number;
    std::string expected;
  };
  const Case cases[] = {
      {1, "一行目"},     {0, "一行目"},  // 0 reads line 1
      {2, "上\n中\n下"}, {3, ""},        // an entry without explanation
      {4, ""},                           // the file ends earlier
      {-1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookUpExplanation(folder.path(), kPatternExplanations, c.line_number).value(), c.expected)
        << c.line_number;
  }
}

TEST(ExplanationLookup, AMissingFileIsAFailureNamingTheFile) {
  TempFolder folder;
  EXPECT_EQ(LookUpExplanation(folder.path(), kPatternExplanations, 1).error(), "『KakuSetu.dat』がありません");
  EXPECT_EQ(LookUpExplanation(folder.path(), kSpiritStarExplanations, 3).error(), "『SinSetu.dat』がありません");
}

TEST(ExplanationLookup, EveryLookupReadsTheFileAfresh) {
  TempFolder folder;
  WriteLines(folder / "SinSetu.dat", {"古い説明"});
  EXPECT_EQ(LookUpExplanation(folder.path(), kSpiritStarExplanations, 1).value(), "古い説明");
  WriteLines(folder / "SinSetu.dat", {"新しい説明"});
  EXPECT_EQ(LookUpExplanation(folder.path(), kSpiritStarExplanations, 1).value(), "新しい説明");
}

TEST(ExplanationLookup, ALargeFileIsReadOnceForManyLookups) {
  // Each lookup read the whole file: with a 30 MB file one chart took 42 seconds.
  TempFolder folder;
  std::vector<std::string> lines(39, "説明");
  lines.push_back(std::string(8 << 20, 'x'));  // a long line after the entries
  WriteLines(folder / "SinSetu.dat", lines);
  // A file saved some time ago (one saved just now is read at each lookup for a second).
  std::filesystem::last_write_time(folder / "SinSetu.dat",
                                   std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  EXPECT_EQ(LookUpExplanation(folder.path(), kSpiritStarExplanations, 1).value(), "説明");
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 200; ++i) {
    ASSERT_EQ(LookUpExplanation(folder.path(), kSpiritStarExplanations, 1 + i % 39).value(), "説明");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(ExplanationLookup, ASaveThroughTheEditorShowsAtOnce) {
  TempFolder folder;
  WriteLines(folder / "KakuSetu.dat", {"一", "二"});
  EXPECT_EQ(LookUpExplanation(folder.path(), kPatternExplanations, 2).value(), "二");
  ASSERT_TRUE(WriteExplanationLines(folder / "KakuSetu.dat", {"一", "三"}).ok());
  EXPECT_EQ(LookUpExplanation(folder.path(), kPatternExplanations, 2).value(), "三");
  std::filesystem::remove(folder / "KakuSetu.dat");
  EXPECT_FALSE(LookUpExplanation(folder.path(), kPatternExplanations, 2).ok());
}

TEST(ExplanationLookup, FileNameMatchesWithoutRegardToAsciiCase) {
  TempFolder folder;
  WriteLines(folder / "SINSETU.DAT", {"大文字の名前"});
  EXPECT_EQ(LookUpExplanation(folder.path(), kSpiritStarExplanations, 1).value(), "大文字の名前");
  EXPECT_EQ(ExplanationFilePath(folder.path(), "SinSetu.dat"), folder / "SINSETU.DAT");
  EXPECT_EQ(ExplanationFilePath(folder.path(), "KakuSetu.dat"), folder / "KakuSetu.dat");
}

TEST(ExplanationLookup, AnUndecodableFileIsAFailureWithTheReason) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder / "KakuSetu.dat", "ok\r\n\x81\r\n").ok());  // a lead byte cut short
  const Outcome<std::string> explanation = LookUpExplanation(folder.path(), kPatternExplanations, 1);
  ASSERT_FALSE(explanation.ok());
  EXPECT_NE(explanation.error().find("KakuSetu.dat"), std::string::npos) << explanation.error();
}

TEST(ExplanationEntries, PatternAndSpiritStarNamesInLineOrder) {
  TenGodNames ten_gods;
  for (std::size_t i = 0; i < ten_gods.size(); ++i) ten_gods[i] = "星" + std::to_string(i);
  const std::vector<std::string> patterns = PatternExplanationEntries(BuildPatternNames(ten_gods));
  ASSERT_EQ(patterns.size(), 29u);
  EXPECT_EQ(patterns.front(), "星0格");
  EXPECT_EQ(patterns[10], "従旺格");
  EXPECT_EQ(patterns.back(), "正偏交集格");

  const std::vector<std::string> stars = SpiritStarExplanationEntries(SpiritStarSlotNamesFor(kDefaultGaiji1));
  ASSERT_EQ(stars.size(), 39u);
  EXPECT_EQ(stars.front(), "太極貴人");
  EXPECT_EQ(stars[18], "");  // the separating slot 19
  EXPECT_EQ(stars[32], "魁正");
  EXPECT_EQ(stars.back(), "寡宿");
}

}  // namespace
}  // namespace kirvo
