#include "presentation/services/required_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/free_resources.h"
#include "presentation/services/resource_check.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

void Touch(const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

TEST(RequiredFiles, ReportsTheFirstMissingInOrder) {
  TempFolder folder;
  EXPECT_EQ(FirstMissingRequiredFile(folder.path(), "help/index.html"), "help/index.html");
  Touch(folder / "help" / "index.html");
  EXPECT_EQ(FirstMissingRequiredFile(folder.path(), "help/index.html"), "SysF.ini");
  for (const char* name : {"SysF.ini", "USysF.ini", "MemoF.ini", "KakuSetu.dat", "SinSetu.dat", "Default.zou"}) {
    Touch(folder / name);
  }
  EXPECT_EQ(FirstMissingRequiredFile(folder.path(), "help/index.html"), "Memo.dat");
  Touch(folder / "Memo.Dat");  // the name matches without regard to case
  EXPECT_EQ(FirstMissingRequiredFile(folder.path(), "help/index.html"), std::nullopt);
  EXPECT_EQ(MissingFileMessage("SysF.ini"), "SysF.iniが、ありません。");
}

TEST(RequiredFiles, FindsNamesIgnoringCaseButPrefersTheExactName) {
  TempFolder folder;
  Touch(folder / "HELP" / "Index.HTML");
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "help/index.html"), folder / "HELP" / "Index.HTML");
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "help"), std::nullopt);  // a folder is no file
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "Memo.dat"), std::nullopt);
}

TEST(ResourceCheck, PassesWithoutPoolsAndFailsAtTheThreshold) {
  RecordingInteraction interaction;
  EXPECT_TRUE(PassesResourceCheck(std::nullopt, kStartResourceThreshold, interaction));
  EXPECT_TRUE(PassesResourceCheck(FreeResources{21, 50, 90}, 20, interaction));
  EXPECT_TRUE(interaction.messages.empty());
  EXPECT_FALSE(PassesResourceCheck(FreeResources{50, 20, 90}, 20, interaction));
  EXPECT_EQ(interaction.beeps, 1);
  ASSERT_EQ(interaction.messages.size(), 1u);
  EXPECT_EQ(interaction.messages[0], kLowResourcesMessage);
}

}  // namespace
}  // namespace kirvo
