#include "presentation/frame/child_windows.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

using Indices = std::vector<std::size_t>;

TEST(ChildWindows, FindsTheFirstChildOfACaption) {
  const std::vector<std::string> captions = {"甲 さんの命式", "乙 さんの行運", "甲 さんの命式"};
  EXPECT_EQ(FindChildByCaption(captions, "甲 さんの命式"), 0u);
  EXPECT_EQ(FindChildByCaption(captions, "甲 さんの行運"), std::nullopt);
}

TEST(ChildWindows, LuckWindowLimitKeepsRoomForTheNewWindow) {
  const std::vector<std::string> captions = {"甲 さんの行運", "乙 さんの命式", "丙 さんの行運", "丁 さんの行運"};
  EXPECT_EQ(LuckWindowsToClose(captions, 0), (Indices{0, 2, 3}));  // "1": every luck window goes
  EXPECT_EQ(LuckWindowsToClose(captions, 1), (Indices{2, 3}));     // "2": the most recent stays
  EXPECT_EQ(LuckWindowsToClose(captions, 2), (Indices{3}));
  EXPECT_EQ(LuckWindowsToClose(captions, kUnlimitedLuckWindowsItem), Indices{});
  // With "1" the person's own luck window closes too and is opened afresh.
  EXPECT_EQ(LuckWindowsToClose({"甲 さんの行運"}, 0), (Indices{0}));
  EXPECT_EQ(LuckWindowsToClose({"甲 さんの命式"}, 0), Indices{});
}

TEST(ChildWindows, WindowListStopsAtAHundredEntries) {
  std::vector<std::string> captions;
  for (int i = 0; i < 120; ++i) captions.push_back(std::to_string(i) + " さんの命式");
  const std::vector<WindowListEntry> entries = WindowListEntries(captions, 3);
  ASSERT_EQ(entries.size(), kWindowListLimit);
  EXPECT_EQ(entries.back().caption, "99 さんの命式");
  EXPECT_TRUE(entries[3].checked);
  EXPECT_FALSE(entries[0].checked);
  EXPECT_TRUE(WindowListEntries({}, std::nullopt).empty());
}

TEST(ChildWindows, WindowListEntryFindsTheLastChildOfItsCaption) {
  const std::vector<std::string> captions = {"甲 さんの命式", "乙 さんの命式", "甲 さんの命式"};
  EXPECT_EQ(ChildOfWindowListEntry(captions, "甲 さんの命式"), 2u);
  EXPECT_EQ(ChildOfWindowListEntry(captions, "&乙 さんの命式"), 1u);  // the menu's shortcut mark
  EXPECT_EQ(ChildOfWindowListEntry(captions, "丙 さんの命式"), std::nullopt);
}

}  // namespace
}  // namespace kirvo
