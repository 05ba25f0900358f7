#include "presentation/print/page_settings.h"

#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

TEST(PageSettings, DefaultsWhenNothingIsKeptAndRoundTripsThroughTheStore) {
  TempFolder folder;
  FileSettingsStore store = FileSettingsStore::Open(folder / "store.txt").value();
  EXPECT_EQ(ReadPageSettings(store), (PageSettings{10, 5, 10, 10, false, 0}));

  const PageSettings changed{12, 7, 15, 20, true, 10};
  ASSERT_TRUE(WritePageSettings(store, changed));
  EXPECT_EQ(store.ReadString("PRN", "TopMgn"), "12");
  EXPECT_EQ(store.ReadString("PRN", "Color"), "1");
  EXPECT_EQ(store.ReadString("PRN", "ZCB"), "10");
  FileSettingsStore reopened = FileSettingsStore::Open(folder / "store.txt").value();
  EXPECT_EQ(ReadPageSettings(reopened), changed);
  EXPECT_EQ(PrintZoomPercent(changed.zoom_choice), 200);
}

TEST(PageSettings, UnreadableValuesKeepTheirDefaults) {
  TempFolder folder;
  FileSettingsStore store = FileSettingsStore::Open(folder / "store.txt").value();
  ASSERT_TRUE(store.WriteString("PRN", "TopMgn", "abc"));
  ASSERT_TRUE(store.WriteString("PRN", "LeftMgn", "-3"));
  ASSERT_TRUE(store.WriteString("PRN", "ZCB", "11"));
  EXPECT_EQ(ReadPageSettings(store), PageSettings{});
  EXPECT_EQ(PrintZoomPercent(-1), 100);
}

}  // namespace
}  // namespace kirvo
