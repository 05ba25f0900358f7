#include "engine/stem_transformation.h"

#include <algorithm>

#include "engine/element_support.h"

namespace kirvo {

namespace {

bool IsPair(BoardColumn a, BoardColumn b, BoardColumn x, BoardColumn y) {
  return (a == x && b == y) || (a == y && b == x);
}
bool IsRunningLuck(BoardColumn column) { return column < board::kHour; }

Stem StemOf(const ChartBoard& board, BoardColumn column) { return board(column, board::kStem).Code; }

// The month pillar's commanding hidden stem: the one its depth puts in force.
Stem MonthCommandStem(const ChartBoard& board) {
  const int depth = std::clamp(board(board::kMonth, board::kDepthRow).Code, 0, 2);
  return StemIndexOf(board(board::kMonth, board::kHidden1 + depth).Text).value_or(kNoStem);
}

// A year-month combination is taken by season only when both of its stems repeat on the day and
// hour pillars (an unknown hour has no stem).
bool YearMonthRepeatsBelow(const ChartBoard& board, bool hour_known) {
  const Stem year = StemOf(board, board::kYear);
  const Stem month = StemOf(board, board::kMonth);
  const Stem day = StemOf(board, board::kDay);
  const Stem hour = hour_known ? StemOf(board, board::kHour) : kNoStem;
  const auto below = [&](Stem stem) { return stem == day || stem == hour; };
  return below(year) && below(month) && year != month;
}

bool BySeason(const ChartBoard& board, BoardColumn a, BoardColumn b, Element element,
              const TransformationContext& context) {
  using namespace board;
  if (element != context.season_element) return false;
  if (IsPair(a, b, kYear, kHour) || IsPair(a, b, kMonth, kHour) || IsPair(a, b, kYear, kDay)) return false;
  if (IsPair(a, b, kYear, kMonth)) return YearMonthRepeatsBelow(board, context.hour_known);
  return true;
}

bool ByMonthCommand(const ChartBoard& board, BoardColumn a, BoardColumn b, Element element) {
  const bool month_with_luck = (a == board::kMonth && IsRunningLuck(b)) || (b == board::kMonth && IsRunningLuck(a));
  if (month_with_luck || (IsRunningLuck(a) && IsRunningLuck(b))) return true;
  return ElementSupports(ElementOfStem(MonthCommandStem(board)), element);
}

}  // namespace

bool CombinationTransforms(const ChartBoard& board, BoardColumn first, BoardColumn second, Element element,
                           const TransformationContext& context) {
  switch (context.rule) {
    case TransformationRule::kBySeason:
      return BySeason(board, first, second, element, context);
    case TransformationRule::kByMonthCommand:
      return ByMonthCommand(board, first, second, element);
    case TransformationRule::kByMonthBranch:
      return element == ElementOfBranch(std::clamp(board(board::kMonth, board::kBranch).Code, 0, 11));
  }
  return false;
}

}  // namespace kirvo
