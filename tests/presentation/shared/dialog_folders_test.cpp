#include "presentation/shared/dialog_folders.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(DialogFoldersTest, OpensInTheProgramFolderThenWhereThatKindWasLastChosen) {
  DialogFolders folders("/opt/kirvo");
  EXPECT_EQ(folders.StartFolder("nam"), std::filesystem::path("/opt/kirvo"));

  folders.Remember("nam", "/home/user/persons/family.nam");
  folders.Remember("csv", "");  // a cancelled dialog
  EXPECT_EQ(folders.StartFolder("nam"), std::filesystem::path("/home/user/persons"));
  EXPECT_EQ(folders.StartFolder("csv"), std::filesystem::path("/opt/kirvo"));

  folders.Remember("nam", "/media/stick/old.nam");
  EXPECT_EQ(folders.StartFolder("nam"), std::filesystem::path("/media/stick"));
}

}  // namespace
}  // namespace kirvo
