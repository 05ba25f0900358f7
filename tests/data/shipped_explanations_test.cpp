#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data/explanation_texts.h"
#include "explanation_fixture.h"
#include "settings/shipped_texts.h"

namespace kirvo {
namespace {

TEST(ShippedExplanations, EachFileHasOneShiftJisCrLfLinePerEntryEveryEntryExplained) {
  for (const ExplanationFile& file : {kPatternExplanations, kSpiritStarExplanations}) {
    const std::filesystem::path path = std::filesystem::path(KIRVO_SHIPPED_DIR) / file.name;
    const Outcome<std::vector<std::string>> lines = ReadExplanationLines(path);
    ASSERT_TRUE(lines.ok()) << lines.error();
    ASSERT_EQ(lines->size(), static_cast<std::size_t>(file.entry_count)) << file.name;

    const std::string bytes = test::RawBytes(path);
    std::size_t crlf = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
    EXPECT_EQ(crlf, lines->size()) << file.name;
    EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')), crlf) << file.name;
    EXPECT_FALSE(ShippedText(file.name).empty()) << file.name;

    for (std::size_t i = 0; i < lines->size(); ++i) {
      // Line 19 of the spirit stars belongs to the empty separating slot.
      const bool separator = file.name == kSpiritStarExplanations.name && i + 1 == 19;
      EXPECT_EQ((*lines)[i].empty(), separator) << file.name << " line " << i + 1;
    }
  }
}

TEST(ShippedExplanations, LookUpGivesTheEntryWithItsParagraphs) {
  const std::filesystem::path shipped = KIRVO_SHIPPED_DIR;
  const std::string seikan = LookUpExplanation(shipped, kPatternExplanations, 8).value();
  EXPECT_EQ(seikan.rfind("正官格", 0), 0u) << seikan;
  EXPECT_NE(seikan.find('\n'), std::string::npos);
  EXPECT_EQ(seikan.find("/r"), std::string::npos);
  EXPECT_EQ(LookUpExplanation(shipped, kSpiritStarExplanations, 39).value().rfind("寡宿", 0), 0u);
}

}  // namespace
}  // namespace kirvo
