#include "presentation/print/pagination.h"

#include <gtest/gtest.h>

#include "presentation/print/page_plan.h"

namespace kirvo {
namespace {

using Pages = std::vector<std::vector<int>>;

TEST(WrappedToWidth, CountsFullWidthAsTwoPlacesAndHalfWidthAsOne) {
  // 9 points at 96 dpi: a half em is 6 pixels, so 36 pixels hold six places.
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {""}},
      {"甲乙丙", {"甲乙丙"}},
      {"甲乙丙丁", {"甲乙丙", "丁"}},
      {"ab甲乙cd", {"ab甲乙", "cd"}},
      {"ｱｲｳｴｵｶｷ", {"ｱｲｳｴｵｶ", "ｷ"}},
  };
  for (const Case& c : cases) EXPECT_EQ(WrappedToWidth(c.text, 36, 9, 96), c.lines) << c.text;
}

TEST(SplitIntoPages, GathersWhileTheyFitAndRepeatsTheFixedItems) {
  struct Case {
    const char* what;
    std::vector<int> sizes;
    int fixed;
    int room;
    int first_room;
    Pages pages;
  };
  const Case cases[] = {
      {"a page ends before the item that would overflow it", {30, 30, 30, 30, 30}, 0, 100, 100, {{0, 1, 2}, {3, 4}}},
      {"an item filling the room exactly stays", {50, 50, 50}, 0, 100, 100, {{0, 1}, {2}}},
      {"an item too high alone gets a page of its own", {30, 150, 30}, 0, 100, 100, {{0}, {1}, {2}}},
      {"the fixed items come first on every page and take their room",
       {20, 30, 30, 30},
       1,
       70,
       70,
       {{0, 1}, {0, 2}, {0, 3}}},
      {"items of size 0 are left out", {30, 0, 30, 0}, 0, 100, 100, {{0, 2}}},
      {"a smaller first page", {40, 40, 40, 40}, 0, 100, 50, {{0}, {1, 2}, {3}}},
      {"a table of fixed items alone still makes a page", {20, 20}, 2, 100, 100, {{0, 1}}},
      {"an empty table makes one empty page", {}, 0, 100, 100, {{}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitIntoPages(c.sizes, c.fixed, c.room, c.first_room), c.pages) << c.what;
  }
}

TEST(PrintUnits, MillimetresAndUnitsFollowTheDevicesResolution) {
  EXPECT_EQ(DeviceOfMm(10, 96), 38);
  EXPECT_EQ(DeviceOfMm(25.4, 600), 600);
  EXPECT_EQ(DeviceOfUnits(96, 600), 600);
  EXPECT_EQ(DeviceOfUnits(18, 96), 18);
  // Each direction converts by its own resolution.
  const PrintDevice device{1000, 2000, 100, 200};
  const PixelRect area = PrintableArea(device, PageSettings{10, 5, 20, 30, false, 0});
  EXPECT_EQ(area, (PixelRect{DeviceOfMm(20, 100), DeviceOfMm(10, 200), 1000 - DeviceOfMm(30, 100),
                             2000 - DeviceOfMm(5, 200)}));
}

}  // namespace
}  // namespace kirvo
