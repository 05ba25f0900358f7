#include "engine/relation_resolution.h"

#include <algorithm>
#include <cstdlib>

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;  // 9; column 10 holds the row headers

bool IsRunningLuck(BoardColumn column) { return column < board::kHour; }

// The unordered pair {a, b} is the pair {x, y}.
bool IsPair(BoardColumn a, BoardColumn b, BoardColumn x, BoardColumn y) {
  return (a == x && b == y) || (a == y && b == x);
}

int DigitAt(std::string_view entry, std::size_t position) {
  if (position >= entry.size() || entry[position] < '0' || entry[position] > '9') return 0;
  return entry[position] - '0';
}

// The first two candidates as a pillar weighs them: nearest first, the smaller number first among
// equals. Only these two ever decide, so they are picked in one pass instead of ordering them all.
struct NearestTwo {
  int count = 0;  // how many candidates the text names
  int first = 0;
  int second = 0;
};

NearestTwo NearestTwoTo(int pillar, std::string_view text) {
  const auto before = [pillar](int a, int b) {
    const int da = std::abs(pillar - a);
    const int db = std::abs(pillar - b);
    return da != db ? da < db : a < b;
  };
  NearestTwo nearest;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') continue;
    const int number = digit - '0';
    if (nearest.count == 0 || before(number, nearest.first)) {
      nearest.second = nearest.first;
      nearest.first = number;
    } else if (nearest.count == 1 || before(number, nearest.second)) {
      nearest.second = number;
    }
    ++nearest.count;
  }
  return nearest;
}

}  // namespace

PairFilter::PairFilter(RelationFamily family, LuckRange range, bool hour_known, const RuleValues& read)
    : range_(range),
      hour_known_(hour_known),
      no_running_luck_(read.no_change_by_running_luck),
      no_year_day_month_hour_(read.year_day_month_hour_apart),
      no_day_master_(family == RelationFamily::kStems && read.day_master_apart),
      no_distant_branches_(family == RelationFamily::kBranches && read.distant_branches_apart) {}

bool PairFilter::Passes(BoardColumn a, BoardColumn b) const {
  using namespace board;
  if (a == b || !TakesPart(a, range_) || !TakesPart(b, range_)) return false;
  if (no_running_luck_ && (IsRunningLuck(a) || IsRunningLuck(b))) return false;
  if (!hour_known_ && (a == kHour || b == kHour)) return false;
  if (no_year_day_month_hour_ && (IsPair(a, b, kYear, kDay) || IsPair(a, b, kMonth, kHour))) return false;
  if (no_day_master_ && (a == kDay || b == kDay)) return false;
  if (no_distant_branches_ &&
      (IsPair(a, b, kYear, kDay) || IsPair(a, b, kYear, kHour) || IsPair(a, b, kMonth, kHour))) {
    return false;
  }
  return true;
}

std::vector<int> PillarNumbersOf(std::string_view text) {
  std::vector<int> numbers;
  for (char digit : text) {
    if (digit >= '0' && digit <= '9') numbers.push_back(digit - '0');
  }
  return numbers;
}

int ChoosePartner(int self, std::string_view candidates) {
  const NearestTwo ordered = NearestTwoTo(self, candidates);
  if (ordered.count == 0) return 0;
  if (ordered.count >= 2 && std::abs(self - ordered.first) == std::abs(self - ordered.second)) return ordered.second;
  return ordered.first;
}

std::int32_t ResolveRelation(int partner, int self, std::string_view partner_text, RelationKind kind) {
  const NearestTwo ordered = NearestTwoTo(partner, partner_text);
  if (ordered.count == 0) return kRelationNone;
  if (ordered.count == 1) return kRelationHolds;
  const int x = ordered.first;
  const int y = ordered.second;
  const int dx = std::abs(partner - x);
  const int dy = std::abs(partner - y);
  // The partner's own choice: the nearer of the two, or the larger when both are equally near.
  if ((x == self && dx != dy) || (y == self && dx == dy)) return kRelationHolds;
  if (kind != RelationKind::kOvercoming) {
    // A neighbouring pillar also keeps a combination, clash or group the partner did not choose.
    if (x == self && dx == 1) return kRelationHolds;
    if (y == self && (std::abs(x - y) == 1 || dx == 1)) return kRelationHolds;
    if (kind == RelationKind::kHalfGroup && y == self) return kRelationHolds;
  }
  return kRelationFails;
}

ResolvedCells ResolveRowCells(ChartBoard& board, int row, int counterpart_row, RelationKind kind) {
  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    board(column, row).Code = kRelationNone;
    board(column, row).ZSet = Mark::kNone;
  }
  ResolvedCells resolved;
  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    ChartCell& cell = board(column, row);
    if (cell.Text.empty()) continue;
    ResolvedCell outcome{column, board::PillarNumber(column), 0, kRelationNone};
    outcome.partner = ChoosePartner(outcome.self, cell.Text);
    const BoardColumn partner_column = board::ColumnOfPillar(outcome.partner);
    if (partner_column >= board::kScratch && partner_column <= kLastColumn && outcome.partner != 0) {
      outcome.result =
          ResolveRelation(outcome.partner, outcome.self, board(partner_column, counterpart_row).Text, kind);
    }
    cell.Code = outcome.result;
    if (outcome.result == kRelationFails) cell.ZSet = Mark::kRemoved;
    resolved.push_back(outcome);
  }
  return resolved;
}

void ResolveRow(ChartBoard& board, int row, RelationList& list, RelationKind kind, bool neighbours_only) {
  for (const ResolvedCell& cell : ResolveRowCells(board, row, row, kind)) {
    if (cell.result != kRelationHolds) continue;
    // Each relation is listed once, from whichever side resolves first.
    if (std::find(list.begin(), list.end(), RelationEntry(cell.self, cell.partner, kind)) != list.end()) continue;
    list.push_back(RelationEntry(cell.partner, cell.self, kind));
  }
  if (neighbours_only) MergeNeighbourRelations(list);
}

std::string RelationEntry(int first_pillar, int second_pillar, RelationKind kind) {
  const auto digit = [](int value) { return value >= 0 && value <= 9; };
  if (digit(first_pillar) && digit(second_pillar)) {
    return {static_cast<char>('0' + first_pillar), static_cast<char>('0' + second_pillar), '0',
            static_cast<char>('0' + static_cast<int>(kind))};
  }
  return std::to_string(first_pillar) + std::to_string(second_pillar) + "0" + std::to_string(static_cast<int>(kind));
}

RelationEntryParts PartsOf(std::string_view entry) {
  if (entry.size() < 4) return {};
  return {DigitAt(entry, 0), DigitAt(entry, 1), DigitAt(entry, 2), DigitAt(entry, 3)};
}

void MergeNeighbourRelations(RelationList& list) {
  for (std::size_t current = 0; current < list.size(); ++current) {
    const RelationEntryParts head = PartsOf(list[current]);
    if (head.kind < 0) continue;
    for (std::size_t other = current + 1; other < list.size();) {
      const RelationEntryParts parts = PartsOf(list[other]);
      const bool joins = parts.kind == head.kind && (parts.Names(head.first) || parts.Names(head.second));
      if (!joins) {
        ++other;
        continue;
      }
      for (int pillar : {parts.first, parts.second, parts.third}) {
        if (pillar != 0 && pillar != head.first && pillar != head.second) {
          list[current][2] = static_cast<char>('0' + pillar);
          break;
        }
      }
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(other));
    }
  }
}

}  // namespace kirvo
