#include <gtest/gtest.h>

#include "data/explanation_fixture.h"
#include "data/memo_fixture.h"
#include "data/memo_address.h"
#include "data/memo_vocabulary.h"
#include "platform/shift_jis.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

TEST(MemoVocabulary, ReadsTheFourTablesFromRowKeys) {
  const IniFile ini = IniFile::FromText(
      "[MemoF]\nMe0SG-Row0=分類名,天干,通変星,\nMe1SG-Row0=0,甲,比肩,\nMe1SG-Row1=1,乙\nMe2SG-Row0=x,012,01,\n"
      "TpSG-Row1=0,基本,\n");
  const MemoVocabulary v = ReadMemoVocabulary(ini);
  EXPECT_EQ(v.ClassificationName(1), "通変星");
  EXPECT_EQ(v.Word(1, 0), "比肩");
  EXPECT_EQ(v.Word(0, 1), "");  // no "," after the field: not read
  EXPECT_EQ(v.WordCount(0), 1);
  EXPECT_EQ(v.TopicsUsed(0), "012");
  EXPECT_TRUE(v.UsesTopic(1, 1));
  EXPECT_FALSE(v.UsesTopic(1, 2));
  EXPECT_EQ(v.TopicName(0), "基本");
  EXPECT_EQ(v.Me1SG.Cell(0, 29), "29");
}

TEST(MemoVocabulary, SavedTablesReadBackAndOtherLinesStay) {
  TempFolder folder;
  ASSERT_TRUE(WriteShiftJisFile(folder / "MemoF.ini", "[MemoF]\n; 利用者の注記\n[Other]\nKeep=1\n").ok());
  const MemoVocabulary v = test::SmallVocabulary();
  ASSERT_TRUE(SaveMemoVocabulary(folder.path(), v).ok());
  EXPECT_EQ(LoadMemoVocabulary(folder.path()).value(), v);
  const IniFile ini = IniFile::Load(folder / "MemoF.ini").value();
  EXPECT_EQ(ini.ReadString("Other", "Keep", ""), "1");
  EXPECT_EQ(ini.ReadString("MemoF", "Me1SG-Row0", ""), "0,甲,比肩,,,,,,,,,");
}

TEST(MemoLookup, TrimsTheMarksACellCarries) {
  struct Case {
    std::string_view clicked;
    std::string_view word;
  };
  const Case cases[] = {
      {"  比肩  ", "比肩"},
      {"○比肩", "比肩"},
      {"比肩×", "比肩"},
      {"◎　天乙貴人", "天乙貴人"},
      {"1. 甲", "1甲"},
      {"a b c", "ab c"},            // the first half-width blank only
      {"○○比肩", "○比肩"},          // each mark once
      {"△▽◇□甲", "甲"},
      {"\t長生\r\n", "長生"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MemoLookupWord(c.clicked), c.word) << c.clicked;
}

TEST(MemoLookup, FindsTheWordCellWhoseTrimmedTextMatches) {
  MemoVocabulary v = test::SmallVocabulary();
  v.Me1SG.SetCell(2, 1, " 劫財 ");
  EXPECT_EQ(FindMemoWord(v, "比肩"), (MemoWordPlace{1, 0}));
  EXPECT_EQ(FindMemoWord(v, "劫財"), (MemoWordPlace{1, 1}));
  EXPECT_EQ(FindMemoWord(v, "丙"), (MemoWordPlace{0, 2}));
  EXPECT_FALSE(FindMemoWord(v, "丁").has_value());
  EXPECT_FALSE(FindMemoWord(v, "").has_value());
}

}  // namespace
}  // namespace kirvo

namespace kirvo {
namespace {

TEST(MemoAddress, PanelAndListAddressesGiveBackTheirKey) {
  const MemoVocabulary v = test::SmallVocabulary();
  const MemoKey key{1, 0, 1};
  EXPECT_EQ(MemoPanelAddress(v, key), " 0:比肩 >1:性格");
  EXPECT_EQ(MemoListAddress(v, key), "1:通変星 > 0:比肩 >1:性格");
  EXPECT_EQ(KeyOfMemoPanelAddress(v, MemoPanelAddress(v, key)), key);
  EXPECT_EQ(KeyOfMemoListAddress(MemoListAddress(v, key)), key);
  EXPECT_EQ(KeyOfMemoPanelAddress(v, " 2:丙 >2:運勢"), (MemoKey{0, 2, 2}));
}

TEST(MemoAddress, AWordNoLongerInTheVocabularyGivesNoKey) {
  MemoVocabulary v = test::SmallVocabulary();
  const std::string shown = MemoPanelAddress(v, {1, 0, 0});
  v.Me1SG.SetCell(2, 0, "劫財");  // renamed in the settings editor meanwhile
  EXPECT_FALSE(KeyOfMemoPanelAddress(v, shown).has_value());
  EXPECT_FALSE(KeyOfMemoPanelAddress(v, "").has_value());
  EXPECT_FALSE(KeyOfMemoListAddress("").has_value());
}

}  // namespace
}  // namespace kirvo

#include "data/memo_menu.h"

namespace kirvo {
namespace {

TEST(MemoMenu, ThreeLevelsOfClassificationsWordsAndUsedTopics) {
  const std::vector<MemoMenuClassification> menu = BuildMemoMenu(test::SmallVocabulary());
  ASSERT_EQ(menu.size(), 10u);
  EXPECT_EQ(menu[0].caption, "0:天干");
  EXPECT_EQ(menu[9].caption, "9:");
  EXPECT_TRUE(menu[9].words.empty());
  ASSERT_EQ(menu[1].words.size(), 1u);
  EXPECT_EQ(menu[1].words[0].caption, " 0:比肩");
  ASSERT_EQ(menu[1].words[0].topics.size(), 2u);
  EXPECT_EQ(menu[1].words[0].topics[1].caption, "1:性格");
  EXPECT_EQ(menu[1].words[0].topics[1].key, (MemoKey{1, 0, 1}));
  EXPECT_EQ(menu[0].words[2].topics[2].key, (MemoKey{0, 2, 2}));
}

}  // namespace
}  // namespace kirvo
