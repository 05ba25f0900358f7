#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/ini_file.h"
#include "platform/line_ends.h"
#include "platform/shift_jis.h"
#include "platform/text_file.h"
#include "settings/distribution_file.h"
#include "settings/usys_close_check.h"
#include "settings/usys_dialog_model.h"
#include "settings/usys_settings.h"
#include "settings/usys_settings_file.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "usys_fixture.h"

namespace kirvo {
namespace {

using test::ProgramFolderFixture;
using test::ValidUSysText;
using test::WithoutLines;
using test::WithValue;

TEST(USysLoad, RowCellsTakeTheTextBeforeEachComma) {
  struct Case {
    const char* stored;
    std::vector<std::string> row3;  // columns 0..3 of SSG row 3
  };
  const Case cases[] = {
      {"1,2,3,", {"1", "2", "3", ""}},
      {"1,2,3", {"1", "2", "", ""}},  // text after the last comma is dropped
      {"", {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    ProgramFolderFixture fixture(WithValue(ValidUSysText(), "SSG-Row3", c.stored));
    RecordingInteraction interaction;
    USysSettings settings = test::LoadUSys(fixture, interaction);
    for (std::size_t column = 0; column < c.row3.size(); ++column) {
      EXPECT_EQ(settings.Cell("SSG", column, 3), c.row3[column]) << c.stored << " column " << column;
    }
    EXPECT_EQ(settings.Cell("SSG", 9, 3), "") << c.stored;
    EXPECT_TRUE(interaction.messages.empty()) << c.stored;
  }
}

TEST(USysLoad, MissingKeysKeepDefaultsAndFixedLabelsAreSetAgain) {
  // The stored labels are overridden by the program's own.
  std::string text = WithValue(ValidUSysText(), "ZSG-Row0", "x,x,x,x,x,x,x,x,x,");
  text = WithValue(text, "SKSG-Row0", "x,x,x,x,x,x,x,x,x,x,x,");
  ProgramFolderFixture fixture(text);
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);

  EXPECT_TRUE(settings.Flag("KoCB"));
  EXPECT_FALSE(settings.Flag("KSCB"));
  EXPECT_EQ(settings.Choice("DRG"), 1);
  EXPECT_EQ(settings.Choice("ZRG5"), 0);
  EXPECT_EQ(settings.Number("NGE"), "25");
  EXPECT_EQ(settings.Table("ZSG").Row(0), (std::vector<std::string>{"", "余", "気", "", "中", "気", "", "本", "気"}));
  EXPECT_EQ(settings.Cell("SiSG", 0, 1), "太極貴人");
  EXPECT_EQ(settings.Cell("SiSG", 0, 39), "寡宿");
  EXPECT_EQ(settings.Cell("SKSG", 0, 18), "学士");
  EXPECT_EQ(settings.Cell("SKSG", 1, 0), "甲");
  EXPECT_EQ(settings.Cell("SKSG", 10, 0), "癸");
  EXPECT_EQ(settings.Cell("SSSG", 0, 1), "天徳");
  EXPECT_EQ(settings.Cell("SSSG", 0, 14), "魁正");
  EXPECT_EQ(settings.Cell("SSSG", 12, 0), "亥");
}

TEST(USysLoad, SlotThirtyThreeTakesItsSecondCharacterFromThePerUserCode) {
  struct Case {
    const char* gaiji1;  // nullptr: not stored
    const char* slot33;
  };
  const Case cases[] = {
      {nullptr, "魁正"}, {"9F8A", "魁汪"}, {"f040", "魁\xEE\x80\x80"},  // the first user-defined character, U+E000
      {"ZZZZ", "魁正"},                                                 // not hex
      {"4142", "魁正"},                                                 // two one-byte characters
      {"90B", "魁正"},
  };
  for (const Case& c : cases) {
    ProgramFolderFixture fixture;
    if (c.gaiji1 != nullptr) {
      ASSERT_TRUE(fixture.store().WriteString("Sys", "Gaiji1", c.gaiji1).ok());
    }
    RecordingInteraction interaction;
    USysSettings settings = test::LoadUSys(fixture, interaction);
    EXPECT_EQ(settings.SlotNames()[kGaijiSlot], c.slot33) << (c.gaiji1 ? c.gaiji1 : "(none)");
    EXPECT_EQ(settings.Cell("SiSG", 0, 33), c.slot33);
    EXPECT_EQ(settings.Cell("SSSG", 0, 33 - 19), c.slot33);
  }
}

TEST(USysSave, EveryKeySurvivesASaveAndALoad) {
  ProgramFolderFixture fixture;
  RecordingInteraction interaction;
  USysSettings saved = test::LoadUSys(fixture, interaction);
  for (const FlagKey& flag : kUSysFlags) saved.SetFlag(flag.key, !flag.default_value);
  for (const ChoiceKey& choice : kUSysChoices) saved.SetChoice(choice.key, choice.ItemCount() - 1);
  saved.SetNumber("AVE", "47.5");
  saved.SetNumber("ZFileE", "Mine.zou");
  // The labels the program sets itself are not the file's to keep.
  const auto fixed_label = [](std::string_view table, std::size_t column, std::size_t row) {
    return (table == "ZSG" && row == 0) || (table == "SiSG" && column == 0) ||
           ((table == "SKSG" || table == "SSSG") && (column == 0 || row == 0));
  };
  for (const TableKey& table : kUSysTables) {
    for (std::size_t row = 0; row < table.rows; ++row) {
      for (std::size_t column = 0; column < table.columns; ++column) {
        if (fixed_label(table.key, column, row)) continue;
        // Japanese, blanks, an empty cell now and then.
        const std::string text = (row + column) % 7 == 0 ? "" : "甲 " + std::to_string(column * 100 + row);
        saved.SetCell(table.key, column, row, text);
      }
    }
  }
  ASSERT_TRUE(SaveUSysSettings(saved, fixture.folder()).ok());

  USysSettings loaded = test::LoadUSys(fixture, interaction);
  for (const FlagKey& flag : kUSysFlags) EXPECT_EQ(loaded.Flag(flag.key), !flag.default_value) << flag.key;
  for (const ChoiceKey& choice : kUSysChoices) EXPECT_EQ(loaded.Choice(choice.key), choice.ItemCount() - 1);
  EXPECT_EQ(loaded.Number("AVE"), "47.5");
  for (const TableKey& table : kUSysTables) EXPECT_EQ(loaded.Table(table.key), saved.Table(table.key)) << table.key;
  EXPECT_TRUE(interaction.messages.empty()) << interaction.messages.front();

  // The distribution table went to the file named by ZFileE as well.
  TextTable from_file(9, 13);
  ASSERT_TRUE(LoadDistributionFile(fixture.folder() / "Mine.zou", from_file).ok());
  EXPECT_EQ(from_file, saved.Table("ZSG"));
}

TEST(USysSave, KeepsKeysTheModelDoesNotKnow) {
  ProgramFolderFixture fixture(ValidUSysText() + "Extra=甲乙\n[Other]\nKey=1\n");
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);
  settings.SetFlag("KSCB", true);
  ASSERT_TRUE(SaveUSysSettings(settings, fixture.folder()).ok());
  const IniFile ini = IniFile::FromText(fixture.ReadUSys());
  EXPECT_EQ(ini.ReadString("USysF", "Extra", ""), "甲乙");
  EXPECT_EQ(ini.ReadString("Other", "Key", ""), "1");
  EXPECT_EQ(ini.ReadString("USysF", "KSCB", ""), "1");
  EXPECT_EQ(ini.ReadString("USysF", "SuCB", ""), "0");
}

TEST(USysSave, LinesThatCannotBeReadSurviveTheSave) {
  ProgramFolderFixture fixture;
  std::string bytes = *EncodeShiftJis(ToCrLfEnds(ValidUSysText()));
  const std::string bad_line = "KoCB=0\x81\x20\xFF";
  bytes.insert(bytes.find("ZFileE"), bad_line + "\r\n");
  ASSERT_TRUE(WriteFileAtomically(fixture.folder() / "USysF.ini", bytes).ok());
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);
  settings.SetFlag("KSCB", true);
  ASSERT_TRUE(SaveUSysSettings(settings, fixture.folder()).ok());

  const std::string saved = *ReadFileBytes(fixture.folder() / "USysF.ini");
  EXPECT_NE(saved.find("[USysF]\r\n" + bad_line + "\r\nZFileE="), std::string::npos);
  EXPECT_NE(saved.find("KSCB=1\r\n"), std::string::npos);
}

TEST(USysDistributionFile, ChosenFileIsRememberedRelativeToTheProgramFolder) {
  ProgramFolderFixture fixture;
  TempFolder elsewhere;
  std::string other_rows;
  for (const char* row : test::kDefaultZsgRows) other_rows += std::string(row) + "\n";
  other_rows.replace(other_rows.find("子,壬,10,"), std::string("子,壬,10,").size(), "子,癸,12,");
  ASSERT_TRUE(WriteShiftJisFile(fixture.folder() / "Other.zou", other_rows).ok());
  ASSERT_TRUE(WriteShiftJisFile(elsewhere / "Far.zou", other_rows).ok());

  RecordingInteraction interaction;
  USysSettings live = test::LoadUSys(fixture, interaction);
  USysDialogModel dialog(live, fixture.folder(), interaction);
  USysSettings& settings = dialog.edited();

  ASSERT_TRUE(dialog.OpenDistributionFile(fixture.folder() / "Other.zou"));
  EXPECT_EQ(settings.Number("ZFileE"), "Other.zou");
  EXPECT_EQ(settings.Cell("ZSG", 1, 1), "癸");
  EXPECT_EQ(settings.Cell("ZSG", 2, 1), "12");
  EXPECT_EQ(settings.HiddenStems().At(0, 0), 9);  // 癸 rebuilt at once

  ASSERT_TRUE(dialog.OpenDistributionFile(elsewhere / "Far.zou"));
  EXPECT_EQ(settings.Number("ZFileE"), (elsewhere / "Far.zou").string());
  settings.SetCell("ZSG", 2, 1, "11");
  ASSERT_TRUE(SaveUSysSettings(settings, fixture.folder()).ok());
  EXPECT_NE(ReadShiftJisFile(elsewhere / "Far.zou")->find("子,癸,11,"), std::string::npos);

  // A name stored with the program folder in front loses it on closing.
  settings.SetNumber("ZFileE", (fixture.folder() / "Third.zou").string());
  ASSERT_TRUE(dialog.Ok());
  EXPECT_EQ(live.Number("ZFileE"), "Third.zou");
  EXPECT_EQ(IniFile::FromText(fixture.ReadUSys()).ReadString("USysF", "ZFileE", ""), "Third.zou");
  EXPECT_TRUE(std::filesystem::exists(fixture.folder() / "Third.zou"));

  // A file that can't be read changes nothing and is told as an error.
  USysDialogModel again(live, fixture.folder(), interaction);
  EXPECT_FALSE(again.OpenDistributionFile(fixture.folder() / "Missing.zou"));
  EXPECT_EQ(again.edited().Number("ZFileE"), "Third.zou");
  EXPECT_EQ(again.edited().Table("ZSG"), live.Table("ZSG"));
  EXPECT_EQ(interaction.kinds, std::vector<MessageKind>{MessageKind::kError});
}

TEST(USysFirstRun, AFileWithoutTheMarkerIsRewrittenOnceAndMarked) {
  ProgramFolderFixture fixture(ValidUSysText(/*with_marker=*/false));
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);
  EXPECT_TRUE(interaction.messages.empty());

  const IniFile ini = IniFile::FromText(fixture.ReadUSys());
  EXPECT_EQ(ini.ReadInteger("USys", "V122", 0), 1);
  EXPECT_EQ(ini.ReadString("USysF", "KoCB", ""), "1");  // every key written
  EXPECT_EQ(ini.ReadString("USysF", "ZSG-Row1", ""), "子,壬,10,・,・,・,・,癸,20,");  // as read
  EXPECT_TRUE(std::filesystem::exists(fixture.folder() / "Default.zou"));

  // Marked files are not rewritten on later starts.
  std::filesystem::remove(fixture.folder() / "Default.zou");
  USysSettings again = test::LoadUSys(fixture, interaction);
  EXPECT_FALSE(std::filesystem::exists(fixture.folder() / "Default.zou"));
}

TEST(USysFirstRun, AFailingCheckSavesNothingButTheMarker) {
  ProgramFolderFixture fixture(WithValue(ValidUSysText(/*with_marker=*/false), "MSG-Row0", "弱,-10,中,-20,強,30,"));
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);

  EXPECT_EQ(interaction.messages, std::vector<std::string>{"身の数値指定に誤りがあります。"});
  const IniFile ini = IniFile::FromText(fixture.ReadUSys());
  EXPECT_EQ(ini.ReadInteger("USys", "V122", 0), 1);
  EXPECT_FALSE(ini.HasKey("USysF", "KoCB"));
  EXPECT_FALSE(std::filesystem::exists(fixture.folder() / "Default.zou"));
}

TEST(USysCancel, DropsTheEditsForTheStoredValuesAndSaves) {
  ProgramFolderFixture fixture;
  RecordingInteraction interaction;
  USysSettings live = test::LoadUSys(fixture, interaction);
  live.SetFlag("KSCB", true);  // in force, but not stored
  USysDialogModel dialog(live, fixture.folder(), interaction);
  dialog.edited().SetFlag("KoCB", false);
  dialog.edited().SetCell("SSG", 1, 1, "x");  // would fail the check if kept
  EXPECT_TRUE(dialog.Cancel());
  EXPECT_TRUE(live.Flag("KoCB"));
  EXPECT_FALSE(live.Flag("KSCB"));
  EXPECT_EQ(live.Cell("SSG", 1, 1), "1");
  EXPECT_TRUE(interaction.messages.empty());
  EXPECT_TRUE(IniFile::FromText(fixture.ReadUSys()).HasKey("USysF", "SuCB"));
}

// Files that are damaged in some way load without a crash: what can't be read keeps its default,
// and the user hears about it once.
TEST(USysLoad, DamagedFilesKeepDefaultsAndAreReportedOnce) {
  struct Case {
    const char* name;
    std::string bytes;  // Shift-JIS as stored
    bool file_untouched;
  };
  const std::string wrong_types = *EncodeShiftJis(ValidUSysText() + "KoCB=yes\nDRG=7\nZRG1=2\nKSCB=\n");
  // Without the first-run marker, so that a rewrite would show.
  std::string bad_bytes = *EncodeShiftJis(ValidUSysText(/*with_marker=*/false));
  bad_bytes.insert(bad_bytes.find("ZFileE"), "KoCB=0\x81\x20\xFF\r\n");
  const std::string missing_rows = *EncodeShiftJis(WithoutLines(ValidUSysText(), "SSG-Row4", "SSG-Row6"));
  const Case cases[] = {
      {"binary", std::string("\x00\x81\x7F\xFF\xFE\x80\xA0[USysF\x00\x85\x20\n\x9F", 17), true},
      {"wrong types", wrong_types, false},
      {"invalid Shift-JIS line", bad_bytes, true},
      {"missing rows", missing_rows, false},
  };
  for (const Case& c : cases) {
    ProgramFolderFixture fixture;
    ASSERT_TRUE(WriteFileAtomically(fixture.folder() / "USysF.ini", c.bytes).ok());
    RecordingInteraction interaction;
    USysSettings settings = test::LoadUSys(fixture, interaction);

    EXPECT_EQ(interaction.messages.size(), 1u) << c.name;
    EXPECT_TRUE(settings.Flag("KoCB")) << c.name;
    EXPECT_FALSE(settings.Flag("KSCB")) << c.name;
    EXPECT_EQ(settings.Choice("DRG"), 1) << c.name;
    EXPECT_EQ(settings.Choice("ZRG1"), 1) << c.name;
    EXPECT_EQ(settings.Cell("SiSG", 0, 2), "天乙貴人") << c.name;
    if (c.file_untouched) {
      EXPECT_EQ(*ReadFileBytes(fixture.folder() / "USysF.ini"), c.bytes) << c.name;
    }
  }
}

TEST(USysLoad, NumbersOutsideTheirRangeKeepTheirDefaults) {
  struct Case {
    const char* key;
    const char* stored;
    const char* expected;
  };
  const Case cases[] = {
      {"NGE", "0", "25"},    {"NGE", "100", "25"}, {"NGE", "x", "25"},   {"NGE", "30.5", "30.5"},
      {"AVE", "1000", "50"}, {"AVE", "0", "0"},    {"StdE", "-1", "25"}, {"StdE", "12.5", "12.5"},
  };
  for (const Case& c : cases) {
    ProgramFolderFixture fixture(ValidUSysText() + c.key + "=" + c.stored + "\n");
    RecordingInteraction interaction;
    const USysSettings settings = test::LoadUSys(fixture, interaction);
    EXPECT_EQ(settings.Number(c.key), c.expected) << c.key << "=" << c.stored;
    const bool kept = std::string(c.stored) == c.expected;
    ASSERT_EQ(interaction.messages.size(), kept ? 0u : 1u) << c.key << "=" << c.stored;
    if (!kept) {
      EXPECT_NE(interaction.messages[0].find(std::string(c.key) + "=" + c.stored), std::string::npos);
    }
  }
}

TEST(USysLoad, MissingRowsAreEmptyAndNamed) {
  ProgramFolderFixture fixture(WithoutLines(ValidUSysText(), "SSG-Row4", "SSG-Row6"));
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);
  EXPECT_EQ(settings.Table("SSG").Row(4), std::vector<std::string>(10));
  EXPECT_EQ(settings.Cell("SSG", 1, 6), "1");
  ASSERT_EQ(interaction.messages.size(), 1u);
  EXPECT_NE(interaction.messages[0].find("SSG-Row4 ほか 1 行"), std::string::npos) << interaction.messages[0];
}

TEST(USysShipped, TheShippedSettingsPassTheirOwnCloseCheck) {
  ProgramFolderFixture fixture;
  const std::filesystem::path shipped(KIRVO_SHIPPED_DIR);
  for (const char* name : {"USysF.ini", "Default.zou"}) {
    std::filesystem::copy_file(shipped / name, fixture.folder() / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  RecordingInteraction interaction;
  USysSettings settings = test::LoadUSys(fixture, interaction);
  EXPECT_TRUE(interaction.messages.empty()) << interaction.messages.front();
  EXPECT_EQ(CheckRuleSettings(settings), std::nullopt);
  EXPECT_EQ(settings.Number("ZFileE"), "Default.zou");

  // Its distribution table is the one of Default.zou.
  TextTable zou(9, 13);
  ASSERT_TRUE(LoadDistributionFile(shipped / "Default.zou", zou).ok());
  for (std::size_t row = 1; row < 13; ++row) {
    for (std::size_t column : {0, 1, 2, 4, 5, 6, 7, 8}) {
      EXPECT_EQ(settings.Cell("ZSG", column, row), zou.Cell(column, row)) << column << "," << row;
    }
  }
}

}  // namespace
}  // namespace kirvo
