#include "presentation/persons/person_summary.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <thread>

#include "calendar/accepted_moments.h"
#include "calendar/sexagenary.h"
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
// clang-format off
constexpr ContentCell kAlwaysFilled[] = {
    {16, 5, 2} /*調候*/, {36, 3, 4} /*空亡*/};
constexpr ContentCell kJudgementCells[] = {
    {10, 1, 4} /*吉度数*/, {11, 5, 3} /*身*/,       {12, 5, 4} /*内外格*/, {13, 1, 3} /*均衡度*/,
    {14, 5, 0} /*日主*/,   {15, 5, 1} /*用神*/,     {17, 3, 0} /*弱めたい*/, {18, 3, 1} /*忌神*/,
    {19, 3, 2} /*強めたい*/, {20, 3, 3} /*喜神*/};
// clang-format on

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
  const int sex = SexIndexOf(row[person_column::kSex]);
  BirthInput input{row[person_column::kName], row[person_column::kDate], row[person_column::kTime], sex < 0 ? 0 : sex};
  const bool hour_known = HourKnown(input);
  if (!hour_known) input.time_text = kUnknownBirthTimeTakenAs;
  std::optional<TMeiData> record = NewChartRecord(input, moment);
  if (!record || !IsAcceptedMoment(record->BirthDateTime) || !IsAcceptedMoment(moment)) return false;

  chart.record = std::move(*record);
  chart.range = range;
  chart.hour_known = hour_known;
  RunLightPipeline(chart, rules);
  const ChartBoard& board = chart.board;
  const TMeiData& rec = chart.record;

  TextTable snb = NewContentTable().text;
  const ElementAnalysis analysis = AnalyseElements(board, rec, range, hour_known, rules);
  FillContentTable(snb, analysis, board);
  const PatternResult patterns = PatternStep(board, PatternInputsOfContentTable(snb), hour_known, rec, rules);

  if (rec.AgeMonths < 13) row[4] = rec.AgeShortText;
  row[5] = rec.StartAgeText;
  row[6] = kLuckDirectionNames[rec.LuckDirection == 0 ? 0 : 1];
  row[7] = At(board, board::kDay, board::kStem);
  row[8] = CommandingStemCell(board);
  row[9] = SummaryBlockOf(rec, hour_known, rules).TukiL;
  for (const ContentCell& cell : kAlwaysFilled) row[cell.list_column] = snb.Cell(cell.column, cell.row);
  row[21] = PillarRun(board, board::kStem);
  row[22] = PillarRun(board, board::kBranch);
  for (const std::string& name : patterns.names) (row[31] += name) += " ";
  if (patterns.spirit_stars) {
    constexpr NatalPillar kPillarsByColumn[] = {kHourPillar, kDayPillar, kMonthPillar, kYearPillar};
    for (std::size_t i = 0; i < 4; ++i) {
      for (const int slot : patterns.spirit_stars->SlotsOf(kPillarsByColumn[i])) {
        (row[32 + i] += rules.sys.names.spirit_stars[static_cast<std::size_t>(slot)]) += " ";
      }
    }
  }
  row[23] = StemRowRun(board, board::kHeavenStar);
  row[24] = EarthStarRun(board);
  row[25] = StageRun(board);
  row[26] = StemRowRun(board, board::kStageOfStem);

  const bool age_outside = rec.AgeYears > 110 || rec.AgeYears < 0;
  if (age_outside && range != LuckRange::kNatalOnly) return true;
  for (const ContentCell& cell : kJudgementCells) row[cell.list_column] = snb.Cell(cell.column, cell.row);
  if (age_outside) return true;
  row[27] = RunningRun(board, board::kHeavenStar);
  row[28] = RunningRun(board, board::kEarthStar);
  row[29] = RunningRun(board, board::kStageOfDayMaster);
  row[30] = RunningRun(board, board::kStageOfStem);
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
