#include <array>
#include <cstdio>
#include <string>

#include "calendar/moment_pillars.h"
#include "calendar/term_moment_cache.h"
#include "engine/analysis_steps.h"
#include "engine/board_fill.h"
#include "engine/chart_age.h"
#include "engine/chart_pipeline.h"
#include "luck/luck_direction.h"
#include "luck/major_luck.h"
#include "luck/start_of_luck.h"
#include "platform/integer_text.h"
#include "settings/usys_settings.h"

namespace kirvo {
namespace {

// Columns of the year, month, day and hour pillars, natal and running.
constexpr std::array<BoardColumn, 4> kNatalColumns = {board::kYear, board::kMonth, board::kDay, board::kHour};
constexpr std::array<BoardColumn, 4> kRunningColumns = {board::kRunningYear, board::kRunningMonth, board::kRunningDay,
                                                        board::kRunningHour};

void WriteMomentPillars(ChartBoard& board, const std::array<BoardColumn, 4>& columns, const MomentPillars& pillars,
                        bool show_depth_class, const HiddenStemTable& hidden_stems) {
  for (int slot = MomentPillars::kYear; slot <= MomentPillars::kHour; ++slot) {
    const BoardColumn column = columns[slot];
    WritePillar(board, column, pillars.Pillar(slot), hidden_stems);
    if (show_depth_class) board(column, board::kDepthRow).Code = static_cast<int>(pillars.depth_class[slot]);
    ShowMiddleDepthStem(board, column, pillars.depth_class[slot], pillars.depth_stem[slot]);
  }
}

std::string StartAgeTextOf(StartOfLuck start, bool year_unit) {
  if (year_unit) return std::to_string(start.years) + "年";
  return std::to_string(start.years) + "/" + SpacePadded(start.months, 2);
}

}  // namespace

void RunFillStep(ChartBoard& board, TMeiData& record, bool hour_known, const ChartRules& rules) {
  const HiddenStemTable& hidden_stems = rules.usys.HiddenStems();
  const CalendarRules& calendar = rules.read.calendar;
  // Charts are computed again and again for nearby moments; the month-opening terms found once
  // serve them all (the answers are those of a fresh search).
  thread_local TermMomentCache terms;

  ResetBoardCodes(board);
  // The birth moment's pillars serve the natal columns and the birth facts alike; the chart
  // moment's pillars only the running-luck columns.
  const MomentPillars natal = MomentPillars::At(record.BirthDateTime, calendar, &terms);
  WriteMomentPillars(board, kNatalColumns, natal, true, hidden_stems);
  const MomentPillars running =
      MomentPillars::At(record.ChartDateTime, calendar, &terms, MomentPillars::Detail::kWithDepthWithoutSeason);
  WriteMomentPillars(board, kRunningColumns, running, rules.read.running_luck_depth == RunningLuckDepth::kLikeNatal,
                     hidden_stems);

  record.SeasonQuarter = static_cast<std::uint8_t>(natal.season_quarter);
  record.SeasonIndex = static_cast<std::uint8_t>(natal.season_index);
  record.SunLongitude = natal.sun_longitude;

  const int direction = LuckDirectionOf(record.Sex, natal.stems[MomentPillars::kYear], natal.stems[MomentPillars::kDay],
                                        rules.read.luck_direction);
  record.LuckDirection = static_cast<std::uint8_t>(direction);
  const StartOfLuck start =
      StartOfLuckOf(direction, record.BirthDateTime, natal, rules.read.start_of_luck_unit, calendar, &terms);
  record.StartAgeYears = start.years;
  record.StartAgeMonths = start.months;
  record.StartAgeText =
      FitShiftJisBytes(StartAgeTextOf(start, rules.read.start_of_luck_unit == StartOfLuckUnit::kYears), kAgeTextBytes);

  const ChartAge age = AgeAt(record.BirthDateTime, record.ChartDateTime);
  record.AgeYears = age.years;
  record.AgeMonths = age.months;
  record.AgeShortText = FitShiftJisBytes(age.short_text, kAgeTextBytes);
  record.AgeText = FitShiftJisBytes(age.text, kAgeTextBytes);

  const Kanshi month_pillar{board(board::kMonth, board::kStem).Code, board(board::kMonth, board::kBranch).Code};
  const Kanshi major_luck = MajorLuckPillar(direction, month_pillar, age.years, age.months, start);
  const MajorLuckDepth major_depth =
      MajorLuckDepthOf(major_luck.branch, natal.depth_class[MomentPillars::kMonth], record.BirthDateTime,
                       record.ChartDateTime, start, rules.read.major_luck_depth, calendar, &terms);
  WritePillar(board, board::kMajorLuck, major_luck, hidden_stems);
  board(board::kMajorLuck, board::kDepthRow).Code = static_cast<int>(major_depth.depth_class);
  ShowMiddleDepthStem(board, board::kMajorLuck, major_depth.depth_class, major_depth.depth_stem);

  MarkDepthAndCopyWorkingRows(board, rules.sys);
  record.CommandingStem = static_cast<std::uint8_t>(
      board(board::kMonth, board::kHidden1 + board(board::kMonth, board::kDepthRow).Code).Code);

  // The stars see the hour pillar; only then does an unknown hour leave its column blank.
  StarsStep(board, rules);
  if (!hour_known) BlankHourColumn(board);
}

}  // namespace kirvo
