#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "presentation/shared/content_fixture.h"
#include "presentation/panel/chart_content.h"
#include "settings/program_settings.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

using testing::RecordingExplanations;

SpiritStars StarsOf(const std::vector<std::pair<int, NatalPillar>>& carried) {
  SpiritStars stars;
  for (const auto& [slot, pillar] : carried) stars.carried[slot][pillar] = true;
  return stars;
}

const SpiritStarSlotNames& Names() { return ShippedSettings().sys.names.spirit_stars; }

TEST(SpiritStarTable, EachPillarListsItsStarsFromRowOneAndTheTableEndsAfterTheLongest) {
  // Year: 太極貴人, 断橋; month: none; day: 天乙貴人, 月徳, 寡宿; hour: 紅艶.
  const SpiritStars stars = StarsOf(
      {{1, kYearPillar}, {26, kYearPillar}, {2, kDayPillar}, {21, kDayPillar}, {39, kDayPillar}, {12, kHourPillar}});
  const TextTable table = SpiritStarTable(stars, Names());
  ASSERT_EQ(table.rows(), 4u);
  EXPECT_EQ(table.Row(0), (std::vector<std::string>{"時", "日", "月", "年"}));
  EXPECT_EQ(table.Row(1), (std::vector<std::string>{"紅艶", "天乙貴人", "", "太極貴人"}));
  EXPECT_EQ(table.Row(2), (std::vector<std::string>{"", "月徳", "", "断橋"}));
  EXPECT_EQ(table.Row(3), (std::vector<std::string>{"", "寡宿", "", ""}));
}

TEST(SpiritStarTable, RowCountFromNoStarToAFullColumn) {
  struct Case {
    int stars_on_the_month;
    std::size_t rows;
  };
  for (const Case& c : {Case{0, 1}, Case{18, 19}, Case{19, 20}, Case{25, 20}}) {
    SpiritStars stars;
    for (int slot = 1, placed = 0; placed < c.stars_on_the_month; ++slot) {
      if (slot == 19) continue;  // the empty separating slot carries nothing
      stars.carried[slot][kMonthPillar] = true;
      ++placed;
    }
    const TextTable table = SpiritStarTable(stars, Names());
    EXPECT_EQ(table.rows(), c.rows) << c.stars_on_the_month;
    if (c.stars_on_the_month >= 19) {
      EXPECT_EQ(table.Cell(2, 19), "天徳") << "the 19th star (slot 20) ends the list; later stars are not shown";
    }
  }
}

TEST(SpiritStarText, HeadingsForAllPillarsAndEachStarWithItsExplanationLine) {
  RecordingExplanations explanations;
  const SpiritStars stars = StarsOf({{21, kMonthPillar}, {1, kYearPillar}, {39, kYearPillar}});
  EXPECT_EQ(SpiritStarText(stars, Names(), explanations),
            "＜ 年柱 ＞\n"
            "～太極貴人～\n説明SinSetu.dat:1\n"
            "～寡宿～\n説明SinSetu.dat:39\n"
            "＜ 月柱 ＞\n"
            "～月徳～\n説明SinSetu.dat:21\n"
            "＜ 日柱 ＞\n"
            "＜ 時柱 ＞");
}

TEST(FolderExplanations, AMissingFileFailsWithItsNameAndAddsNothing) {
  TempFolder empty;
  FolderExplanations explanations(empty.path());
  std::string text = "見出し";
  const Status status = explanations.AppendExplanation(text, kSpiritStarExplanations, 1);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error(), "『SinSetu.dat』がありません");
  EXPECT_EQ(text, "見出し");
}

TEST(SpiritStarText, AMissingFileIsReportedAtEveryLookupAndTheHeadingsStay) {
  TempFolder empty;
  RecordingInteraction interaction;
  ReportedExplanations explanations(empty.path(), interaction);
  const SpiritStars stars = StarsOf({{1, kYearPillar}, {4, kMonthPillar}});
  EXPECT_EQ(SpiritStarText(stars, Names(), explanations),
            "＜ 年柱 ＞\n～太極貴人～\n\n＜ 月柱 ＞\n～福星貴人～\n\n＜ 日柱 ＞\n＜ 時柱 ＞");
  EXPECT_EQ(interaction.beeps, 2);
  EXPECT_EQ(interaction.messages,
            (std::vector<std::string>{"『SinSetu.dat』がありません", "『SinSetu.dat』がありません"}));
}

PatternFlags FlagsOf(const std::vector<int>& indices) {
  PatternFlags flags{};
  for (const int index : indices) flags[index] = true;
  return flags;
}

const PatternNames& PatternNamesInUse() { return ShippedSettings().sys.names.patterns; }

TEST(PatternSelectors, FoundPatternsFillTheSelectorsInPatternOrder) {
  struct Case {
    std::vector<int> flagged;
    bool one_only;
    std::array<int, 3> shown;
  };
  const Case kCases[] = {
      {{}, false, {0, 0, 0}},
      {{3}, false, {3, 0, 0}},
      {{29, 8, 21}, false, {8, 21, 29}},
      {{8, 16, 21, 29}, false, {8, 16, 21}},  // a fourth is not shown
      {{8, 16, 21}, true, {8, 0, 0}},         // KakuCB: the first only
  };
  for (const Case& c : kCases) {
    const PatternSelectors selectors = SelectFoundPatterns(FlagsOf(c.flagged), PatternNamesInUse(), c.one_only);
    EXPECT_EQ(selectors.shown, c.shown) << c.flagged.size();
    EXPECT_EQ(selectors.entries, PatternNamesInUse());
  }
}

TEST(PatternText, EachShownPatternGivesHeadingTextAndAnEmptyLine) {
  RecordingExplanations explanations;
  const PatternSelectors three = SelectFoundPatterns(FlagsOf({8, 16, 21}), PatternNamesInUse(), false);
  EXPECT_EQ(PatternText(three, false, explanations),
            "～正官格～\n説明KakuSetu.dat:8\n\n～化木格～\n説明KakuSetu.dat:16\n\n～曲直格～\n説明KakuSetu.dat:21\n");
  // With KakuCB only KCB0 counts, even when the others show a pattern.
  EXPECT_EQ(PatternText(three, true, explanations), "～正官格～\n説明KakuSetu.dat:8\n");
  EXPECT_EQ(PatternText(SelectFoundPatterns({}, PatternNamesInUse(), false), false, explanations), "");
}

TEST(PatternText, OnePatternOnlyWithThreeFoundShowsOneHeadingOneTextAndOneEmptyLine) {
  ProgramSettings settings = ShippedSettings();
  settings.sys.KakuCB = true;
  RecordingExplanations explanations;
  ChartContent content = NewChartContent(ChartRules{settings.usys, settings.sys}, {});
  PatternResult result;
  result.flags = FlagsOf({8, 16, 21});
  RefreshExplanations(content, result, settings.sys, explanations);
  EXPECT_EQ(content.selectors.shown, (std::array<int, 3>{8, 0, 0}));
  EXPECT_EQ(content.KakuMemo, "～正官格～\n説明KakuSetu.dat:8\n");
}

TEST(ChoosePattern, SecondAndThirdSelectorsAreIgnoredWhileOnePatternOnlyIsSet) {
  struct Case {
    bool one_only;
    int selector;
    int entry;
    std::string memo;
  };
  const Case kCases[] = {
      {false, 1, 21, "～正官格～\n説明KakuSetu.dat:8\n\n～曲直格～\n説明KakuSetu.dat:21\n"},
      {false, 0, 0, ""},
      {true, 1, 21, "before"},
      {true, 2, 21, "before"},
      {true, 0, 3, "～食神格～\n説明KakuSetu.dat:3\n"},
  };
  for (const Case& c : kCases) {
    ProgramSettings settings = ShippedSettings();
    settings.sys.KakuCB = c.one_only;
    RecordingExplanations explanations;
    ChartContent content = NewChartContent(ChartRules{settings.usys, settings.sys}, {});
    content.selectors.shown = {8, 0, 0};
    content.KakuMemo = "before";
    ChoosePattern(content, c.selector, c.entry, settings.sys, explanations);
    EXPECT_EQ(content.KakuMemo, c.memo) << c.one_only << c.selector;
    EXPECT_EQ(content.selectors.shown[c.selector], c.entry) << "the selector shows the choice in any case";
  }
}

TEST(LoadedExplanations, LineZeroReadsLineOneAndLinesBeyondTheEndAreEmpty) {
  LoadedExplanations explanations({"一行目/r二行目", "二"}, {});
  EXPECT_EQ(explanations.Explanation(kPatternExplanations, 0), "一行目\n二行目");
  EXPECT_EQ(explanations.Explanation(kPatternExplanations, 1), "一行目\n二行目");
  EXPECT_EQ(explanations.Explanation(kPatternExplanations, 2), "二");
  EXPECT_EQ(explanations.Explanation(kPatternExplanations, 3), "");
  EXPECT_EQ(explanations.Explanation(kSpiritStarExplanations, 1), "");
  LoadedExplanations shipped = LoadedExplanations::Shipped();
  EXPECT_EQ(shipped.Explanation(kPatternExplanations, 3).rfind("食神格", 0), 0u);
  EXPECT_EQ(shipped.Explanation(kSpiritStarExplanations, 39).rfind("寡宿", 0), 0u);
}

}  // namespace
}  // namespace kirvo
