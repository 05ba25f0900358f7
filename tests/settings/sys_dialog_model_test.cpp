#include "settings/sys_dialog_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "sys_fixture.h"

namespace kirvo {
namespace {

using test::SysFolder;

TEST(SysDialog, OkSavesAndCommitsOnlyAfterAPassingCheck) {
  SysFolder folder;
  folder.MarkNotFirstStart();
  SysSettings live = folder.Load();
  SysDialogModel dialog(live, folder.folder(), folder.store(), std::nullopt, folder.interaction);

  dialog.edited().Tw = "60";
  dialog.edited().NDate = "2001/02/30";  // refused with the focus only
  EXPECT_FALSE(dialog.Ok());
  EXPECT_EQ(folder.interaction.beeps, 1);
  EXPECT_TRUE(folder.interaction.messages.empty());
  ASSERT_TRUE(dialog.refusal().has_value());
  EXPECT_EQ(dialog.refusal()->key, "NDate");
  EXPECT_EQ(live.Tw, "34");
  EXPECT_FALSE(std::filesystem::exists(folder.folder() / "SysF.ini"));

  dialog.edited().NameE = "山田&花子";
  dialog.edited().NDate = "2001/02/28";
  EXPECT_FALSE(dialog.Ok());
  EXPECT_EQ(folder.interaction.messages, std::vector<std::string>{"氏名欄に半角の「＆」「，」は使用できません。"});
  EXPECT_EQ(folder.interaction.kinds, std::vector<MessageKind>{MessageKind::kWarning});

  dialog.edited().NameE = "山田花子";
  EXPECT_TRUE(dialog.Ok());
  EXPECT_EQ(live.Tw, "60");
  EXPECT_EQ(live.NDate, "2001/02/28");
  EXPECT_EQ(IniFile::Load(folder.folder() / "SysF.ini")->ReadString("SysF", "Tw", ""), "60");
}

TEST(SysDialog, CancelDropsTheEditsForTheStoredValues) {
  SysFolder folder;
  folder.MarkNotFirstStart();
  folder.WriteSys("Tw=40\n");
  SysSettings live = folder.Load();
  live.MeiFont.size_points = 20;  // chosen in this run, never stored
  SysDialogModel dialog(live, folder.folder(), folder.store(), std::nullopt, folder.interaction);
  dialog.edited().Tw = "x";
  dialog.edited().KakuCB = true;
  dialog.ResetNames();
  EXPECT_TRUE(dialog.Cancel());
  EXPECT_EQ(live.Tw, "40");
  EXPECT_FALSE(live.KakuCB);
  EXPECT_EQ(live.MeiFont.size_points, 20);
  EXPECT_TRUE(folder.interaction.messages.empty());
  EXPECT_TRUE(IniFile::Load(folder.folder() / "SysF.ini")->HasKey("SysF", "KakuCB"));  // every key written
}

TEST(SysDialog, AFailedSaveIsToldAsAnErrorAndTheSettingsStillHold) {
  SysFolder folder;
  SysSettings live = folder.Load();
  SysDialogModel dialog(live, folder.folder(), folder.store(), std::nullopt, folder.interaction);
  dialog.edited().FileE = "改行\nを含む.nam";  // can't be one ini line
  EXPECT_TRUE(dialog.Ok());
  EXPECT_EQ(folder.interaction.kinds, std::vector<MessageKind>{MessageKind::kError});
  EXPECT_EQ(live.FileE, "改行\nを含む.nam");
}

TEST(SysDialog, DefaultColourCommands) {
  SysFolder folder;
  SysSettings live = folder.Load();
  Branding branding;
  branding.colours[0] = 0x123456;
  SysDialogModel dialog(live, folder.folder(), folder.store(), branding, folder.interaction);
  dialog.UseDarkDefaultColours();
  EXPECT_EQ(dialog.edited().CP, DarkDefaultColours());
  dialog.UseLightDefaultColours();
  EXPECT_EQ(dialog.edited().CP[0], 0x123456u);
  EXPECT_EQ(dialog.edited().CP[1], LightDefaultColours()[1]);
  EXPECT_EQ(live.CP, LightDefaultColours());
}

}  // namespace
}  // namespace kirvo
