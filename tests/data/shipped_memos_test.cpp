// The shipped memo vocabulary and memo file: sound as the settings editor would keep them, and a
// click on any stem, branch, ten-god star, twelve stage or pattern the chart shows finds its word.
#include <gtest/gtest.h>

#include <filesystem>

#include "calendar/sexagenary.h"
#include "data/memo_file.h"
#include "data/memo_vocabulary.h"
#include "data/memo_vocabulary_edit.h"
#include "engine/twelve_stages.h"
#include "settings/sys_pattern_names.h"

namespace kirvo {
namespace {

const std::filesystem::path kShipped = KIRVO_SHIPPED_DIR;

TEST(ShippedMemos, VocabularyPassesTheCloseCheckAndHoldsTheChartWords) {
  const Outcome<MemoVocabulary> vocabulary = LoadMemoVocabulary(kShipped);
  ASSERT_TRUE(vocabulary.ok()) << vocabulary.error();
  EXPECT_EQ(CheckMemoVocabulary(*vocabulary), std::nullopt);
  std::vector<std::string> chart_words;
  for (std::string_view name : kStemNames) chart_words.emplace_back(name);
  for (std::string_view name : kBranchNames) chart_words.emplace_back(name);
  for (const std::string& name : DefaultTenGodNames()) chart_words.push_back(name);
  for (std::string_view name : kTwelveStageTexts) chart_words.emplace_back(name);
  const PatternNames patterns = BuildPatternNames(DefaultTenGodNames());
  chart_words.insert(chart_words.end(), patterns.begin() + 1, patterns.end());
  for (const std::string& word : chart_words) {
    EXPECT_TRUE(FindMemoWord(*vocabulary, MemoLookupWord(word)).has_value()) << word;
  }
}

TEST(ShippedMemos, EveryMemoNamesAWordAndATopicItsClassificationUses) {
  const MemoVocabulary vocabulary = LoadMemoVocabulary(kShipped).value();
  const Loaded<MemoList> memos = LoadMemoFile(kShipped);
  EXPECT_TRUE(memos.report.empty()) << memos.report.Text();
  ASSERT_TRUE(memos.value.HasMemos());
  EXPECT_EQ(memos.value.Text(0), kMemoFileHeader);
  for (std::size_t i = 1; i < memos.value.size(); ++i) {
    const std::optional<MemoKey> key = memos.value.Key(i);
    ASSERT_TRUE(key.has_value()) << memos.value.Text(i);
    EXPECT_FALSE(vocabulary.Word(key->classification, key->word).empty()) << memos.value.Text(i);
    EXPECT_TRUE(vocabulary.UsesTopic(key->classification, key->topic)) << memos.value.Text(i);
  }
}

}  // namespace
}  // namespace kirvo
