#include <gtest/gtest.h>

#include <string>

#include "settings/sys_settings_file.h"
#include "sys_fixture.h"

namespace kirvo {
namespace {

using test::StoredValue;
using test::SysFolder;

TEST(SysLoad, LoadRulesGiveTheStoredFormOfEachKey) {
  struct Case {
    const char* key_lines;  // the [SysF] section
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      // Check groups: "all" stored as 2147483647, and the defaults of missing keys.
      {"MKouChg=2147483647\n", "MKouChg", "127"},
      {"MKouChg=5\n", "MKouChg", "5"},
      {"", "MKChg", "255"},
      {"MKChg=2147483647\n", "MKChg", "255"},
      {"MKChg=3\n", "MKChg", "3"},
      {"", "MeiChg", "4194303"},
      {"MeiChg=2147483647\n", "MeiChg", "2147483647"},
      {"", "NCG", "2147483647"},
      {"NCG=-1\n", "NCG", "-1"},  // bit 31 comes back through the sign
      // Drop-down lists without a valid item fall back to item 1.
      {"KMCB=7\n", "KMCB", "1"},
      {"KMCB=-1\n", "KMCB", "1"},
      {"KMCB=3\n", "KMCB", "3"},
      {"KCB1=5\n", "KCB1", "1"},
      {"KCB1=0\n", "KCB1", "0"},
      // Column counts outside their load ranges are reset.
      {"CCnt=4\n", "CCnt", "15"},
      {"CCnt=101\n", "CCnt", "15"},
      {"CCnt=100\n", "CCnt", "100"},
      {"CCnt1=30\n", "CCnt1", "10"},
      {"CCnt1=9\n", "CCnt1", "10"},
      {"CCnt1=25\n", "CCnt1", "25"},
      // Flags: any non-zero integer is set; a missing key keeps its default.
      {"MeCB=2\n", "MeCB", "1"},
      {"EdSW=0\n", "EdSW", "0"},
      {"", "SCB3", "1"},
      // Keys match without regard to case; texts are kept as typed.
      {"tze=8.5\n", "TZE", "8.5"},
      {"NowE=30\n", "NowE", "30"},
      {"FileE=山田家.nam\n", "FileE", "山田家.nam"},
      {"AlDtE=1/5 7:30\n", "AlDtE", "1/5 7:30"},
      {"TBar1=100\n", "TBar1", "100"},
      // Files written before the term method existed read as the standard method.
      {"", "SetsuRG", "0"},
      {"SetsuRG=1\n", "SetsuRG", "1"},
      {"", "SetsuE", "30"},
      {"SetsuE=45\n", "SetsuE", "45"},
  };
  for (const Case& c : cases) {
    SysFolder folder;
    folder.WriteSys(c.key_lines);
    const SysSettings settings = folder.Load();
    EXPECT_EQ(StoredValue(settings, c.key), c.expected) << c.key_lines;
    EXPECT_TRUE(folder.interaction.messages.empty()) << c.key_lines;
  }
}

TEST(SysLoad, TermMethodAndMarginReachTheTermClock) {
  struct Case {
    const char* key_lines;
    TermMethod method;
    int margin_minutes;
    bool reported;
  };
  const Case cases[] = {
      {"TZE=8.0\n", TermMethod::kStandard, 30, false},
      {"TZE=8.0\nSetsuRG=1\nSetsuE=15\n", TermMethod::kPrecise, 15, false},
      {"TZE=8.0\nSetsuRG=2\nSetsuE=1441\n", TermMethod::kStandard, 30, true},
  };
  for (const Case& c : cases) {
    SysFolder folder;
    folder.WriteSys(c.key_lines);
    const SysSettings settings = folder.Load();
    EXPECT_EQ(TermClockOf(settings), (TermClock{8.0, c.method})) << c.key_lines;
    EXPECT_EQ(NearTermMinutes(settings), c.margin_minutes) << c.key_lines;
    EXPECT_EQ(folder.interaction.messages.empty(), !c.reported) << c.key_lines;
  }
}

TEST(SysLoad, NoFileGivesTheDefaultsWithTheLightColours) {
  SysFolder folder;
  const SysSettings settings = folder.Load();
  EXPECT_EQ(settings.MKChg, 255u);
  EXPECT_EQ(settings.MeiChg, 4194303u);
  EXPECT_EQ(settings.NCG, 2147483647u);
  EXPECT_EQ(settings.CP, LightDefaultColours());
  EXPECT_EQ(TimeZoneHours(settings), 9.0);
  EXPECT_TRUE(folder.interaction.messages.empty());
  EXPECT_EQ(folder.interaction.beeps, 0);
}

TEST(SysLoad, UnreadableValuesKeepTheirDefaultsAndAreReportedOnce) {
  struct Case {
    const char* key_lines;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"CCnt=abc\n", "CCnt", "13"},
      {"Tw=3.5\n", "Tw", "34"},
      {"TZE=abc\n", "TZE", "9.0"},
      {"TZE=30\n", "TZE", "9.0"},
      {"NowE=soon\n", "NowE", "-0.0"},
      // Numbers outside their range.
      {"NowE=100000000000000000000\n", "NowE", "-0.0"},
      {"NowE=-5000000\n", "NowE", "-0.0"},
      {"Tw=500\n", "Tw", "34"},
      {"Kh=19\n", "Kh", "36"},
      {"Zh1=0\n", "Zh1", "30"},
      {"PreE=-1\n", "PreE", "3"},
      {"NRG=5\n", "NRG", "0"},
      {"WmRG=x\n", "WmRG", "1"},
      {"MeCB=yes\n", "MeCB", "0"},
      {"MCG=all\n", "MCG", "23"},
      {"TBar1=101\n", "TBar1", "60"},
      {"NDate=2001/02/30\n", "NDate", "2001/01/01"},
      {"NTime=25:00\n", "NTime", "00:00"},
      {"AlDtE=02/29 22:00\n", "AlDtE", "12/25 22:00"},  // 2001 has no 29 February
      {"CP3=-5\n", "CP3", "8454143"},
      {"CP3=16777216\n", "CP3", "8454143"},
      {"HenSG-Row1=使用名称,,劫財,食神,傷官,偏財,正財,偏官,正官,偏印,印綬,\n", "HenSG-Row1",
       "使用名称,比肩,劫財,食神,傷官,偏財,正財,偏官,正官,偏印,印綬,"},
      {"KyuSG-Row1=使用名称,主人公,洩,分,剋,生,\n", "KyuSG-Row1", "使用名称,主,洩,分,剋,生,"},  // 6 bytes
  };
  for (const Case& c : cases) {
    SysFolder folder;
    folder.MarkNotFirstStart();  // so that stored colours count
    folder.WriteSys(c.key_lines);
    const SysSettings settings = folder.Load();
    EXPECT_EQ(StoredValue(settings, c.key), c.expected) << c.key_lines;
    ASSERT_EQ(folder.interaction.messages.size(), 1u) << c.key_lines;
    EXPECT_NE(folder.interaction.messages[0].find(c.key), std::string::npos) << folder.interaction.messages[0];
    EXPECT_EQ(folder.interaction.beeps, 1) << c.key_lines;
  }
}

TEST(SysLoad, FontsAreReadFromTheirSectionsAndGarbageKeepsTheDefault) {
  SysFolder folder;
  folder.Write("SysF.ini",
               "[SysF]\n[SetuFont]\nSize=14\nStyle=3\nName=明朝\nColor=255\n"
               "[SysFont]\nSize=0\nStyle=16\nName=\nColor=blue\n");
  const SysSettings settings = folder.Load();
  EXPECT_EQ(settings.SetuFont, (FontSpec{"明朝", 14, kFontBold | kFontItalic, 0xFF0000}));
  EXPECT_EQ(settings.SysFont, DefaultSysFont());
  ASSERT_EQ(folder.interaction.messages.size(), 1u);
  for (const char* key : {"Size=0", "Style=16", "Name=", "Color=blue"}) {
    EXPECT_NE(folder.interaction.messages[0].find(key), std::string::npos) << key;
  }
  EXPECT_EQ(FontLabel(settings.SetuFont), "明朝 14point");
}

TEST(SysLoad, GarbageFilesLoadWithTheDefaults) {
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t messages;
  };
  const Case cases[] = {
      {"binary", std::string("\x00\xff\xfe\x81\x00\x1b[SysF]\x80\xa0\xfd", 13), 1},
      {"missing rows and keys", "[SysF]\r\nHenSG-Row0=\r\nHGSG-Row1\r\n[SetuFont]\r\n", 0},
      {"empty", "", 0},
  };
  for (const Case& c : cases) {
    SysFolder folder;
    folder.WriteBytes("SysF.ini", c.bytes);
    const SysSettings settings = folder.Load();
    EXPECT_EQ(settings.HenSG, DefaultHenSG()) << c.name;
    EXPECT_EQ(settings.HGSG, DefaultHGSG()) << c.name;
    EXPECT_EQ(settings.CP, LightDefaultColours()) << c.name;
    EXPECT_EQ(settings.SetuFont, DefaultSetuFont()) << c.name;
    EXPECT_EQ(folder.interaction.messages.size(), c.messages) << c.name;
  }
}

TEST(SysLoad, ReadableLinesOfAFileWithABadLineStillCount) {
  SysFolder folder;
  folder.WriteBytes("SysF.ini", "[SysF]\r\nFileE=\x93\r\nTw=40\r\n");
  const SysSettings settings = folder.Load();
  EXPECT_EQ(settings.Tw, "40");
  EXPECT_EQ(settings.FileE, "Default.nam");
  EXPECT_EQ(folder.interaction.messages.size(), 1u);
}

TEST(SysLoad, ManyUnreadableValuesMakeOneShortMessage) {
  SysFolder folder;
  folder.MarkNotFirstStart();
  std::string lines;
  for (int i = 0; i < 17; ++i) lines += "CP" + std::to_string(i) + "=x\n";
  folder.WriteSys(lines);
  const SysSettings settings = folder.Load();
  EXPECT_EQ(settings.CP, LightDefaultColours());
  ASSERT_EQ(folder.interaction.messages.size(), 1u);
  EXPECT_NE(folder.interaction.messages[0].find("ほか 7 件"), std::string::npos) << folder.interaction.messages[0];
}

TEST(SysLoad, FirstStartTakesTheLightColoursAndThenTheBrandingColours) {
  Branding branding;
  branding.colours[0] = 0x123456;
  struct Case {
    const char* name;
    bool first_start;
    bool branded;
    Rgb cp0;
    Rgb cp1;
  };
  const Case cases[] = {
      {"later start keeps the stored colours", false, true, 0x0000FF, 0x00FF00},
      {"first start, no branding", true, false, 0x80FF80, 0xFF68B4},
      {"first start with branding", true, true, 0x123456, 0xFF68B4},  // CP1 not in the branding
  };
  for (const Case& c : cases) {
    SysFolder folder;
    if (!c.first_start) folder.MarkNotFirstStart();
    folder.WriteSys("CP0=16711680\nCP1=65280\n");  // stored red in the low byte: blue, green
    const SysSettings settings = folder.Load(c.branded ? std::optional<Branding>(branding) : std::nullopt);
    EXPECT_EQ(settings.CP[0], c.cp0) << c.name;
    EXPECT_EQ(settings.CP[1], c.cp1) << c.name;
  }
}

TEST(SysLoad, BackgroundPicturesAreBuiltInFilesOrNothing) {
  SysFolder folder;
  folder.WriteBytes("wall.bmp", "BM");
  struct Case {
    const char* value;
    BackgroundPicture::Kind kind;
  };
  const Case cases[] = {
      {"BEd0", BackgroundPicture::Kind::kBuiltIn},  {"bed0", BackgroundPicture::Kind::kBuiltIn},
      {"BEd1", BackgroundPicture::Kind::kNone},  // another key's name is just a missing file
      {"wall.bmp", BackgroundPicture::Kind::kFile}, {"gone.bmp", BackgroundPicture::Kind::kNone},
      {"", BackgroundPicture::Kind::kNone},
  };
  for (const Case& c : cases) {
    folder.WriteSys(std::string("BEd0=") + c.value + "\n");
    const SysSettings settings = folder.Load();
    EXPECT_EQ(settings.backgrounds[0].kind, c.kind) << c.value;
    EXPECT_EQ(settings.backgrounds[1].kind, BackgroundPicture::Kind::kBuiltIn) << c.value;
  }
  folder.WriteSys("BEd0=" + (folder.folder() / "wall.bmp").string() + "\n");
  EXPECT_EQ(folder.Load().backgrounds[0],
            (BackgroundPicture{BackgroundPicture::Kind::kFile, folder.folder() / "wall.bmp"}));
}

TEST(SysLoad, SpecialCharacterOfTheSpiritStarNamesComesFromTheUserStore) {
  SysFolder folder;
  EXPECT_EQ(folder.Load().names.spirit_stars[kGaijiSlot], "魁正");
  ASSERT_TRUE(folder.store().WriteString("Sys", "Gaiji1", "93AB").ok());  // 騰
  const SysSettings settings = folder.Load();
  EXPECT_EQ(settings.names.spirit_stars[kGaijiSlot], "魁" + *CharacterOfShiftJisCode("93AB"));
  EXPECT_EQ(settings.names.spirit_stars[1], "太極貴人");
}

}  // namespace
}  // namespace kirvo
