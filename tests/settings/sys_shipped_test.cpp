#include <gtest/gtest.h>

#include <filesystem>

#include "settings/shipped_texts.h"
#include "settings/sys_settings_check.h"
#include "settings/sys_settings_file.h"
#include "sys_fixture.h"

namespace kirvo {
namespace {

using test::StoredForm;
using test::SysFolder;

TEST(SysShipped, TheShippedFileLoadsCleanlyPassesItsCheckAndHoldsTheDefaults) {
  SysFolder folder;
  folder.MarkNotFirstStart();  // so that the file's own colours are taken
  std::filesystem::copy_file(std::filesystem::path(KIRVO_SHIPPED_DIR) / "SysF.ini", folder.folder() / "SysF.ini");
  const SysSettings settings = folder.Load();
  EXPECT_TRUE(folder.interaction.messages.empty());
  EXPECT_EQ(folder.interaction.beeps, 0);
  EXPECT_EQ(CheckSysSettings(settings), std::nullopt);

  EXPECT_EQ(StoredForm(settings).ToText(), StoredForm(SysSettings{}).ToText());
  EXPECT_EQ(settings.CP, LightDefaultColours());
  EXPECT_EQ(settings.SetuFont, DefaultSetuFont());
  EXPECT_EQ(settings.SysFont, DefaultSysFont());
  EXPECT_EQ(TimeZoneHours(settings), 9.0);
  EXPECT_NE(ShippedText("SysF.ini").find("TZE=9.0"), std::string_view::npos);
}

TEST(SysShipped, EveryStoredKeyIsInTheShippedFile) {
  const IniFile shipped = IniFile::FromText(ShippedText("SysF.ini"));
  const IniFile all = StoredForm(SysSettings{});
  for (const std::string& section : all.Sections()) {
    for (const std::string& key : all.Keys(section)) EXPECT_TRUE(shipped.HasKey(section, key)) << section << " " << key;
  }
}

}  // namespace
}  // namespace kirvo
