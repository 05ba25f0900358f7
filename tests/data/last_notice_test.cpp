#include "data/last_notice.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace kirvo {
namespace {

TEST(LastNotice, IsKeptWithItsTimeAndReadBackAfterReopening) {
  TempFolder folder;
  {
    Outcome<FileSettingsStore> store = FileSettingsStore::Open(folder / "KirvoStore.txt");
    ASSERT_TRUE(store);
    EXPECT_EQ(ReadLastNotice(*store), std::nullopt);
    ASSERT_TRUE(KeepLastNotice(store.value(), {"新しい版を公開しました。\n詳しくはサポートページへ。", "2026/12/01 10:15:00"}));
  }
  Outcome<FileSettingsStore> reopened = FileSettingsStore::Open(folder / "KirvoStore.txt");
  ASSERT_TRUE(reopened);
  EXPECT_EQ(ReadLastNotice(*reopened),
            (LastNotice{"新しい版を公開しました。\n詳しくはサポートページへ。", "2026/12/01 10:15:00"}));
}

}  // namespace
}  // namespace kirvo
