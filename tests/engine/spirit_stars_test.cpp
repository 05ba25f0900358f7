#include "engine/spirit_stars.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/natal_pillars.h"
#include "engine/spirit_star_tables.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

constexpr std::array<NatalPillar, 4> kPillars = {kYearPillar, kMonthPillar, kDayPillar, kHourPillar};

NatalPillars Natal(const std::array<const char*, 4>& texts, bool hour_known, const ProgramSettings& settings) {
  BoardPillars pillars;
  pillars.year = texts[0];
  pillars.month = texts[1];
  pillars.day = texts[2];
  pillars.hour = texts[3];
  pillars.hour_known = hour_known;
  // The hour column keeps its texts, so only `hour_known` can keep an unknown hour out.
  return NatalPillarsOf(BoardFromPillars(pillars, settings, /*blank_unknown_hour=*/false), hour_known);
}

// Every star looked for on every pillar, and both star tables empty: a case fills one cell and sees
// exactly the marks that cell makes.
ProgramSettings OneCellSettings() {
  ProgramSettings settings = ShippedSettings();
  USysSettings& usys = settings.usys;
  for (std::size_t row = 1; row < 40; ++row) {
    for (std::size_t column = 1; column <= 4; ++column) usys.SetCell("SiSG", column, row, "1");
  }
  for (std::size_t row = 1; row <= 18; ++row) {
    for (std::size_t column = 1; column <= 10; ++column) usys.SetCell("SKSG", column, row, "");
  }
  for (std::size_t row = 1; row <= 20; ++row) {
    for (std::size_t column = 1; column <= 12; ++column) usys.SetCell("SSSG", column, row, "");
  }
  return settings;
}

std::string Carriers(const SpiritStars& stars, int slot) {
  std::string carriers;
  for (NatalPillar pillar : kPillars) carriers += stars.Carries(slot, pillar) ? '1' : '0';
  return carriers;
}

struct OneCellCase {
  const char* rule;
  std::array<const char*, 4> pillars;  // year, month, day, hour
  const char* table;                   // the one cell filled: table, column, row, text
  int column;
  int row;
  const char* text;
  int slot;
  const char* carriers;  // year month day hour
  DayNight day_night = DayNight::kDay;
  bool hour_known = true;
  int unflagged_pillar = -1;  // this pillar's `SiSG` cell of the slot reads "0"
};

TEST(SpiritStarStep, EachRuleMarksThePillarsItsCellNames) {
  // clang-format off
  const OneCellCase kCases[] = {
      // Stem stars: `SKSG` column = day stem + 1, row = slot.
      {"branches in the day stem's cell", {"丙子", "庚午", "甲寅", "乙丑"}, "SKSG", 1, 1, "子午", 1, "1100"},
      {"a stem in the cell", {"丙子", "庚午", "甲寅", "乙丑"}, "SKSG", 1, 3, "乙", 3, "0001"},
      {"the day pillar itself", {"丙子", "庚午", "甲寅", "乙丑"}, "SKSG", 1, 5, "寅", 5, "0010"},
      {"another stem's column", {"丙子", "庚午", "甲寅", "乙丑"}, "SKSG", 3, 1, "子午", 1, "0000"},
      {"a pillar not looked for", {"丙子", "庚午", "甲寅", "乙丑"}, "SKSG", 1, 1, "子午", 1, "1000",
       DayNight::kDay, true, kMonthPillar},
      {"the unknown hour", {"丙子", "庚午", "甲寅", "壬午"}, "SKSG", 1, 1, "子午", 1, "1100", DayNight::kDay, false},
      // 天乙貴人: the first character by day, the second by night.
      {"天乙 by day", {"乙丑", "辛未", "甲子", "丁卯"}, "SKSG", 1, 2, "丑未", 2, "1000", DayNight::kDay},
      {"天乙 by night", {"乙丑", "辛未", "甲子", "丁卯"}, "SKSG", 1, 2, "丑未", 2, "0100", DayNight::kNight},
      {"天乙 by night, one character", {"乙丑", "辛未", "甲子", "丁卯"}, "SKSG", 1, 2, "丑", 2, "0000",
       DayNight::kNight},
      // 三奇貴人: the year, month and day stems decide, for every pillar looked for; the cell is unused.
      {"三奇 丁丙乙", {"丁卯", "丙午", "乙丑", "庚辰"}, "SKSG", 2, 8, "", 8, "1111"},
      {"三奇 庚戊甲", {"庚午", "戊寅", "甲子", "丙寅"}, "SKSG", 1, 8, "", 8, "1111"},
      {"三奇 辛癸壬", {"辛酉", "癸巳", "壬子", "甲辰"}, "SKSG", 9, 8, "", 8, "1111"},
      {"三奇 and the unknown hour", {"丁卯", "丙午", "乙丑", "庚辰"}, "SKSG", 2, 8, "", 8, "1110", DayNight::kDay,
       false},
      {"乙丙丁 in year order, cell unused", {"乙丑", "丙午", "丁卯", "庚子"}, "SKSG", 4, 8, "丑", 8, "0000"},
      // Branch stars 20..32: `SSSG` keyed by the month branch.
      {"keyed by the month branch", {"丁卯", "丙寅", "甲子", "乙亥"}, "SSSG", 3, 1, "丁", 20, "1000"},
      {"not by the day branch", {"丁卯", "丙寅", "甲子", "乙亥"}, "SSSG", 1, 1, "丁", 20, "0000"},
      {"駅馬, the last month-keyed row", {"丁卯", "丙寅", "甲子", "乙亥"}, "SSSG", 3, 13, "亥", 32, "0001"},
      // Slot 33: a 辰 or 戌 pillar whose stem is in its own branch's cell.
      {"魁 on 辰", {"庚辰", "戊戌", "丙辰", "庚辰"}, "SSSG", 5, 14, "庚", 33, "1001"},
      {"魁 on 戌", {"庚辰", "戊戌", "丙辰", "庚辰"}, "SSSG", 11, 14, "戊", 33, "0100"},
      {"魁 reads the stem only", {"庚辰", "戊戌", "丙辰", "庚辰"}, "SSSG", 5, 14, "辰", 33, "0000"},
      {"魁 only on 辰 and 戌", {"庚午", "戊寅", "丙子", "庚子"}, "SSSG", 7, 14, "庚", 33, "0000"},
      // Slots 34..39: the year pillar by the day branch, the others by the year branch.
      {"year pillar by the day branch", {"甲子", "丙寅", "戊午", "庚申"}, "SSSG", 7, 15, "子", 34, "1000"},
      {"others by the year branch", {"甲子", "丙寅", "戊午", "庚申"}, "SSSG", 1, 15, "寅申", 34, "0101"},
      {"year pillar not by its own branch", {"甲子", "丙寅", "戊午", "庚申"}, "SSSG", 1, 15, "子", 34, "0000"},
      {"寡宿, the last row", {"甲子", "丙寅", "戊午", "庚申"}, "SSSG", 1, 20, "午", 39, "0010"},
      {"year-keyed and the unknown hour", {"甲子", "丙寅", "戊午", "庚申"}, "SSSG", 1, 15, "寅申", 34, "0100",
       DayNight::kDay, false},
  };
  // clang-format on
  for (const OneCellCase& c : kCases) {
    SCOPED_TRACE(c.rule);
    ProgramSettings settings = OneCellSettings();
    settings.usys.SetCell(c.table, static_cast<std::size_t>(c.column), static_cast<std::size_t>(c.row), c.text);
    if (c.unflagged_pillar >= 0) {
      settings.usys.SetCell("SiSG", static_cast<std::size_t>(c.unflagged_pillar) + 1, static_cast<std::size_t>(c.slot),
                            "0");
    }
    const SpiritStars stars = SpiritStarStep(Natal(c.pillars, c.hour_known, settings), c.day_night, ReadSpiritStarRules(settings.usys));
    for (int slot = 0; slot < kSpiritStarSlotCount; ++slot) {
      EXPECT_EQ(Carriers(stars, slot), slot == c.slot ? c.carriers : "0000") << "slot " << slot;
    }
  }
}

TEST(SpiritStarStep, ShippedTablesAndFlags) {
  // 乙 day, 午 month; slots worked out by hand from the shipped `SKSG`, `SSSG` and `SiSG`.
  const ProgramSettings& settings = ShippedSettings();
  const NatalPillars natal = Natal({"丁卯", "丙午", "乙丑", "庚辰"}, true, settings);
  const SpiritStars stars = SpiritStarStep(natal, DayNight::kDay, ReadSpiritStarRules(settings.usys));
  EXPECT_EQ(stars.SlotsOf(kYearPillar), (std::vector<int>{8, 10, 27}));   // 三奇 干禄 血刃
  EXPECT_EQ(stars.SlotsOf(kMonthPillar), (std::vector<int>{5, 6, 21}));   // 天厨 文星 月徳
  EXPECT_EQ(stars.SlotsOf(kDayPillar), (std::vector<int>{4, 39}));        // 福星 寡宿
  EXPECT_EQ(stars.SlotsOf(kHourPillar), (std::vector<int>{14, 17, 33}));  // 羊刃 夾禄 魁

  ProgramSettings hidden = settings;
  hidden.usys.HideAllSpiritStars();  // 全てを 0: 非表示
  EXPECT_EQ(SpiritStarStep(natal, DayNight::kDay, ReadSpiritStarRules(hidden.usys)), SpiritStars{});
}

TEST(SpiritStarStep, HalfOfTheYearBySunLongitude) {
  struct Case {
    double degrees;
    DayNight expected;
  };
  constexpr Case kCases[] = {
      {0, DayNight::kNight},     {89.999, DayNight::kNight}, {90, DayNight::kDay},
      {269.999, DayNight::kDay}, {270, DayNight::kNight},    {359.9, DayNight::kNight},
  };
  for (const Case& c : kCases) EXPECT_EQ(DayNightOf(c.degrees), c.expected) << c.degrees;
}

}  // namespace
}  // namespace kirvo
