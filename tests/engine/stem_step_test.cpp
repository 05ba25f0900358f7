#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/analysis_steps.h"
#include "engine/stem_strength.h"
#include "engine/stem_tables.h"
#include "engine/stem_transformation.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// SeasonIndex values.
constexpr int kSummer = 1;       // 火
constexpr int kEarthSeason = 4;  // 土用

using Flags = std::vector<std::pair<const char*, bool>>;

BoardPillars WithLuck(BoardPillars pillars, PillarText major_luck, PillarText running_year = {}) {
  pillars.major_luck = std::move(major_luck);
  pillars.running_year = std::move(running_year);
  return pillars;
}
BoardPillars WithoutHour(BoardPillars pillars) {
  pillars.hour_known = false;
  return pillars;
}

ProgramSettings SettingsWith(const Flags& flags) {
  ProgramSettings settings = ShippedSettings();
  for (const auto& [key, value] : flags) settings.usys.SetFlag(key, value);
  return settings;
}

TMeiData RecordInSeason(int season_index) {
  TMeiData record;
  record.SeasonIndex = static_cast<std::uint8_t>(season_index);
  return record;
}

// One field of `row` from the year column down to the first column taking part, "|" between.
template <class Field>
std::string RowOf(const ChartBoard& board, int row, LuckRange range, Field field) {
  std::string line;
  for (BoardColumn column = board::kYear; column >= FirstColumnTakingPart(range); --column) {
    if (column != board::kYear) line += "|";
    line += field(board(column, row));
  }
  return line;
}
std::string Texts(const ChartBoard& board, int row, LuckRange range = LuckRange::kNatalOnly) {
  return RowOf(board, row, range, [](const ChartCell& cell) { return cell.Text; });
}
std::string Marks(const ChartBoard& board, int row, LuckRange range = LuckRange::kNatalOnly) {
  return RowOf(board, row, range, [](const ChartCell& cell) { return std::to_string(static_cast<int>(cell.ZSet)); });
}

struct StemRun {
  ChartBoard board;
  RelationList list;
};

StemRun RunStemStep(ChartBoard board, const ProgramSettings& settings, int season_index, LuckRange range,
                    bool hour_known) {
  StemRun run{std::move(board), {"stale"}};
  StemStep(run.board, RecordInSeason(season_index), range, run.list, hour_known, {settings.usys, settings.sys});
  return run;
}

// What the stem step makes of chosen pillars. Rows are written year first: combine = row 20
// (○干合), transform = row 21 (干化), overcomes = row 22, overcome_by = row 23, stems = the working
// stems of row 13, stem_marks and root_marks the `ZSet` of rows 13 and 12.
struct StemCase {
  const char* name;
  BoardPillars pillars;
  int season = kSummer;
  Flags flags = {};
  LuckRange range = LuckRange::kNatalOnly;
  std::string combine;
  std::string transform;
  std::string overcomes;
  std::string overcome_by;
  std::string stems;
  std::string stem_marks;
  std::string root_marks;
  RelationList list;
};

void ExpectCase(const StemCase& c) {
  SCOPED_TRACE(c.name);
  const ProgramSettings settings = SettingsWith(c.flags);
  const StemRun run =
      RunStemStep(BoardFromPillars(c.pillars, settings), settings, c.season, c.range, c.pillars.hour_known);
  EXPECT_EQ(Texts(run.board, board::kStemCombine, c.range), c.combine);
  EXPECT_EQ(Texts(run.board, board::kStemTransform, c.range), c.transform);
  EXPECT_EQ(Texts(run.board, board::kOvercomes, c.range), c.overcomes);
  EXPECT_EQ(Texts(run.board, board::kOvercomeBy, c.range), c.overcome_by);
  EXPECT_EQ(Texts(run.board, board::kWorkStem, c.range), c.stems);
  EXPECT_EQ(Marks(run.board, board::kWorkStem, c.range), c.stem_marks);
  EXPECT_EQ(Marks(run.board, board::kRoots, c.range), c.root_marks);
  EXPECT_EQ(run.list, c.list);
}

TEST(StemStep, CombinationsHoldRemoveAndTransform) {
  const StemCase cases[] = {
      {.name = "甲 year and 己 month outside the earth season: both removed, no transformation",
       .pillars = Natal("甲子", "己巳", "丙寅", "丁卯"),
       .combine = "2|1||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "甲|己|丙|丁",
       .stem_marks = "2|2|0|0",
       .root_marks = "2|2|0|0",
       .list = {"1200"}},
      {.name = "己 month and 甲 day in the earth season transform; the day master reads 戊",
       .pillars = Natal("丙寅", "己未", "甲子", "丁卯"),
       .season = kEarthSeason,
       .combine = "|3|2|",
       .transform = "|己|戊|",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|己|戊|丁",
       .stem_marks = "0|3|3|0",
       .root_marks = "0|2|2|0",
       .list = {"2300"}},
      {.name = "the same pair as year and month does not transform by season alone",
       .pillars = Natal("己丑", "甲戌", "丙寅", "丁卯"),
       .season = kEarthSeason,
       .combine = "2|1||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "己|甲|丙|丁",
       .stem_marks = "2|2|0|0",
       .root_marks = "2|2|0|0",
       .list = {"1200"}},
      {.name = "a stem removed through the day master counts twice",
       .pillars = Natal("丙寅", "己巳", "甲子", "丁卯"),
       .combine = "|3|2|",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|己|甲|丁",
       .stem_marks = "0|4|2|0",
       .root_marks = "0|2|2|0",
       .list = {"2300"}},
      {.name = "the day between two 己 loses both combinations, and so do they",
       .pillars = Natal("丙寅", "己巳", "甲子", "己巳"),
       .combine = "|3|42|3",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|己|甲|己",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {"3400001", "3200001"}},
      {.name = "SaCB keeps the three as one relation; the day goes with its own choice, the hour",
       .pillars = Natal("丙寅", "己巳", "甲子", "己巳"),
       .flags = {{"SaCB", true}},
       .combine = "|3|42|3",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|己|甲|己",
       .stem_marks = "0|0|2|4",
       .root_marks = "0|0|2|2",
       .list = {"3420"}},
  };
  for (const StemCase& c : cases) ExpectCase(c);
}

TEST(StemStep, OvercomingNeedsStrengthAndCancelsInChains) {
  const StemCase cases[] = {
      {.name = "庚 year overcomes 甲 month: both removed",
       .pillars = Natal("庚申", "甲子", "壬寅", "辛卯"),
       .combine = "|||",
       .transform = "|||",
       .overcomes = "2|||",
       .overcome_by = "|1||",
       .stems = "庚|甲|壬|辛",
       .stem_marks = "2|2|0|0",
       .root_marks = "2|2|0|0",
       .list = {"1201"}},
      {.name = "a weaker 庚 (退 on 子) cannot overcome 甲 (進)",
       .pillars = Natal("庚子", "甲子", "壬寅", "辛卯"),
       .combine = "|||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "庚|甲|壬|辛",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {}},
      {.name = "without KoCB there is no overcoming",
       .pillars = Natal("庚申", "甲子", "壬寅", "辛卯"),
       .flags = {{"KoCB", false}},
       .combine = "|||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "庚|甲|壬|辛",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {}},
      {.name = "庚 over 甲 over 戊: the chain of three cancels",
       .pillars = Natal("庚申", "甲子", "戊子", "丁卯"),
       .combine = "|||",
       .transform = "|||",
       .overcomes = "2|3||",
       .overcome_by = "|1|2|",
       .stems = "庚|甲|戊|丁",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {"2301001", "1201001"}},
      {.name = "a combined stem whose partner is overcome loses only its root mark",
       .pillars = Natal("甲子", "己巳", "乙卯", "丁卯"),
       .combine = "2|1||",
       .transform = "|||",
       .overcomes = "||2|",
       .overcome_by = "|3||",
       .stems = "甲|己|乙|丁",
       .stem_marks = "0|0|0|0",
       .root_marks = "2|0|0|0",
       .list = {"1200", "3201"}},
      {.name = "an overcome stem goes when its overcomer is held by a combination",
       .pillars = Natal("丁卯", "己巳", "乙卯", "庚辰"),
       .combine = "||4|3",
       .transform = "|||",
       .overcomes = "||2|",
       .overcome_by = "|3||",
       .stems = "丁|己|乙|庚",
       .stem_marks = "0|4|0|0",
       .root_marks = "0|2|0|0",
       .list = {"3400", "3201"}},
  };
  for (const StemCase& c : cases) ExpectCase(c);
}

TEST(StemStep, PairRulesKeepPillarsOut) {
  const StemCase cases[] = {
      {.name = "year 甲 and day 己 combine",
       .pillars = Natal("甲子", "丙寅", "己巳", "丁卯"),
       .combine = "3||1|",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "甲|丙|己|丁",
       .stem_marks = "4|0|2|0",
       .root_marks = "2|0|2|0",
       .list = {"1300"}},
      {.name = "TCB: year and day do not relate",
       .pillars = Natal("甲子", "丙寅", "己巳", "丁卯"),
       .flags = {{"TCB", true}},
       .combine = "|||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "甲|丙|己|丁",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {}},
      {.name = "NCB: the day master relates to nothing",
       .pillars = Natal("丙寅", "己巳", "甲子", "丁卯"),
       .flags = {{"NCB", true}},
       .combine = "|||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|己|甲|丁",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {}},
      {.name = "day 甲 and hour 己 combine",
       .pillars = Natal("丙寅", "丁卯", "甲子", "己巳"),
       .combine = "||4|3",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|丁|甲|己",
       .stem_marks = "0|0|2|4",
       .root_marks = "0|0|2|2",
       .list = {"3400"}},
      {.name = "unknown hour: the hour column takes part in nothing",
       .pillars = WithoutHour(Natal("丙寅", "丁卯", "甲子", "己巳")),
       .combine = "|||",
       .transform = "|||",
       .overcomes = "|||",
       .overcome_by = "|||",
       .stems = "丙|丁|甲|",
       .stem_marks = "0|0|0|0",
       .root_marks = "0|0|0|0",
       .list = {}},
      {.name = "the major luck combines with the day from 大運まで on",
       .pillars = WithLuck(Natal("丙寅", "丁卯", "甲子", "丙寅"), "己巳"),
       .range = LuckRange::kMajorLuck,
       .combine = "||5||3",
       .transform = "||||",
       .overcomes = "||||",
       .overcome_by = "||||",
       .stems = "丙|丁|甲|丙|己",
       .stem_marks = "0|0|2|0|4",
       .root_marks = "0|0|2|0|2",
       .list = {"3500"}},
      {.name = "KKSCB: running-luck pillars relate to nothing",
       .pillars = WithLuck(Natal("丙寅", "丁卯", "甲子", "丙寅"), "己巳"),
       .flags = {{"KKSCB", true}},
       .range = LuckRange::kMajorLuck,
       .combine = "||||",
       .transform = "||||",
       .overcomes = "||||",
       .overcome_by = "||||",
       .stems = "丙|丁|甲|丙|己",
       .stem_marks = "0|0|0|0|0",
       .root_marks = "0|0|0|0|0",
       .list = {}},
  };
  for (const StemCase& c : cases) ExpectCase(c);
}

TEST(StemStep, DCBDropsCancelledRelations) {
  ProgramSettings settings = ShippedSettings();
  settings.sys.DCB = true;
  const ChartBoard board = BoardFromPillars(Natal("丙寅", "己巳", "甲子", "己巳"), settings);
  EXPECT_EQ(RunStemStep(board, settings, kSummer, LuckRange::kNatalOnly, true).list, RelationList{});
}

TEST(StemStep, WritesTheStrengthOfEveryPillarWithAStem) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartBoard board = BoardFromPillars(WithoutHour(Natal("庚申", "甲子", "戊子", "丁卯")), settings);
  const StemRun run = RunStemStep(board, settings, kSummer, LuckRange::kNatalOnly, false);
  EXPECT_EQ(Texts(run.board, board::kBranchDiagram), "進|進|退|");
}

TEST(StemStrength, CountsTheHiddenStemsThatSupportTheStem) {
  struct Case {
    BoardPillars pillars;
    BoardColumn column;
    const char* text;
    std::int32_t code;
  };
  const Case cases[] = {
      {Natal("甲子"), board::kYear, "進", 4},         // 壬 癸 癸 all feed wood
      {Natal("庚子"), board::kYear, "退", 2},         // water drains metal
      {Natal("己巳"), board::kYear, "混", 3},         // 戊 丙 support, 庚 does not
      {Natal({}, {}, "乙卯"), board::kDay, "進", 5},  // the day master's own scale
      {Natal({}, {}, "戊子"), board::kDay, "退", 1},
      {Natal({}, "丙寅", "丙寅"), board::kDay, "混", 4},       // month at 本気: 甲 supports 丙
      {Natal({}, {"丙寅", 0}, "丙寅"), board::kDay, "混", 3},  // month at 余気: 戊 does not
  };
  for (const Case& c : cases) {
    const StemStrength strength = StemStrengthOf(BoardFromPillars(c.pillars), c.column);
    EXPECT_EQ(strength.text, c.text) << "column " << c.column.index;
    EXPECT_EQ(strength.code, c.code) << "column " << c.column.index;
  }
}

TEST(CombinationTransforms, FollowsTheKaRGRule) {
  constexpr auto kBySeason = TransformationRule::kBySeason;
  constexpr auto kByMonthCommand = TransformationRule::kByMonthCommand;
  constexpr auto kByMonthBranch = TransformationRule::kByMonthBranch;
  constexpr Element kEarth = 2;
  const BoardPillars repeated = Natal("己丑", "甲戌", "甲子", "己巳");
  const BoardPillars plain = Natal("己丑", "甲戌", "丙寅", "丁卯");
  struct Case {
    const char* name;
    BoardPillars pillars;
    TransformationRule rule;
    int season;
    BoardColumn first;
    BoardColumn second;
    bool transforms;
  };
  const Case cases[] = {
      {"season: day and hour", repeated, kBySeason, kEarthSeason, board::kDay, board::kHour, true},
      {"season: not the earth season", repeated, kBySeason, kSummer, board::kDay, board::kHour, false},
      {"season: year and day never", repeated, kBySeason, kEarthSeason, board::kYear, board::kDay, false},
      {"season: year and hour never", repeated, kBySeason, kEarthSeason, board::kHour, board::kYear, false},
      {"season: month and hour never", repeated, kBySeason, kEarthSeason, board::kMonth, board::kHour, false},
      {"season: year and month repeated on day and hour", repeated, kBySeason, kEarthSeason, board::kYear,
       board::kMonth, true},
      {"season: year and month alone", plain, kBySeason, kEarthSeason, board::kMonth, board::kYear, false},
      {"command: 亥 at 余気 is 戊", Natal({}, {"己亥", 0}, "甲子"), kByMonthCommand, kSummer, board::kMonth,
       board::kDay, true},
      {"command: 亥 at 本気 is 壬", Natal({}, "己亥", "甲子"), kByMonthCommand, kSummer, board::kMonth, board::kDay,
       false},
      {"command: month with a luck pillar always", WithLuck(Natal({}, "己亥"), "甲子"), kByMonthCommand, kSummer,
       board::kMajorLuck, board::kMonth, true},
      {"command: two luck pillars always", WithLuck(Natal({}, "己亥"), "甲子", "己巳"), kByMonthCommand, kSummer,
       board::kMajorLuck, board::kRunningYear, true},
      {"command: a natal pair is not enough", WithLuck(Natal({}, "己亥", "甲子"), "己巳"), kByMonthCommand, kSummer,
       board::kDay, board::kMajorLuck, false},
      {"branch: 丑 is earth", Natal({}, "己丑", "甲子"), kByMonthBranch, kSummer, board::kMonth, board::kDay, true},
      {"branch: 巳 is fire", Natal({}, "己巳", "甲子"), kByMonthBranch, kEarthSeason, board::kMonth, board::kDay,
       false},
  };
  for (const Case& c : cases) {
    const TransformationContext context{c.rule, SeasonElementOf(c.season), true};
    EXPECT_EQ(CombinationTransforms(BoardFromPillars(c.pillars), c.first, c.second, kEarth, context), c.transforms)
        << c.name;
  }
  // Without an hour pillar its stem no longer repeats the year and month.
  const TransformationContext no_hour{kBySeason, SeasonElementOf(kEarthSeason), false};
  BoardPillars unknown_hour = repeated;
  unknown_hour.hour_known = false;
  EXPECT_FALSE(CombinationTransforms(BoardFromPillars(unknown_hour), board::kYear, board::kMonth, kEarth, no_hour));
}

TEST(StemTables, CombinationsTransformIntoTheirElements) {
  struct Case {
    const char* pair;
    Stem stem;
    Element element;
  };
  const Case cases[] = {{"甲己", 0, 2}, {"乙庚", 6, 3}, {"丙辛", 2, 4}, {"丁壬", 8, 0}, {"戊癸", 9, 1}};
  for (const Case& c : cases) EXPECT_EQ(CombinationElementOf(c.stem), c.element) << c.pair;
}

// The board of one computation, for the rerun checks: at 大運まで in the earth season the major
// luck's 丙 overcomes the year's weak 庚 (both go) and the month's 己 transforms the day master 甲
// into 戊.
constexpr int kRerunSeason = kEarthSeason;
BoardPillars RerunPillars() { return WithLuck(Natal("庚子", "己未", "甲子", "丁卯"), "丙辰"); }

TEST(StemStep, RerunGivesTheSameBoardAndList) {
  const ProgramSettings& settings = ShippedSettings();
  const StemRun first =
      RunStemStep(BoardFromPillars(RerunPillars(), settings), settings, kRerunSeason, LuckRange::kMajorLuck, true);
  ASSERT_EQ(Texts(first.board, board::kWorkStem, LuckRange::kMajorLuck), "庚|己|戊|丁|丙");
  ASSERT_EQ(Marks(first.board, board::kWorkStem, LuckRange::kMajorLuck), "2|3|3|0|2");
  ASSERT_EQ(first.list, (RelationList{"2300", "5101"}));
  const StemRun second = RunStemStep(first.board, settings, kRerunSeason, LuckRange::kMajorLuck, true);
  EXPECT_EQ(second.board, first.board);
  EXPECT_EQ(second.list, first.list);
}

TEST(StemStep, StartsAfreshAfterOtherSettingsOrAWiderRange) {
  const ProgramSettings shipped = ShippedSettings();
  const ProgramSettings apart = SettingsWith({{"NCB", true}, {"KoCB", false}});
  const ChartBoard fresh = BoardFromPillars(RerunPillars(), shipped);

  ChartBoard reused = RunStemStep(fresh, shipped, kRerunSeason, LuckRange::kMajorLuck, true).board;
  reused(board::kDay, board::kPunishment).Text = "勢";  // rows up to 33 start empty
  reused(board::kYear, board::kBranchTransform).ZSet = Mark::kRemoved;
  const StemRun rerun = RunStemStep(reused, apart, kRerunSeason, LuckRange::kNatalOnly, true);
  const StemRun direct = RunStemStep(fresh, apart, kRerunSeason, LuckRange::kNatalOnly, true);

  EXPECT_EQ(rerun.board, direct.board);
  EXPECT_EQ(rerun.list, direct.list);
  EXPECT_EQ(direct.board(board::kRunningHour, board::kSpecial).TopColor, Rgb{0xFEFFFF});
}

}  // namespace
}  // namespace kirvo
