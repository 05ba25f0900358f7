#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/analysis_steps.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// Hidden stems (余気 中気 本気) of the shipped table met below: 子 壬癸癸, 丑 癸辛己, 寅 戊丙甲, 卯 甲乙乙,
// 辰 乙癸戊, 巳 戊庚丙, 午 丙己丁, 未 丁乙己, 申 己戊庚, 戌 辛丁戊.

struct Options {
  bool SigCB = true;
  bool SaCB = false;
  bool TCB = false;
  bool SiaCB = false;
  bool KKSCB = false;
  int KaRG = 0;
  bool DCB = false;  // system settings from here on
  bool SzCB = false;
  bool RCB = true;
};

ProgramSettings SettingsWith(const Options& options) {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetFlag("SigCB", options.SigCB);
  settings.usys.SetFlag("SaCB", options.SaCB);
  settings.usys.SetFlag("TCB", options.TCB);
  settings.usys.SetFlag("SiaCB", options.SiaCB);
  settings.usys.SetFlag("KKSCB", options.KKSCB);
  settings.usys.SetChoice("KaRG", options.KaRG);
  settings.sys.DCB = options.DCB;
  settings.sys.SzCB = options.SzCB;
  settings.sys.RCB = options.RCB;
  return settings;
}

struct Result {
  ChartBoard board;
  RelationList list;
};

Result RunBranchStep(const ChartBoard& start, const BoardPillars& pillars, const Options& options,
                     LuckRange range = LuckRange::kNatalOnly) {
  const ProgramSettings settings = SettingsWith(options);
  Result result{start, {"stale"}};
  BranchStep(result.board, TMeiData{}, range, result.list, pillars.hour_known, {settings.usys, settings.sys});
  return result;
}

Result RunBranchStep(const BoardPillars& pillars, const Options& options = {},
                     LuckRange range = LuckRange::kNatalOnly) {
  return RunBranchStep(BoardFromPillars(pillars, SettingsWith(options)), pillars, options, range);
}

constexpr std::array<const char*, 10> kColumnNames = {"",     "行時", "行日", "行月", "行年",
                                                      "大運", "時",   "日",   "月",   "年"};

// One row, year first, for the columns with a text or a mark: "年:2○ 月:1×". ○ is `Code` 1 (the
// relation holds), × is Mark::kRemoved (it fails).
std::string RowOf(const ChartBoard& board, int row) {
  std::string text;
  for (BoardColumn column = board::kYear; column >= board::kRunningHour; --column) {
    const ChartCell& cell = board(column, row);
    if (cell.Text.empty() && cell.ZSet == Mark::kNone) continue;
    if (!text.empty()) text += " ";
    text += std::string(kColumnNames[column.index]) + ":" + cell.Text;
    if (cell.Code == 1) text += "○";
    if (cell.ZSet == Mark::kRemoved) text += "×";
  }
  return text;
}

// The working hidden stems of the natal columns with their marks: × removed, ◇ transformed, ◎ the
// month command. "年:壬◇壬◇壬◇ 月:壬癸癸◎ ...".
std::string HiddenStems(const ChartBoard& board) {
  std::string text;
  for (BoardColumn column = board::kYear; column >= board::kHour; --column) {
    if (!text.empty()) text += " ";
    text += std::string(kColumnNames[column.index]) + ":";
    for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) {
      const ChartCell& cell = board(column, row);
      text += cell.Text;
      if (cell.ZSet == Mark::kRemoved) text += "×";
      if (cell.ZSet == Mark::kTransformed) text += "◇";
      if (cell.ZSet == Mark::kMonthCommand) text += "◎";
    }
  }
  return text;
}

// Row 3 of the natal columns, year first: ○ for a branch in exactly one relation in force.
std::string CountMarks(const ChartBoard& board) {
  std::string text;
  for (BoardColumn column = board::kYear; column >= board::kHour; --column) text += board(column, 3).Text;
  return text;
}

struct RowText {
  int row;
  const char* text;
};

struct BranchCase {
  const char* name;
  BoardPillars pillars;
  Options options;
  RelationList list;
  std::vector<RowText> rows;  // rows not named are not checked
  const char* count_marks;
  const char* hidden_stems;
};

// Natal boards chosen so that only the relation under test holds among their branches.
// clang-format off
const std::vector<BranchCase> kPairCases = {
    {"six combination transforms when both stems support earth",
     Natal("丙子", "己丑", "戊寅", "乙卯"), {},
     {"2100910"},
     {{board::kBranchCombine, "年:2○ 月:1○"}, {board::kBranchTransform, "年:土 月:土"}, {board::kClash, ""}},
     "○○××",
     "年:壬×癸×癸× 月:癸×辛×己◎ 日:戊丙甲 時:甲乙乙"},
    {"six combination without transformation when a stem does not support earth",
     Natal("甲子", "己丑", "戊寅", "乙卯"), {},
     {"2100910"},
     {{board::kBranchCombine, "年:2○ 月:1○"}, {board::kBranchTransform, ""}},
     "○○××",
     "年:壬×癸×癸× 月:癸×辛×己◎ 日:戊丙甲 時:甲乙乙"},
    {"season elements shown: the month command is removed with its branch",
     Natal("丙子", "己丑", "戊寅", "乙卯"), {.SzCB = true},
     {"2100910"},
     {},
     "○○××",
     "年:壬×癸×癸× 月:癸×辛×己× 日:戊丙甲 時:甲乙乙"},
    {"clash takes the element of the higher pillar's branch and weakens on the month",
     Natal("甲子", "庚午", "丁卯", "己巳"), {},
     {"2102110"},
     {{board::kClash, "年:2○ 月:1○"}, {board::kBranchCombine, ""}},
     "○○××",
     "年:壬×癸×癸× 月:丙×己×丁◎ 日:甲乙乙 時:戊庚丙"},
    {"a branch in two relations of equal strength applies neither",
     Natal("己丑", "壬子", "甲午", "丁卯"), {},
     {"2100910", "3202110"},
     {{board::kBranchCombine, "年:2○ 月:1○"}, {board::kClash, "月:3○ 日:2○"}, {board::kBranchTransform, ""}},
     "××××",
     "年:癸辛己 月:壬癸癸◎ 日:丙己丁 時:甲乙乙"},
    {"the stronger combination suppresses an earth clash on the same branch",
     Natal("辛未", "丙寅", "己丑", "甲子"), {},
     {"4300920", "3102211"},
     {{board::kBranchCombine, "日:4○ 時:3○"}, {board::kClash, "年:3○ 日:1○"}},
     "××○○",
     "年:丁乙己 月:戊丙甲◎ 日:癸×辛×己× 時:壬×癸×癸×"},
    {"suppressed relations are left out of the list when hidden",
     Natal("辛未", "丙寅", "己丑", "甲子"), {.DCB = true},
     {"4300920"},
     {{board::kClash, "年:3○ 日:1○"}},
     "××○○",
     "年:丁乙己 月:戊丙甲◎ 日:癸×辛×己× 時:壬×癸×癸×"},
    {"no relation between year and day",
     Natal("辛未", "丙寅", "己丑", "甲子"), {.TCB = true},
     {"4300920"},
     {{board::kClash, ""}},
     "××○○",
     "年:丁乙己 月:戊丙甲◎ 日:癸×辛×己× 時:壬×癸×癸×"},
    {"two clashes on the month conflict",
     Natal("甲子", "庚午", "壬子", "己巳"), {},
     {"2102110", "3202410"},
     {{board::kClash, "年:2○ 月:31○ 日:2○"}},
     "××××",
     "年:壬癸癸 月:丙己丁◎ 日:壬癸癸 時:戊庚丙"},
    {"neighbouring clashes merge into one of three pillars",
     Natal("甲子", "庚午", "壬子", "己巳"), {.SaCB = true},
     {"3212440"},
     {{board::kClash, "年:2○ 月:31○ 日:2○"}},
     "○○○×",
     "年:壬×癸×癸× 月:丙×己×丁◎ 日:壬×癸×癸× 時:戊庚丙"},
    {"three harmony 申子辰 beats its half combinations and transforms 申 and 辰",
     Natal("庚申", "壬子", "戊辰", "己卯"), {},
     {"2103421", "3203421", "3215460"},
     {{board::kGroup, "年:32○ 月:31○ 日:21○"}, {board::kThreeHarmony, "年:32○ 月:31○ 日:21○"}},
     "○○○×",
     "年:壬◇壬◇壬◇ 月:壬癸癸◎ 日:癸◇癸◇癸◇ 時:甲乙乙"},
    {"a stem not supporting its branch keeps the hidden stem in force",
     Natal("庚申", "壬子", "甲辰", "己卯"), {},
     {"2103421", "3203421", "3215460"},
     {},
     "○○○×",
     "年:壬◇壬◇壬◇ 月:壬癸癸◎ 日:癸◇癸◇戊 時:甲乙乙"},
    {"without groups nothing but pairs is looked for",
     Natal("庚申", "壬子", "戊辰", "己卯"), {.SigCB = false},
     {},
     {{board::kGroup, ""}, {board::kThreeHarmony, ""}, {board::kDirectional, ""}},
     "××××",
     "年:己戊庚 月:壬癸癸◎ 日:乙癸戊 時:甲乙乙"},
    {"directional group 寅卯辰 turns 寅 to 甲 and 辰 to 乙",
     Natal("甲寅", "丁卯", "戊辰", "己巳"), {},
     {"3216060"},
     {{board::kDirectional, "年:32○ 月:31○ 日:21○"}, {board::kThreeHarmony, ""}},
     "○○○×",
     "年:甲◇甲◇甲◇ 月:甲乙乙◎ 日:乙◇乙◇乙◇ 時:戊庚丙"},
    {"half combination of two supported non-cardinal branches rates 3",
     Natal("甲寅", "戊戌", "乙丑", "癸丑"), {},
     {"2103130"},
     {{board::kGroup, "年:2○ 月:1○"}},
     "○○××",
     "年:丙◇丙◇丙◇ 月:丁◇丁◇戊◎ 日:癸辛己 時:癸辛己"},
    {"half combination of a cardinal branch, neither supported, rates 1",
     Natal("壬午", "庚寅", "乙丑", "癸丑"), {},
     {"2103110"},
     {{board::kGroup, "年:2○ 月:1○"}},
     "○○××",
     "年:丙己丁 月:丙◇丙◇甲◎ 日:癸辛己 時:癸辛己"},
};
// clang-format on

TEST(BranchStep, ResolvesRatesAndAppliesTheRelationsOfEachCase) {
  for (const BranchCase& c : kPairCases) {
    SCOPED_TRACE(c.name);
    const Result result = RunBranchStep(c.pillars, c.options);
    EXPECT_EQ(result.list, c.list);
    for (const RowText& row : c.rows) EXPECT_EQ(RowOf(result.board, row.row), row.text) << "row " << row.row;
    EXPECT_EQ(CountMarks(result.board), c.count_marks);
    EXPECT_EQ(HiddenStems(result.board), c.hidden_stems);
  }
}

// The stem of the year pillar is marked removed (as the stem step leaves a 去 stem): it no longer
// supports its branch, and the half combination rates 2.
TEST(BranchStep, RemovedStemDoesNotSupportItsBranch) {
  const BoardPillars pillars = Natal("甲寅", "戊戌", "乙丑", "癸丑");
  ChartBoard board = BoardFromPillars(pillars, SettingsWith({}));
  board(board::kYear, board::kWorkStem).ZSet = Mark::kRemoved;
  EXPECT_EQ(RunBranchStep(board, pillars, {}).list, RelationList{"2103120"});
}

// Groups met on the same pillars: of two groups of one element the stronger stays, and of two equal
// ones the narrower; the loser's cells are marked ×.
TEST(BranchStep, OverlappingGroupsOfOneElementKeepOne) {
  struct GroupCase {
    const char* name;
    BoardPillars pillars;
    LuckRange range;
    const char* three_harmony_row;
  };
  BoardPillars equal_strength = Natal("庚申", "壬子", "戊辰", "己卯");
  equal_strength.major_luck = "庚申";  // 申子辰 again on pillars 5, 3, 2: wider
  BoardPillars weaker = Natal("庚申", "壬子", "戊辰", "己卯");
  weaker.major_luck = "乙卯";
  weaker.running_year = "甲子";  // 申子辰 on pillars 6, 3, 1: no neighbours, strength 4
  const GroupCase cases[] = {
      {"equal strength, the wider goes", equal_strength, LuckRange::kMajorLuck, "年:32○ 月:531○ 日:521○ 大運:32×"},
      {"the weaker goes", weaker, LuckRange::kYearLuck, "年:632○ 月:31○ 日:621○ 行年:31×"},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Result result = RunBranchStep(c.pillars, {}, c.range);
    EXPECT_EQ(RowOf(result.board, board::kThreeHarmony), c.three_harmony_row);
    RelationList groups;
    for (const std::string& entry : result.list) {
      if (entry[3] == '5') groups.push_back(entry.substr(0, 6));
    }
    EXPECT_EQ(groups, RelationList{"321546"});
  }
}

// Group strength: 4, one more for two neighbouring pillars, one more when their stems feed their
// branches — one stem is enough beside the central branch, else both must.
TEST(BranchStep, GroupStrengthWeighsNeighboursAndTheirStems) {
  struct StrengthCase {
    BoardPillars pillars;
    const char* group;
  };
  const StrengthCase cases[] = {
      {Natal("庚申", "壬子", "戊辰", "己卯"), "321546"},  // 日 辰 beside 月 子, the centre: one fed stem is enough
      {Natal("庚申", "甲子", "甲辰", "己卯"), "321545"},  // the same, no stem fed
      {Natal("壬午", "己巳", "甲寅", "戊戌"), "431516"},  // 時 戌 beside 日 寅, away from the centre: both fed
      {Natal("壬午", "己巳", "庚寅", "戊戌"), "431515"},  // the same, only 戌 fed
      {Natal("壬午", "戊戌", "庚寅", "己巳"), "321516"},  // three neighbours: only 戌 fed is enough
  };
  for (const StrengthCase& c : cases) {
    SCOPED_TRACE(c.group);
    RelationList groups;
    for (const std::string& entry : RunBranchStep(c.pillars).list) {
      if (entry[3] == '5' || entry[3] == '6') groups.push_back(entry.substr(0, 6));
    }
    EXPECT_EQ(groups, RelationList{c.group});
  }
}

TEST(BranchStep, DayMasterShowsItsOwnStemWhenRemovedOrWhenTransformationGoesBySupport) {
  struct DayMasterCase {
    int KaRG;
    Mark zset_before;
    const char* text_before;
    Mark zset_after;
    const char* text_after;
  };
  const DayMasterCase cases[] = {
      {0, Mark::kRemoved, "戊", Mark::kNone, "戊"},             // removed: back in force
      {1, Mark::kTransformed, "丙", Mark::kNone, "戊"},         // transformed, 生助で取る: its own stem again
      {0, Mark::kTransformed, "丙", Mark::kTransformed, "丙"},  // transformed, 季節で取る: stays transformed
  };
  const BoardPillars pillars = Natal("丙子", "己丑", "戊寅", "乙卯");
  for (const DayMasterCase& c : cases) {
    SCOPED_TRACE(c.text_before);
    ChartBoard board = BoardFromPillars(pillars, SettingsWith({}));
    board(board::kDay, board::kWorkStem).ZSet = c.zset_before;
    board(board::kDay, board::kWorkStem).Text = c.text_before;
    const Result result = RunBranchStep(board, pillars, {.KaRG = c.KaRG});
    EXPECT_EQ(result.board(board::kDay, board::kWorkStem).ZSet, c.zset_after);
    EXPECT_EQ(result.board(board::kDay, board::kWorkStem).Text, c.text_after);
  }
}

// The 律 mark sits on the hidden stem in force of every column with a pillar, and only there.
TEST(BranchStep, MarksTheHiddenStemInForce) {
  BoardPillars pillars = Natal("丙子", "己丑", "戊寅", "乙卯");
  pillars.month.depth = 0;
  pillars.hour_known = false;
  ChartBoard board = BoardFromPillars(pillars, SettingsWith({}));
  board(board::kYear, board::kWorkHidden2).Mark = true;  // left from an earlier run
  for (const bool rcb : {true, false}) {
    const Result result = RunBranchStep(board, pillars, {.RCB = rcb});
    std::string marked;
    for (BoardColumn column{0}; column <= board::kYear; ++column) {
      for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) {
        if (result.board(column, row).Mark) marked += std::to_string(column.index) + ":" + std::to_string(row) + " ";
      }
    }
    EXPECT_EQ(marked, rcb ? "7:18 8:16 9:18 " : "") << "RCB " << rcb;
  }
}

TEST(BranchStep, PillarsOutsideTheAnalysisTakeNoPart) {
  // 申子辰 with 辰 in an unknown hour: only the half combination of year and month is left.
  BoardPillars unknown_hour = Natal("庚申", "壬子", "己卯", "戊辰");
  unknown_hour.hour_known = false;
  const Result without_hour = RunBranchStep(unknown_hour);
  EXPECT_EQ(without_hour.list, RelationList{"2103420"});
  for (int row = board::kBranchCombine; row <= board::kDirectional; ++row) {
    EXPECT_EQ(without_hour.board(board::kHour, row).Text, "") << "row " << row;
  }

  // A running year 午 clashes with the natal year 子 unless the running luck is kept out.
  BoardPillars with_luck = Natal("丙子", "己丑", "戊寅", "乙卯");
  with_luck.major_luck = "丙寅";
  with_luck.running_year = "庚午";
  const auto names_running_year = [](const RelationList& list) {
    return std::any_of(list.begin(), list.end(), [](const std::string& entry) { return entry.starts_with("61021"); });
  };
  EXPECT_TRUE(names_running_year(RunBranchStep(with_luck, {}, LuckRange::kYearLuck).list));
  EXPECT_EQ(RunBranchStep(with_luck, {.KKSCB = true}, LuckRange::kYearLuck).list, RelationList{"2100910"});
}

TEST(BranchStep, RunningAgainGivesTheSameBoardAndList) {
  const std::pair<BoardPillars, Options> cases[] = {
      {Natal("庚申", "甲子", "甲辰", "己卯"), {}},
      {Natal("甲子", "庚午", "壬子", "己巳"), {.SaCB = true}},
      {Natal("丙子", "己丑", "戊寅", "乙卯"), {.SzCB = true}},
  };
  for (const auto& [pillars, options] : cases) {
    const Result once = RunBranchStep(pillars, options);
    const Result twice = RunBranchStep(once.board, pillars, options);
    EXPECT_EQ(twice.board, once.board);
    EXPECT_EQ(twice.list, once.list);
  }
}

}  // namespace
}  // namespace kirvo
