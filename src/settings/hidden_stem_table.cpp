#include "settings/hidden_stem_table.h"

#include "platform/integer_text.h"

namespace kirvo {

namespace {

constexpr int kMiddleStemColumn = 3;
constexpr int kPrincipalStemColumn = 7;
// Stem columns of 余気, 中気 and 本気, in the order of the table's k index.
constexpr std::array<int, 3> kStemColumns = {1, kMiddleStemColumn, kPrincipalStemColumn};
constexpr std::array<int, 4> kDayColumns = {2, 4, 6, 8};

}  // namespace

void FillMissingMiddleStems(TextTable& zsg) {
  for (Branch branch = 0; branch < 12; ++branch) {
    const std::size_t row = branch + 1;
    if (!StemIndexOf(zsg.Cell(kMiddleStemColumn, row))) {
      zsg.SetCell(kMiddleStemColumn, row, zsg.Cell(kPrincipalStemColumn, row));
    }
  }
}

HiddenStemTable HiddenStemTableOf(const TextTable& zsg) {
  HiddenStemTable table;
  for (int k = 0; k < 3; ++k) {
    for (Branch branch = 0; branch < 12; ++branch) {
      table.stems[k][branch] = StemIndexOf(zsg.Cell(kStemColumns[k], branch + 1)).value_or(kNoStem);
    }
  }
  return table;
}

HiddenStemTable BuildHiddenStemTable(const TextTable& zsg) {
  TextTable filled = zsg;
  FillMissingMiddleStems(filled);
  return HiddenStemTableOf(filled);
}

std::array<double, 4> SegmentDays(const TextTable& zsg, Branch branch) {
  std::array<double, 4> days{};
  for (int segment = 0; segment < 4; ++segment) {
    const std::optional<long long> value = ParseInteger(zsg.Cell(kDayColumns[segment], branch + 1));
    days[segment] = value ? static_cast<double>(*value) : 0.0;
  }
  return days;
}

std::array<double, 4> SegmentShares(const TextTable& zsg, Branch branch) {
  std::array<double, 4> shares = SegmentDays(zsg, branch);
  const double total = shares[0] + shares[1] + shares[2] + shares[3];
  for (double& share : shares) share = total == 0.0 ? 0.0 : share / total;
  return shares;
}

}  // namespace kirvo
