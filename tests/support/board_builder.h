#pragma once

#include <string>

#include "engine/chart_board.h"
#include "settings/program_settings.h"

namespace kirvo {

// One pillar of a test board: its text ("甲子"), the depth class of row 0 (0 余気, 1 中気, 2 本気)
// and, for class 1, the commanding stem row 5 shows when it is not the table's 中気 (e.g. "壬" for
// 申's second 中気). An empty text leaves the column without a pillar.
struct PillarText {
  std::string kanshi;
  int depth = 2;
  std::string depth_stem;

  PillarText() = default;
  PillarText(const char* text, int depth_class = 2, std::string stem = {})  // NOLINT: implicit on purpose
      : kanshi(text), depth(depth_class), depth_stem(std::move(stem)) {}
};

// The pillars of a test board, natal first; the luck pillars are optional.
//   BoardFromPillars({.year = "甲子", .month = {"丙寅", 1}, .day = "戊辰", .hour = "庚申"})
struct BoardPillars {
  // Every member has a default, so designated initializers may name any subset.
  PillarText year{}, month{}, day{}, hour{};
  PillarText major_luck{};                                                    // column 5
  PillarText running_year{}, running_month{}, running_day{}, running_hour{};  // columns 4..1
  bool hour_known = true;
};

// The four natal pillars of a test board; an empty text leaves its column without a pillar.
BoardPillars Natal(PillarText year, PillarText month = {}, PillarText day = {}, PillarText hour = {});

// The board as the fill step leaves it before the stars: codes reset, rows 0..2 and 4..6 of each
// given pillar from the settings' hidden-stem table, the 中気 depth stem in row 5, the mark of the
// hidden stem in force, the element colours and the working rows 13, 14, 16..18. The stars are not
// computed. With `hour_known` false column 6 is then blanked as the pipeline blanks it; a test that
// needs the stars first passes `blank_unknown_hour` false, runs StarsStep and then BlankHourColumn
// (engine/board_fill.h). A pillar text that is not a stem and a branch, or a depth outside 0..2,
// fails the test.
ChartBoard BoardFromPillars(const BoardPillars& pillars, const ProgramSettings& settings = ShippedSettings(),
                            bool blank_unknown_hour = true);

}  // namespace kirvo
