#include "presentation/frame/child_windows.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

using Indices = std::vector<std::size_t>;

constexpr ChartWindowKind kChart = ChartWindowKind::kChart;
constexpr ChartWindowKind kLuck = ChartWindowKind::kLuck;

TEST(ChildWindows, FindsTheFirstChildOfAKindAndPerson) {
  const std::vector<ChildWindowKey> children = {{kChart, "甲"}, {kLuck, "乙"}, {kChart, "甲"}};
  EXPECT_EQ(FindChild(children, {kChart, "甲"}), 0u);
  EXPECT_EQ(FindChild(children, {kLuck, "甲"}), std::nullopt);
}

TEST(ChildWindows, LuckWindowLimitKeepsRoomForTheNewWindow) {
  const std::vector<ChartWindowKind> kinds = {kLuck, kChart, kLuck, kLuck};
  EXPECT_EQ(LuckWindowsToClose(kinds, 0), (Indices{0, 2, 3}));  // "1": every luck window goes
  EXPECT_EQ(LuckWindowsToClose(kinds, 1), (Indices{2, 3}));     // "2": the most recent stays
  EXPECT_EQ(LuckWindowsToClose(kinds, 2), (Indices{3}));
  EXPECT_EQ(LuckWindowsToClose(kinds, kUnlimitedLuckWindowsItem), Indices{});
  // With "1" the person's own luck window closes too and is opened afresh.
  EXPECT_EQ(LuckWindowsToClose({kLuck}, 0), (Indices{0}));
  EXPECT_EQ(LuckWindowsToClose({kChart}, 0), Indices{});
}

// A child's kind is what it says, not read from its caption: a person named with "の行運" has a
// chart window, which the luck-window limit leaves open.
TEST(ChildWindows, LuckWindowsAreKnownByKindNotByCaption) {
  ASSERT_NE(ChartWindowCaption("甲の行運", kChart).find("の行運"), std::string::npos);
  EXPECT_EQ(LuckWindowsToClose({kChart, kLuck}, 0), (Indices{1}));
}

// Each kind opens with its own range: the chart window's default range, the combined window's
// luck level, every luck column for the luck window; a setting outside the list gives the chart
// alone.
TEST(ChildWindows, EachKindOpensWithItsRange) {
  SysSettings sys;
  sys.CB1 = 2;
  sys.KCB1 = 4;
  EXPECT_EQ(OpeningRange(kChart, sys), LuckRange::kYearLuck);
  EXPECT_EQ(OpeningRange(ChartWindowKind::kCombined, sys), LuckRange::kDayLuck);
  EXPECT_EQ(OpeningRange(kLuck, sys), LuckRange::kHourLuck);
  sys.CB1 = 6;
  sys.KCB1 = -1;
  EXPECT_EQ(OpeningRange(kChart, sys), LuckRange::kNatalOnly);
  EXPECT_EQ(OpeningRange(ChartWindowKind::kCombined, sys), LuckRange::kNatalOnly);
  for (const ChildKindRow& row : kChildKinds) EXPECT_EQ(&ChildKindRowOf(row.kind), &row);
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
