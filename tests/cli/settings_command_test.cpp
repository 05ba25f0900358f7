#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_runner.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo::testing {
namespace {

CliResult CheckFolder(const TempFolder& folder) {
  return RunCli({"settings", "check", "--folder", folder.path().string()});
}

void CopyShippedFiles(const TempFolder& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(KIRVO_SHIPPED_DIR)) {
    std::filesystem::copy(entry.path(), folder / entry.path().filename());
  }
}

TEST(SettingsCheckCommand, TheShippedSettingsPassAndARefusalPrintsItsMessage) {
  TempFolder folder;
  CopyShippedFiles(folder);
  const CliResult shipped = CheckFolder(folder);
  EXPECT_EQ(shipped.exit_code, 0) << shipped.err;
  EXPECT_EQ(shipped.out, "OK\n");

  std::string rules = ReadShiftJisFile(folder / "USysF.ini").value();
  const std::size_t row = rules.find("\nMSG-Row0=") + 1;
  rules.replace(row, rules.find('\n', row) - row, "MSG-Row0=身弱,30,中和,20,身旺,50,極旺,");
  ASSERT_TRUE(WriteShiftJisFile(folder / "USysF.ini", rules).ok());
  const CliResult refused = CheckFolder(folder);
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.out, "身の数値指定に誤りがあります。\n");
}

// Without USysF.ini every table is empty, and the first empty cell's message alone would not say why.
TEST(SettingsCheckCommand, AFolderWithoutRuleSettingsSaysSo) {
  TempFolder folder;
  const CliResult result = CheckFolder(folder);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.out.find("USysF.ini"), std::string::npos) << result.out;
  EXPECT_EQ(result.out.find("整数ではありません"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace kirvo::testing
