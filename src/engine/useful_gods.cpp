#include "engine/useful_gods.h"

#include <algorithm>
#include <array>
#include <utility>

#include "settings/usys_settings.h"

namespace kirvo {

namespace {

inline constexpr int kDayMasterPriority = 99;
inline constexpr int kNotInChartPriority = 9;
inline constexpr int kMonthCommandPriority = 40;
// Running-luck pillars rank 39 − column: 大運 (5) 34 … 行時 (1) 38.
inline constexpr int kLuckPriorityBase = 39;
// Hidden stems rank by place, then by column: 本気 50 + column, 中気 60 + column, 余気 70 + column.
inline constexpr std::array<std::pair<int, int>, 3> kHiddenStemPriorities = {{
    {board::kWorkHidden3, 50},
    {board::kWorkHidden2, 60},
    {board::kWorkHidden1, 70},
}};

std::string StemName(Stem stem) { return std::string(kStemNames[stem]); }
std::string BothStemsOf(Element element) { return StemName(2 * element) + StemName(2 * element + 1); }

bool WorkingStemIs(const ChartBoard& board, BoardColumn column, Stem stem) {
  const ChartCell& cell = board(column, board::kWorkStem);
  return StemIndexOf(cell.Text) == stem && cell.ZSet != Mark::kRemoved;
}

BoardColumn FirstColumn(LuckRange range) {
  return std::clamp(FirstColumnTakingPart(range), board::kRunningHour, board::kHour);
}

// `YRG0` 0: the stem with the largest weighted number, visiting the elements 主 生 剋 分 洩 (yang
// before yin) so that a tie goes to the later stem. A yin winner that shows the same number as its
// yang partner stands for the element: both stems.
std::string LargestStem(Stem day_master, const StemNumbers& stems, const ChartRules& rules) {
  const bool day_master_allowed = rules.read.day_master_may_be_useful;
  const Element own = ElementOfStem(day_master);
  Stem kept = kNoStem;
  double best = 0.0;
  for (int step = 0; step < 5; ++step) {
    const Element element = (own - step + 5) % 5;
    for (const Stem stem : {2 * element, 2 * element + 1}) {
      if (stem == day_master && !day_master_allowed) continue;
      if (stems.weighted[stem] >= best) {
        best = stems.weighted[stem];
        kept = stem;
      }
    }
  }
  if (kept == kNoStem) return std::string(kNoUsefulGod);
  if (!IsYang(kept) && ElementOfStem(kept) != own &&
      StemValueText(stems.weighted[kept]) == StemValueText(stems.weighted[kept - 1])) {
    return BothStemsOf(ElementOfStem(kept));
  }
  return StemName(kept);
}

// `YRG0` 1: the element with the largest 力量 (構成 with `RRG` 1), then the one of its two stems the
// chart holds (or shows more prominently).
std::string StemOfLargestElement(const ChartBoard& board, Stem day_master, const ElementNumbers& numbers,
                                 LuckRange range, const ChartRules& rules) {
  const bool by_total = rules.read.forward_backward == ForwardBackwardValue::kTotal;
  const Element own = ElementOfStem(day_master);
  Element best = kNoElement, best_other = kNoElement;  // the largest, and the largest but the day master's
  double best_value = 0.0, best_other_value = 0.0;
  for (const ElementNumberRow& row : numbers.table.rows) {
    const double value = by_total ? row.share : row.strength;
    if (value > best_value) {
      best_value = value;
      best = row.element;
    }
    if (row.element != own && value > best_other_value) {
      best_other_value = value;
      best_other = row.element;
    }
  }
  std::array<double, 10> stem_values{};
  for (Stem stem = 0; stem < kNoStem; ++stem) {
    stem_values[stem] = by_total ? numbers.stems.weighted[stem] : numbers.stems.totals[stem];
  }

  // The day master's element stands for its other stem, when the chart holds that one.
  if (!rules.read.day_master_may_be_useful && !by_total && best == own) {
    const Stem partner = IsYang(day_master) ? day_master + 1 : day_master - 1;
    if (stem_values[partner] != 0.0) return StemName(partner);
    best = best_other;
  }
  if (best == kNoElement) return std::string(kNoUsefulGod);

  const Stem yang = 2 * best, yin = yang + 1;
  const double g = stem_values[yang], h = stem_values[yin];
  if (g > 0.0 && h == 0.0) return StemName(yang);
  if (g == 0.0 && h > 0.0) return StemName(yin);
  const int yang_priority = StemPriority(yang, day_master, range, board, rules);
  const int yin_priority = StemPriority(yin, day_master, range, board, rules);
  if (yang_priority == yin_priority) return BothStemsOf(best);
  return StemName(yin_priority < yang_priority ? yin : yang);
}

}  // namespace

int StemPriority(Stem stem, Stem day_master, LuckRange range, const ChartBoard& board, const ChartRules& rules) {
  if (stem == day_master && !rules.read.day_master_may_be_useful) return kDayMasterPriority;
  if (WorkingStemIs(board, board::kHour, stem) || WorkingStemIs(board, board::kMonth, stem)) return 1;
  for (const BoardColumn column : {board::kYear, board::kDay, board::kHour}) {
    if (WorkingStemIs(board, column, stem)) return 2;
  }
  const BoardColumn first = FirstColumn(range);
  if (range >= LuckRange::kYearLuck) {
    for (BoardColumn column = board::kMajorLuck; column >= first; --column) {
      if (WorkingStemIs(board, column, stem)) return kLuckPriorityBase - column.index;
    }
  }
  const int month_depth = std::clamp(board(board::kMonth, board::kDepthRow).Code, 0, 2);
  if (StemIndexOf(board(board::kMonth, board::kWorkHidden1 + month_depth).Text) == stem) return kMonthCommandPriority;
  for (const auto& [row, base] : kHiddenStemPriorities) {
    for (BoardColumn column = board::kYear; column >= first; --column) {
      if (StemIndexOf(board(column, row).Text) == stem) return base + column.index;
    }
  }
  return kNotInChartPriority;
}

std::string UsefulGod(const ChartBoard& board, Stem day_master, const ElementNumbers& numbers, LuckRange range,
                      const ChartRules& rules) {
  if (day_master < 0 || day_master >= kNoStem) return std::string(kNoUsefulGod);
  if (rules.read.useful_god_method == UsefulGodMethod::kLargestElement) {
    return StemOfLargestElement(board, day_master, numbers, range, rules);
  }
  return LargestStem(day_master, numbers.stems, rules);
}

std::string ClimateGod(Stem day_master, Branch month_branch, const ChartRules& rules) {
  if (day_master < 0 || day_master >= kNoStem || month_branch < 0 || month_branch >= 12) return {};
  return rules.usys.Cell(USysTable::TSG, month_branch + 1, day_master + 1);
}

FavourableElements FavourableElementsOf(const ElementNumberTable& table, BalanceClass balance_class,
                                        double difference) {
  const auto name = [&](ElementRelation n) { return std::string(kElementNames[table.rows[n].element]); };
  const auto strength = [&](ElementRelation n) { return table.rows[n].strength; };
  FavourableElements result;
  result.to_weaken = name(1) + name(2) + name(3);
  result.to_strengthen = name(0) + name(4);
  ElementRelation heaviest = 1;  // of 洩 分 剋; a later row wins a tie
  for (ElementRelation n = 2; n <= 3; ++n) {
    if (strength(n) >= strength(heaviest)) heaviest = n;
  }
  result.unfavourable = name(heaviest);
  result.favourable = strength(4) > strength(0) ? name(4) : name(0);
  const bool reversed =
      (balance_class == kInnerPattern && difference >= 0.0) || (balance_class == kOuterPattern && difference < 0.0);
  if (reversed) {
    std::swap(result.to_weaken, result.to_strengthen);
    std::swap(result.unfavourable, result.favourable);
  }
  return result;
}

UsefulGods ComputeUsefulGods(const ChartBoard& board, const ElementNumbers& numbers, const Judgement& judgement,
                             LuckRange range, const ChartRules& rules) {
  UsefulGods gods;
  gods.day_master = board(board::kDay, board::kWorkStem).Text;
  const Stem day_master = StemIndexOf(gods.day_master).value_or(kNoStem);
  gods.useful_god = UsefulGod(board, day_master, numbers, range, rules);
  const std::string& month_branch = board(board::kMonth, board::kWorkBranch).Text;
  if (const std::optional<Branch> branch = BranchIndexOf(month_branch)) {
    gods.climate_god = ClimateGod(day_master, *branch, rules);
  }
  gods.elements = FavourableElementsOf(numbers.table, judgement.balance_class, judgement.difference);
  return gods;
}

}  // namespace kirvo
