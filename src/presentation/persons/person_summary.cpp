#include "presentation/persons/person_summary.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <thread>

#include "calendar/accepted_moments.h"
#include "engine/chart_age.h"
#include "engine/chart_pipeline.h"
#include "engine/element_analysis.h"
#include "engine/patterns.h"
#include "platform/shift_jis.h"
#include "presentation/panel/chart_content.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// Where each value of the content table stands (column, row), by list column.
struct ContentCell {
  std::size_t list_column;
  std::size_t column;
  std::size_t row;
};
namespace col = person_column;
// clang-format off
constexpr ContentCell kAlwaysFilled[] = {
    {col::kClimate, 5, 2}, {col::kVoidBranches, 3, 4}};
constexpr ContentCell kJudgementCells[] = {
    {col::kFortune, 1, 4},   {col::kStrength, 5, 3},   {col::kBalanceClass, 5, 4}, {col::kBalance, 1, 3},
    {col::kDayMaster, 5, 0}, {col::kUsefulGod, 5, 1},  {col::kToWeaken, 3, 0},     {col::kAdverseGods, 3, 1},
    {col::kToStrengthen, 3, 2}, {col::kFavourableGods, 3, 3}};
// clang-format on

// The spirit-star column of each natal pillar.
struct SpiritStarColumn {
  std::size_t list_column;
  NatalPillar pillar;
};
constexpr SpiritStarColumn kSpiritStarColumns[] = {{col::kHourSpiritStars, kHourPillar},
                                                   {col::kDaySpiritStars, kDayPillar},
                                                   {col::kMonthSpiritStars, kMonthPillar},
                                                   {col::kYearSpiritStars, kYearPillar}};

// The natal columns from the hour to the year, as the list writes pillars.
constexpr BoardColumn kNatalColumns[] = {board::kHour, board::kDay, board::kMonth, board::kYear};
constexpr BoardColumn kRunningColumns[] = {board::kRunningHour, board::kRunningDay, board::kRunningMonth, board::kRunningYear,
                                   board::kMajorLuck};

// Lists shorter than this are done on the calling thread, reporting after every row.
constexpr std::size_t kRowsForWorkers = 256;
constexpr std::size_t kRowsPerBlock = 64;
constexpr unsigned kMostWorkers = 8;

int PercentOf(std::size_t done, std::size_t count) {
  return static_cast<int>(std::lround(static_cast<double>(done) / static_cast<double>(count) * 100));
}

const std::string& At(const ChartBoard& board, BoardColumn column, int row) { return board(column, row).Text; }

// Stems or branches of the four pillars run together, "－" standing in for an absent hour.
std::string PillarRun(const ChartBoard& board, int row) {
  std::string text = At(board, board::kHour, row).empty() ? "－" : "";
  for (const BoardColumn column : kNatalColumns) text += At(board, column, row);
  return text;
}

// Stars and stages of the stems: the day has none of its own, so "  －  " holds its place.
std::string StemRowRun(const ChartBoard& board, int row) {
  const std::string& hour = At(board, board::kHour, row);
  return (hour.empty() ? " －  " : "") + hour + "  －  " + At(board, board::kMonth, row) + " " +
         At(board, board::kYear, row);
}

std::string EarthStarRun(const ChartBoard& board) {
  std::string text = At(board, board::kHour, board::kEarthStar).empty() ? " － " : "";
  for (const BoardColumn column : kNatalColumns) (text += " ") += At(board, column, board::kEarthStar);
  return text;
}

// The stages of the day master: a one-character stage is padded so the four line up.
std::string StageRun(const ChartBoard& board) {
  std::string text = At(board, board::kHour, board::kStageOfDayMaster).empty() ? "  －" : "";
  for (const BoardColumn column : kNatalColumns) {
    const std::string& stage = At(board, column, board::kStageOfDayMaster);
    (text += " ") += stage;
    if (ShiftJisWidth(stage) <= 3) text += " ";
  }
  return text;
}

std::string RunningRun(const ChartBoard& board, int row) {
  std::string text;
  for (const BoardColumn column : kRunningColumns) (text += At(board, column, row)) += " ";
  return text;
}

std::string CommandingStemCell(const ChartBoard& board) {
  const int depth = board(board::kMonth, board::kDepthRow).Code;
  if (depth < 0 || depth > 2) return {};
  return At(board, board::kMonth, board::kHidden1 + depth);
}

}  // namespace

bool FillPersonSummary(PersonRow& row, DateTime moment, LuckRange range, const ChartRules& rules, Chart& chart) {
  row.ClearComputed();
  std::optional<BirthInput> person = PersonOfRow(row);
  if (!person || !IsAcceptedMoment(person->birth.moment) || !IsAcceptedMoment(moment)) return false;
  const bool hour_known = HourKnown(*person);
  person->birth = person->birth.TakenAtNoon();

  chart.record = NewChartRecord(*person, moment);
  chart.range = range;
  chart.hour_known = hour_known;
  RunLightPipeline(chart, rules);
  const ChartBoard& board = chart.board;
  const TMeiData& rec = chart.record;

  TextTable snb = NewContentTable().text;
  const ElementAnalysis analysis = AnalyseElements(board, rec, range, hour_known, rules);
  FillContentTable(snb, analysis, board);
  const PatternResult patterns = PatternStep(board, PatternInputsOfContentTable(snb), hour_known, rec, rules);

  if (rec.AgeMonths < 13) row[person_column::kAge] = rec.AgeShortText;
  row[person_column::kStartOfLuck] = rec.StartAgeText;
  row[person_column::kLuckDirection] = kLuckDirectionNames[rec.LuckDirection == 0 ? 0 : 1];
  row[person_column::kDayStem] = At(board, board::kDay, board::kStem);
  row[person_column::kCommandingStem] = CommandingStemCell(board);
  row[person_column::kSeason] = SummaryBlockOf(rec, hour_known, rules).TukiL;
  for (const ContentCell& cell : kAlwaysFilled) row[cell.list_column] = snb.Cell(cell.column, cell.row);
  row[person_column::kStems] = PillarRun(board, board::kStem);
  row[person_column::kBranches] = PillarRun(board, board::kBranch);
  for (const std::string& name : patterns.names) (row[person_column::kPatterns] += name) += " ";
  if (patterns.spirit_stars) {
    for (const SpiritStarColumn& column : kSpiritStarColumns) {
      for (const int slot : patterns.spirit_stars->SlotsOf(column.pillar)) {
        (row[column.list_column] += rules.sys.names.spirit_stars[static_cast<std::size_t>(slot)]) += " ";
      }
    }
  }
  row[person_column::kHeavenStars] = StemRowRun(board, board::kHeavenStar);
  row[person_column::kEarthStars] = EarthStarRun(board);
  row[person_column::kStagesOfDayMaster] = StageRun(board);
  row[person_column::kStagesOfStems] = StemRowRun(board, board::kStageOfStem);

  const bool age_outside = !IsChartAge(rec.AgeYears);
  if (age_outside && range != LuckRange::kNatalOnly) return true;
  for (const ContentCell& cell : kJudgementCells) row[cell.list_column] = snb.Cell(cell.column, cell.row);
  if (age_outside) return true;
  row[person_column::kRunningHeavenStars] = RunningRun(board, board::kHeavenStar);
  row[person_column::kRunningEarthStars] = RunningRun(board, board::kEarthStar);
  row[person_column::kRunningStagesOfDayMaster] = RunningRun(board, board::kStageOfDayMaster);
  row[person_column::kRunningStagesOfStems] = RunningRun(board, board::kStageOfStem);
  return true;
}

std::vector<std::size_t> GeneratePersonSummaries(PersonList& list, DateTime moment, LuckRange range,
                                                 const ChartRules& rules,
                                                 const std::function<bool(int percent)>& progress) {
  list.ClearComputed();
  std::vector<PersonRow>& rows = list.rows();
  const std::size_t count = rows.size();
  std::vector<char> computed(count, 1);
  // Rows are handed out in blocks; every block is one worker's alone, so rows and results need no lock.
  std::atomic<std::size_t> next_block{0};
  std::atomic<std::size_t> done{0};
  std::atomic<bool> stop{false};
  const std::size_t blocks = (count + kRowsPerBlock - 1) / kRowsPerBlock;
  const auto work = [&] {
    Chart scratch;
    for (std::size_t block = next_block++; block < blocks && !stop; block = next_block++) {
      const std::size_t end = std::min(count, (block + 1) * kRowsPerBlock);
      for (std::size_t index = block * kRowsPerBlock; index < end; ++index) {
        computed[index] = FillPersonSummary(rows[index], moment, range, rules, scratch) ? 1 : 0;
        ++done;
      }
    }
  };
  const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), kMostWorkers));
  if (count < kRowsForWorkers || cores == 1) {
    // One row at a time on this thread, reporting after each.
    Chart scratch;
    for (std::size_t index = 0; index < count && !stop; ++index) {
      computed[index] = FillPersonSummary(rows[index], moment, range, rules, scratch) ? 1 : 0;
      if (progress && !progress(PercentOf(index + 1, count))) stop = true;
    }
  } else {
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < cores; ++i) workers.emplace_back(work);
    // This thread only reports, from the start, so that a stop is heard at once.
    for (int shown = -1; !stop;) {
      const std::size_t finished = done;
      const int percent = PercentOf(finished, count);
      if (progress && percent != shown) {
        shown = percent;
        if (!progress(percent)) stop = true;
      }
      if (finished == count) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (std::thread& worker : workers) worker.join();
  }
  std::vector<std::size_t> failed;
  for (std::size_t index = 0; index < count; ++index) {
    if (!computed[index]) failed.push_back(index);
  }
  return failed;
}

}  // namespace kirvo
