#include "settings/branding.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/sys_colours.h"
#include "sys_fixture.h"

namespace kirvo {
namespace {

using test::SysFolder;

constexpr const char* kFullBranding =
    "[App]\n"
    "Title=星読み \n"
    "TitleRect=0\n"
    "HelpFile=Brand.chm\n"
    "Suu_Type=1\n"
    "Naiyou_Suu=hide\n"
    "Naiyou_NaiGai=Hide\n"
    "CP0=255\n"
    "CP16=16711680\n"
    "[SysF]\n"
    "MeCB=hide\n"
    "KouCB=show\n"
    "[MainF]\n"
    "ASys=hide\n";

TEST(Branding, NoFileNoBranding) {
  SysFolder folder;
  EXPECT_FALSE(test::BrandingShownTo(folder.folder(), folder.interaction).has_value());
  EXPECT_TRUE(folder.interaction.messages.empty());
}

TEST(Branding, EveryKeyOfTheFile) {
  SysFolder folder;
  folder.Write("OEM.ini", kFullBranding);
  folder.WriteBytes("Brand.chm", "help");
  folder.WriteBytes("OEM.ico", "icon");
  const std::optional<Branding> branding = test::BrandingShownTo(folder.folder(), folder.interaction);
  ASSERT_TRUE(branding.has_value());
  EXPECT_TRUE(folder.interaction.messages.empty());

  EXPECT_EQ(BrandedTitle(*branding, "Kirvolan Ver1.54"), "星読み Ver1.54");
  EXPECT_EQ(BrandedTitle(*branding, "Kirvolan Ver1.54 (test build)"), "星読み Ver1.54 (t");
  EXPECT_EQ(BrandedTitle(*branding, "Kirvolan"), "星読み ");
  EXPECT_EQ(branding->title_rect, 0);
  EXPECT_EQ(BrandedHelpFile(*branding, folder.folder()), folder.folder() / "Brand.chm");
  EXPECT_EQ(branding->suu_type, 1);
  EXPECT_TRUE(branding->hide_content_numbers);
  EXPECT_FALSE(branding->hide_content_inner_outer);  // only "hide" hides
  EXPECT_EQ(branding->icon_file, folder.folder() / "OEM.ico");
  EXPECT_FALSE(branding->splash_picture.has_value());

  // Stored colours have red in the low byte.
  const PanelColours colours = BrandedLightColours(branding);
  EXPECT_EQ(colours[0], 0xFF0000u);
  EXPECT_EQ(colours[16], 0x0000FFu);
  EXPECT_EQ(colours[1], LightDefaultColours()[1]);  // not in the file

  struct HideCase {
    const char* window;
    const char* control;
    bool hidden;
  };
  const HideCase hides[] = {
      {"SysF", "MeCB", true},  {"sysf", "mecb", true},   {"SysF", "KouCB", false},
      {"MainF", "ASys", true}, {"USysF", "MeCB", false}, {"App", "Naiyou_Suu", false},
  };
  for (const HideCase& h : hides) {
    EXPECT_EQ(IsHiddenByBranding(*branding, h.window, h.control), h.hidden) << h.window << " " << h.control;
  }
}

TEST(Branding, DefaultsAndUnusableValues) {
  SysFolder folder;
  folder.Write("OEM.ini", "[App]\nTitleRect=round\nHelpFile=../outside.chm\nCP2=black\n");
  folder.WriteBytes("../outside.chm", "x");
  const std::optional<Branding> branding = test::BrandingShownTo(folder.folder(), folder.interaction);
  ASSERT_TRUE(branding.has_value());
  EXPECT_EQ(branding->title_rect, 1);
  EXPECT_EQ(branding->suu_type, 0);
  EXPECT_FALSE(BrandedHelpFile(*branding, folder.folder()).has_value());
  EXPECT_EQ(BrandedTitle(*branding, "Kirvolan Ver1.54"), "Kirvolan Ver1.54");
  EXPECT_EQ(BrandedLightColours(branding), LightDefaultColours());
  ASSERT_EQ(folder.interaction.messages.size(), 1u);
  EXPECT_NE(folder.interaction.messages[0].find("TitleRect=round"), std::string::npos);
  EXPECT_NE(folder.interaction.messages[0].find("CP2=black"), std::string::npos);
  std::filesystem::remove(folder.folder() / "../outside.chm");

  folder.WriteBytes("OEM.ini", std::string("\x81\xff\x00\x01", 4));
  RecordingInteraction garbage;
  EXPECT_TRUE(test::BrandingShownTo(folder.folder(), garbage).has_value());
  EXPECT_EQ(garbage.messages.size(), 1u);
}

}  // namespace
}  // namespace kirvo
