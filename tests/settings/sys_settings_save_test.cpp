#include <gtest/gtest.h>

#include <string>

#include "platform/ini_file.h"
#include "platform/text_file.h"
#include "settings/sys_settings_file.h"
#include "settings/sys_settings_keys.h"
#include "sys_fixture.h"

namespace kirvo {
namespace {

using test::StoredForm;
using test::SysFolder;

// Settings with every stored key away from its default.
SysSettings EveryKeyChanged() {
  SysSettings settings;
  for (const SysFlagKey& flag : kSysFlagKeys) settings.*flag.member = !(settings.*flag.member);
  for (const SysChoiceKey& choice : kSysChoiceKeys) {
    settings.*choice.member = (settings.*choice.member + 1) % choice.ItemCount();
    if (choice.key == "KMCB" || choice.key == "KCB1") settings.*choice.member = 2;
  }
  for (const SysBitSetKey& bits : kSysBitSetKeys) settings.*bits.member = 0x15;
  settings.TBar1 = 35;
  settings.FileE = "C:\\名簿\\家族.nam";
  settings.NameE = "山田　太郎";
  settings.NDate = "1999/12/31";
  settings.NTime = "23:59";
  settings.NowE = "-12.5";
  settings.TZE = "8.0";
  settings.Tw1 = "40";
  settings.Kh1 = "41";
  settings.Zh1 = "42";
  settings.CCnt1 = "20";
  settings.Tw = "50";
  settings.Kh = "51";
  settings.Zh = "52";
  settings.PreE = "5";
  settings.CCnt = "30";
  settings.AlDtE = "02/04 05:00";
  settings.SetsuRG = 1;
  settings.SetsuE = "10";
  settings.BEd0 = "wall.bmp";
  settings.BEd1 = "";
  for (std::size_t i = 0; i < kPanelColourCount; ++i) settings.CP[i] = kPanelColourRows[i].light ^ 0x010203;
  settings.HenSG.SetRow(1, {"使用名称", "比", "劫", "食", "傷", "才", "財", "殺", "官", "梟", "印"});
  settings.HGSG.SetRow(1, {"使用名称", "ｱ", "ｲ", "ｳ", "ｴ", "ｵ"});
  settings.KyuSG.SetRow(1, {"使用名称", "私", "出", "取", "攻", "助"});
  settings.SetuFont = {"明朝", 12, kFontItalic | kFontUnderline, 0x102030};
  settings.SysFont = {"ゴシック", 8, kFontStrikeOut, 0xFEDCBA};
  return settings;
}

TEST(SysSave, EveryKeyAndTableComesBackUnchanged) {
  SysFolder folder;
  folder.MarkNotFirstStart();
  const SysSettings saved = EveryKeyChanged();
  ASSERT_TRUE(SaveSysSettings(saved, folder.folder()).ok());
  const SysSettings loaded = folder.Load();

  EXPECT_EQ(StoredForm(loaded).ToText(), StoredForm(saved).ToText());
  EXPECT_EQ(loaded.HenSG, saved.HenSG);
  EXPECT_EQ(loaded.HGSG, saved.HGSG);
  EXPECT_EQ(loaded.KyuSG, saved.KyuSG);
  EXPECT_EQ(loaded.names.ten_god_row[8], "梟");  // KNCB is set, so the analysis keeps 偏印
  EXPECT_TRUE(folder.interaction.messages.empty());
  // Every key differs from the defaults, so none of them can have come back by default.
  const IniFile defaults = StoredForm(SysSettings{});
  const IniFile changed = StoredForm(saved);
  for (const std::string& key : changed.Keys("SysF")) {
    if (key.starts_with("HenSG-Row0") || key.starts_with("HGSG-Row0") || key.starts_with("KyuSG-Row0")) continue;
    EXPECT_NE(changed.ReadString("SysF", key, ""), defaults.ReadString("SysF", key, "")) << key;
  }
}

TEST(SysSave, KeysTheProgramDoesNotKnowAreKept) {
  SysFolder folder;
  folder.Write("SysF.ini", "[Other]\nA=1\n[SysF]\nFutureKey=7\nTw=60\n; a note\n");
  SysSettings settings = folder.Load();
  settings.Tw = "70";
  ASSERT_TRUE(SaveSysSettings(settings, folder.folder()).ok());

  const IniFile ini = *IniFile::Load(folder.folder() / "SysF.ini");
  EXPECT_EQ(ini.ReadString("Other", "A", ""), "1");
  EXPECT_EQ(ini.ReadString("SysF", "FutureKey", ""), "7");
  EXPECT_EQ(ini.ReadString("SysF", "Tw", ""), "70");
  EXPECT_EQ(ini.ReadString("SysF", "CP0", ""), "8454016");  // stored with red in the low byte
  EXPECT_NE(ini.ToText().find("; a note"), std::string::npos);
  EXPECT_FALSE(ini.HasKey("SysF", "MeiFont"));
}

// The reader leaves out a line that is not Shift-JIS; saving must not lose it for good.
TEST(SysSave, LinesThatCannotBeReadSurviveTheSave) {
  SysFolder folder;
  const std::string bad_line = "FileE=\x93";  // a lead byte without its second byte
  folder.WriteBytes("SysF.ini", "[SysF]\r\n" + bad_line + "\r\nTw=40\r\n");
  SysSettings settings = folder.Load();
  ASSERT_EQ(folder.interaction.messages.size(), 1u);
  settings.Tw = "70";
  ASSERT_TRUE(SaveSysSettings(settings, folder.folder()).ok());

  const std::string bytes = *ReadFileBytes(folder.folder() / "SysF.ini");
  EXPECT_TRUE(bytes.starts_with("[SysF]\r\n" + bad_line + "\r\nTw=70\r\n")) << bytes.substr(0, 40);
  EXPECT_EQ(folder.Load().Tw, "70");
  EXPECT_EQ(folder.interaction.messages.size(), 2u);  // the line is still there to be told of
}

TEST(SysSave, AFailedSaveWritesNothingAndIsReturned) {
  SysFolder folder;
  SysSettings settings;
  settings.NameE = "改行\nを含む";  // can't be one ini line
  const Status status = SaveSysSettings(settings, folder.folder());
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.error().find("SysF.ini"), std::string::npos) << status.error();
  EXPECT_FALSE(std::filesystem::exists(folder.folder() / "SysF.ini"));
}

}  // namespace
}  // namespace kirvo
