#include "presentation/tools/special_characters_session.h"

#include <gtest/gtest.h>

#include "platform/shift_jis.h"
#include "presentation/shared/grid_csv.h"
#include "platform/text_file.h"
#include "settings/spirit_star_slots.h"
#include "settings/usys_settings_file.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

class SpecialCharactersTest : public ::testing::Test {
 protected:
  void SetUp() override { store_.emplace(FileSettingsStore::Open(folder_ / "store.reg").value()); }
  void TearDown() override { UseGaijiStandIn(SpecialCharacters{}); }

  TempFolder folder_;
  std::optional<FileSettingsStore> store_;
  RecordingInteraction interaction_;
};

TEST_F(SpecialCharactersTest, OnlyACodeOfOneDoubleByteCharacterPasses) {
  struct Case {
    std::string_view code;
    std::string_view shown;    // empty when refused
    std::string_view message;  // of a refusal
  };
  const std::string length(kSpecialCodeLengthMessage);
  const Case cases[] = {
      {"90B3", "正", ""},
      {"93ab", "騰", ""},  // lower-case hex digits
      {"8140", "　", ""},
      {"90B", "", length},
      {"90B3F", "", length},
      {"ZZB3", "", "『ZZB3』は、不正なS-JISｺｰﾄﾞです。"},
      {"4142", "", "『4142』は、不正なS-JISｺｰﾄﾞです。"},  // two single-byte characters
      {"A1A2", "", "『A1A2』は、不正なS-JISｺｰﾄﾞです。"},  // two half-width katakana
      {"8540", "", "『8540』は、不正なS-JISｺｰﾄﾞです。"},  // a lead byte with no characters
      {"90FF", "", "『90FF』は、不正なS-JISｺｰﾄﾞです。"},  // a trail byte out of range
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.code));
    RecordingInteraction interaction;
    SpecialCharactersSession session(*store_);
    session.SetCode(c.code);
    EXPECT_EQ(session.Ok(interaction), !c.shown.empty());
    EXPECT_EQ(session.shown(), c.shown);
    if (c.message.empty()) {
      EXPECT_TRUE(interaction.messages.empty());
    } else {
      ASSERT_EQ(interaction.messages.size(), 1u);
      EXPECT_EQ(interaction.messages[0], c.message);
      EXPECT_EQ(interaction.beeps, 1);
    }
  }
}

TEST_F(SpecialCharactersTest, ClosingStoresTheCodesAndOnlyAChangeAsksForARestart) {
  {
    SpecialCharactersSession unchanged(*store_);
    ASSERT_TRUE(unchanged.Check(interaction_));
    ASSERT_TRUE(unchanged.Close(*store_, interaction_, "Kirvolan").ok());
    EXPECT_TRUE(interaction_.messages.empty());
  }
  {
    SpecialCharactersSession session(*store_);
    session.SetCode("8AF8");
    session.SetUnicodeOnScreen(true);
    ASSERT_TRUE(session.Check(interaction_));
    EXPECT_EQ(session.ScreenName(), "魁罡");
    ASSERT_TRUE(session.Close(*store_, interaction_, "Kirvolan").ok());
    ASSERT_EQ(interaction_.messages.size(), 1u);
    EXPECT_EQ(interaction_.messages[0],
              "『Kirvolan』を一旦終了後、\r\n再度、本ソフトを起動すると、変更された特殊文字が有効となります。");
  }
  const SpecialCharacters stored = ReadSpecialCharacters(*store_);
  EXPECT_EQ(stored.codes[0], "8AF8");
  EXPECT_EQ(stored.codes[1], "B4B2");
  EXPECT_EQ(stored.codes[2], "93AB");
  EXPECT_TRUE(stored.unicode_on_screen);

  // ｷｬﾝｾﾙ puts back what was read; ﾃﾞﾌｫﾙﾄ the shipped codes without the Unicode choice.
  SpecialCharactersSession session(*store_);
  session.SetCode("ZZ");
  session.Revert(interaction_);
  EXPECT_EQ(session.edited(), stored);
  session.Defaults(interaction_);
  EXPECT_EQ(session.edited(), SpecialCharacters{});
  EXPECT_EQ(session.ScreenName(), "魁正");
}

// With the Unicode choice the screen shows 魁罡, which Shift-JIS lacks; every Shift-JIS file gets
// the configured code's character in its place, as it did before the choice existed.
TEST_F(SpecialCharactersTest, TheUnicodeChoiceShowsTheRealCharacterAndFilesGetTheCode) {
  SpecialCharacters characters;
  characters.codes[0] = "9390";  // 盗, not the default, so the file shows which code it took
  characters.unicode_on_screen = true;
  ASSERT_TRUE(WriteSpecialCharacters(*store_, characters).ok());

  Loaded<USysSettings> loaded = LoadUSysSettings(folder_.path(), *store_, FirstRunRule::kSkip);
  const std::string& screen = loaded.value.SlotNames()[kGaijiSlot];
  EXPECT_EQ(screen, "魁罡");

  UseGaijiStandIn(ReadSpecialCharacters(*store_));
  ASSERT_TRUE(WriteGridCsv(folder_ / "export.csv", {{"名", screen}}).ok());
  EXPECT_EQ(ReadShiftJisFile(folder_ / "export.csv").value(), GridCsvText({{"名", "魁盗"}}));
  EXPECT_EQ(ShiftJisWidth(screen), 4);

  // Without the choice the name holds the code's character on screen and in files alike.
  characters.unicode_on_screen = false;
  ASSERT_TRUE(WriteSpecialCharacters(*store_, characters).ok());
  loaded = LoadUSysSettings(folder_.path(), *store_, FirstRunRule::kSkip);
  EXPECT_EQ(loaded.value.SlotNames()[kGaijiSlot], "魁" + CharacterOfShiftJisCode("9390").value());
}

}  // namespace
}  // namespace kirvo
