#include "settings/usys_close_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/usys_dialog_model.h"
#include "settings/usys_settings.h"
#include "support/recording_interaction.h"
#include "usys_fixture.h"

namespace kirvo {
namespace {

using test::ProgramFolderFixture;

class USysDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    settings = test::LoadUSys(fixture, interaction);
    ASSERT_TRUE(interaction.messages.empty());
  }
  ProgramFolderFixture fixture;
  RecordingInteraction interaction;
  USysSettings settings;
};

TEST_F(USysDialog, CloseCheckStopsAtTheFirstInvalidSettingWithItsMessage) {
  struct Case {
    const char* what;
    std::function<void(USysSettings&)> edit;
    const char* message;  // nullptr: the check passes
  };
  const Case cases[] = {
      {"valid as loaded", [](USysSettings&) {}, nullptr},
      {"empty SSG cell", [](USysSettings& s) { s.SetCell("SSG", 4, 2, ""); }, "「」は整数ではありません"},
      {"SSG above 20", [](USysSettings& s) { s.SetCell("SSG", 9, 9, "21"); }, "「21」は設定可能最大値より大きな値です"},
      {"SSG row 6 beside column 8 unchecked", [](USysSettings& s) { s.SetCell("SSG", 3, 6, "x"); }, nullptr},
      {"SSG row 6 column 8", [](USysSettings& s) { s.SetCell("SSG", 8, 6, "x"); }, "「x」は整数ではありません"},
      {"ZSG 余気 days", [](USysSettings& s) { s.SetCell("ZSG", 2, 12, "-2"); },
       "「-2」は設定可能最小値より小さな値です"},
      {"ZSG second 中気 of 申", [](USysSettings& s) { s.SetCell("ZSG", 6, 9, "1000"); },
       "「1000」は設定可能最大値より大きな値です"},
      {"ZSG 中気 days unchecked", [](USysSettings& s) { s.SetCell("ZSG", 4, 2, "x"); }, nullptr},
      {"ZSG before SSG",
       [](USysSettings& s) {
         s.SetCell("SSG", 1, 1, "a");
         s.SetCell("ZSG", 8, 1, "b");
       },
       "「b」は整数ではありません"},
      {"NGE 0", [](USysSettings& s) { s.SetNumber("NGE", "0"); }, "「0」は設定可能最小値より小さな値です"},
      {"MSG equal neighbours",
       [](USysSettings& s) {
         s.SetCell("MSG", 1, 0, "-20");
         s.SetCell("MSG", 3, 0, "-20");
         s.SetCell("MSG", 5, 0, "30");
       },
       nullptr},
      {"MSG out of order",
       [](USysSettings& s) {
         s.SetCell("MSG", 1, 0, "-10");
         s.SetCell("MSG", 3, 0, "-20");
         s.SetCell("MSG", 5, 0, "30");
       },
       "身の数値指定に誤りがあります。"},
      {"MSG above 100", [](USysSettings& s) { s.SetCell("MSG", 5, 0, "101"); },
       "「101」は設定可能最大値より大きな値です"},
      {"SiSG 2", [](USysSettings& s) { s.SetCell("SiSG", 4, 39, "2"); }, "「2」は設定可能最大値より大きな値です"},
      {"SKSG bad cell", [](USysSettings& s) { s.SetCell("SKSG", 3, 1, "子a"); },
       "神殺 - 干表の指定に誤りがあります。太極貴人：子a"},
      {"SKSG 三奇貴人 free",
       [](USysSettings& s) {
         s.SetCell("SKSG", 3, 8, "甲戊庚");
         s.SetCell("SKSG", 4, 8, "xyz");
       },
       nullptr},
      {"SSSG bad cell", [](USysSettings& s) { s.SetCell("SSSG", 12, 20, "午x"); },
       "神殺 - 支表の指定に誤りがあります。寡宿：午x"},
      {"SSSG slot 33 free", [](USysSettings& s) { s.SetCell("SSSG", 5, 14, "庚辰 庚戌"); }, nullptr},
      {"TSG bad cell",
       [](USysSettings& s) {
         s.SetCell("TSG", 0, 1, "甲");
         s.SetCell("TSG", 1, 1, "庚丁x");
       },
       "調候用神 - の指定に誤りがあります。甲：庚丁x"},
      {"SKSG column by column",
       [](USysSettings& s) {
         s.SetCell("SKSG", 2, 1, "b");
         s.SetCell("SKSG", 1, 18, "a");
       },
       "神殺 - 干表の指定に誤りがあります。学士：a"},
  };
  for (const Case& c : cases) {
    USysSettings edited = settings;
    c.edit(edited);
    const std::optional<CloseCheckFailure> failure = CheckRuleSettings(edited);
    EXPECT_EQ(failure.has_value(), c.message != nullptr) << c.what;
    if (failure && c.message != nullptr) {
      EXPECT_EQ(failure->message, c.message) << c.what;
    }
  }
}

// The dialog puts the focus on the setting a refusal names.
TEST_F(USysDialog, ARefusalNamesTheCellThatTakesTheFocus) {
  using Cell = CloseCheckFailure::Cell;
  struct Case {
    std::function<void(USysSettings&)> edit;
    const char* key;
    std::optional<Cell> cell;
  };
  const Case cases[] = {
      {[](USysSettings& s) { s.SetCell("SSG", 4, 2, ""); }, "SSG", Cell{4, 2}},
      {[](USysSettings& s) { s.SetCell("ZSG", 6, 9, "x"); }, "ZSG", Cell{6, 9}},
      {[](USysSettings& s) { s.SetNumber("NGE", "100"); }, "NGE", std::nullopt},
      {[](USysSettings& s) { s.SetCell("MSG", 3, 0, "30"); }, "MSG", Cell{3, 0}},  // 0 < 30 > 20
      {[](USysSettings& s) {
         s.SetCell("TSG", 0, 10, "癸");
         s.SetCell("TSG", 12, 10, "x");
       },
       "TSG", Cell{12, 10}},
  };
  for (const Case& c : cases) {
    USysSettings edited = settings;
    c.edit(edited);
    const std::optional<CloseCheckFailure> failure = CheckRuleSettings(edited);
    ASSERT_TRUE(failure.has_value()) << c.key;
    EXPECT_EQ(failure->key, c.key);
    EXPECT_EQ(failure->cell, c.cell) << c.key;
  }
}

TEST(SpiritStarCell, OnlyStemAndBranchCharactersExceptInTheFreeRows) {
  struct Case {
    const char* label;
    const char* cell;
    bool valid;
  };
  const Case cases[] = {
      {"太極貴人", "子午", true},  {"太極貴人", "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥", true},
      {"太極貴人", "子a", false},  // three bytes
      {"太極貴人", "ab", false},   // two bytes, but no stem or branch
      {"太極貴人", "甲木", false}, {"太極貴人", "子 ", false},
      {"太極貴人", "", true},      {"三奇貴人", "甲戊庚;乙丙丁", true},
      {"天乙貴人", "x", true},     {"魁汪", "anything", true},  // slot 33 under its per-user name
      {"魁正", "anything", false},                              // the default name no longer is slot 33's
      {"", "anything", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidSpiritStarCell(c.label, c.cell, "魁汪"), c.valid) << c.label << " " << c.cell;
  }
}

TEST_F(USysDialog, DoubleAndHalveChangeTheIntegerCellsOnly) {
  struct Case {
    const char* table;
    std::size_t column, row;
    const char* before;
    const char* doubled;
    const char* halved;
  };
  const Case cases[] = {
      {"SSG", 1, 1, "7", "14", "3"},  {"SSG", 9, 9, "-7", "-14", "-3"}, {"SSG", 5, 6, "", "", ""},
      {"SSG", 2, 3, "x", "x", "x"},   {"SSG", 0, 3, "7", "7", "7"},   // label column
      {"SSG2", 3, 0, "5", "10", "2"}, {"SSG2", 2, 0, "4", "4", "4"},  // even columns are labels
      {"HSG", 1, 1, "6", "6", "6"},   {"SSG", 1, 1, "0", "0", "0"},
  };
  for (const bool doubling : {true, false}) {
    for (const Case& c : cases) {
      USysSettings edited = settings;
      edited.SetCell(c.table, c.column, c.row, c.before);
      doubling ? edited.DoubleNumbers() : edited.HalveNumbers();
      EXPECT_EQ(edited.Cell(c.table, c.column, c.row), doubling ? c.doubled : c.halved)
          << c.table << " " << c.before << (doubling ? " ×２" : " ÷２");
    }
  }
}

TEST_F(USysDialog, SpiritStarButtonsAskFirst) {
  for (const bool yes : {false, true}) {
    RecordingInteraction asked(yes);
    USysDialogModel dialog(settings, fixture.folder(), asked);
    const USysSettings& edited = dialog.edited();
    EXPECT_EQ(dialog.HideAllSpiritStars(), yes);
    EXPECT_EQ(edited.Cell("SiSG", 1, 1), yes ? "0" : "1");
    EXPECT_EQ(edited.Cell("SiSG", 4, 39), yes ? "0" : "1");
    EXPECT_EQ(edited.Cell("SiSG", 0, 39), "寡宿");

    EXPECT_EQ(dialog.RestoreDefaultSpiritStars(), yes);
    const std::vector<std::string> expected_slot1 = yes ? std::vector<std::string>{"太極貴人", "1", "0", "0", "0"}
                                                        : std::vector<std::string>{"太極貴人", "1", "1", "1", "1"};
    EXPECT_EQ(edited.Table("SiSG").Row(1), expected_slot1);
    EXPECT_EQ(edited.Cell("SiSG", 1, 19), yes ? "0" : "1");
    EXPECT_EQ(edited.Cell("SiSG", 3, 33), "1");
    EXPECT_EQ(settings.Cell("SiSG", 1, 1), "1");  // the live settings wait for OK

    EXPECT_EQ(asked.beeps, 2);
    EXPECT_EQ(asked.questions, (std::vector<std::string>{"神殺全てを 0: 非表示にしてよろしいですか？",
                                                         "神殺をデフォルトに戻してよろしいですか？"}));
  }
}

TEST_F(USysDialog, EditRulesOfTheTables) {
  struct Case {
    const char* table;
    std::size_t column, row;
    bool editable;
  };
  const Case cases[] = {
      {"ZSG", 2, 1, true},    {"ZSG", 1, 1, false},  {"ZSG", 4, 1, false},  // "・"
      {"ZSG", 4, 2, true},    {"ZSG", 2, 0, false},  {"SSG2", 1, 0, true},  {"SSG2", 2, 0, false},
      {"MSG", 5, 0, true},    {"MSG", 6, 0, false},  {"HSG", 7, 1, false},  {"HSG", 7, 2, true},
      {"SKSG", 1, 8, false},  {"SKSG", 1, 2, false}, {"SKSG", 1, 3, true},  {"SSSG", 1, 14, false},
      {"SSSG", 1, 13, true},  {"SiSG", 0, 1, false}, {"SiSG", 4, 39, true}, {"TSG", 12, 10, true},
      {"TSG", 13, 10, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(settings.CanEditCell(c.table, c.column, c.row), c.editable) << c.table << c.column << "," << c.row;
  }
}

TEST_F(USysDialog, OkSavesAndCommitsOnlyAfterAPassingCheck) {
  USysDialogModel dialog(settings, fixture.folder(), interaction);
  dialog.edited().SetCell("SSG", 1, 1, "");
  dialog.edited().SetFlag("KSCB", true);
  EXPECT_FALSE(dialog.Ok());
  EXPECT_EQ(interaction.messages, std::vector<std::string>{"「」は整数ではありません"});
  EXPECT_EQ(interaction.kinds, std::vector<MessageKind>{MessageKind::kWarning});
  EXPECT_EQ(interaction.beeps, 1);
  ASSERT_TRUE(dialog.refusal().has_value());
  EXPECT_EQ(dialog.refusal()->key, "SSG");
  EXPECT_EQ(fixture.ReadUSys().find("KSCB"), std::string::npos);
  EXPECT_FALSE(settings.Flag("KSCB"));
  EXPECT_TRUE(dialog.edited().Flag("KSCB"));  // the edits stay in the dialog

  dialog.edited().SetCell("SSG", 1, 1, "2");
  EXPECT_TRUE(dialog.Ok());
  EXPECT_NE(fixture.ReadUSys().find("KSCB=1"), std::string::npos);
  EXPECT_TRUE(settings.Flag("KSCB"));
  EXPECT_EQ(settings.Cell("SSG", 1, 1), "2");
}

}  // namespace
}  // namespace kirvo
