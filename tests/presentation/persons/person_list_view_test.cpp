#include "presentation/persons/person_list_view.h"

#include <gtest/gtest.h>

#include "settings/program_settings.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

TEST(PersonListView, ColumnWidthsFollowTheHeadersAndTheShownItems) {
  std::uint32_t items = 0xFFFFFFFF;
  items &= ~(1u << 0);   // column 11, " 身"
  items &= ~(1u << 25);  // column 36, "空亡"
  const std::vector<int> widths = PersonColumnWidths(9, items);
  ASSERT_EQ(widths.size(), kPersonCellCount);
  EXPECT_EQ(widths[0], 106);
  EXPECT_EQ(widths[2], 8 * 9);  // 生年月日
  EXPECT_EQ(widths[9], 8 * 9);  // " 季　節 "
  EXPECT_EQ(widths[10], 4 * 9);
  EXPECT_EQ(widths[11], 0);
  EXPECT_EQ(widths[12], 3 * 9);
  EXPECT_EQ(widths[36], 0);
  EXPECT_EQ(widths[37], 0);
}

TEST(PersonListView, CellsTakeTheirElementColourAndAlignmentByColumn) {
  const SysSettings& sys = ShippedSettings().sys;
  const PersonCellLook stem = PersonCellLookOf(7, "甲", sys);
  EXPECT_TRUE(stem.coloured);
  EXPECT_EQ(stem.background, ElementColour(sys.CP, 0));
  EXPECT_EQ(stem.alignment, CellAlignment::kCentre);
  EXPECT_FALSE(PersonCellLookOf(21, "甲乙丙丁", sys).coloured);
  EXPECT_FALSE(PersonCellLookOf(7, "", sys).coloured);
  EXPECT_EQ(PersonCellLookOf(0, "甲", sys).alignment, CellAlignment::kLeft);
  EXPECT_EQ(PersonCellLookOf(4, "35/ 4", sys).alignment, CellAlignment::kRight);
}

TEST(PersonListView, ThePillarBoxShowsTheMomentsPillarsHourFirst) {
  const ProgramSettings& settings = ShippedSettings();
  const PillarBox box = PillarBoxOf(At("1984/02/10 12:00"), ChartRules{settings.usys, settings.sys});
  EXPECT_EQ(box.stems, (std::array<std::string, 4>{"庚", "甲", "丙", "甲"}));
  EXPECT_EQ(box.branches, (std::array<std::string, 4>{"午", "戌", "寅", "子"}));
}

}  // namespace
}  // namespace kirvo
